// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands that talk to a printer: detect, send, recover and status.

#include "link/PortRef.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace tessaro::cli {

struct PrinterOptions {
    // The port, parsed where it was given; none when none was given or the text is no port,
    // which unknownPort then keeps as given for the refusal and the record.
    std::optional<link::PortRef> port;
    std::string unknownPort;
    std::string speed = "9600";
    std::string handshake = "hardware";
    bool autodetect = false;
    std::string file;
    bool all = false;
    bool yes = false;
    bool json = false;
    std::string log; // send: the audit log a record is appended to
    // With speed auto, the speeds tried are shown on stderr as the automatic search shows
    // its steps; a station's units leave that to the port's live line.
    bool showSearch = true;

    // The port as given: "COM1", "/dev/ttyUSB0", "tcp://printer:9100"; "" when none was.
    std::string givenPort() const { return port ? port->text() : unknownPort; }
};

struct PrinterSubcommands {
    CLI::App* detect = nullptr;
    CLI::App* send = nullptr;
    CLI::App* recover = nullptr;
    CLI::App* status = nullptr;
};

PrinterSubcommands addPrinterCommands(CLI::App& app, PrinterOptions& options);

// Each returns the exit status (cli/Outcome.h).
int runDetect(const PrinterOptions& options);
int runSend(const PrinterOptions& options);
int runRecover(const PrinterOptions& options);
int runStatus(const PrinterOptions& options);

} // namespace tessaro::cli
