// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands that talk to a printer: detect, send, recover and status.

#include <CLI/CLI.hpp>
#include <string>

namespace tessaro::cli {

struct PrinterOptions {
    std::string port;
    std::string speed = "9600";
    std::string handshake = "hardware";
    bool autodetect = false;
    std::string file;
    bool all = false;
    bool yes = false;
};

struct PrinterSubcommands {
    CLI::App* detect = nullptr;
    CLI::App* send = nullptr;
    CLI::App* recover = nullptr;
    CLI::App* status = nullptr;
};

PrinterSubcommands addPrinterCommands(CLI::App& app, PrinterOptions& options);

// Exit status: 0 done, 1 the printer operation failed, 2 bad usage or an unreadable file.
int runDetect(const PrinterOptions& options);
int runSend(const PrinterOptions& options);
int runRecover(const PrinterOptions& options);
int runStatus(const PrinterOptions& options);

} // namespace tessaro::cli
