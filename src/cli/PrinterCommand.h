// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands that talk to a printer: detect, send, recover and status.

#include "station/PrinterOptions.h"

#include <CLI/CLI.hpp>

namespace tessaro::cli {

struct PrinterSubcommands {
    CLI::App* detect = nullptr;
    CLI::App* send = nullptr;
    CLI::App* recover = nullptr;
    CLI::App* status = nullptr;
};

PrinterSubcommands addPrinterCommands(CLI::App& app, station::PrinterOptions& options);

// Each returns the exit status (station/Outcome.h).
int runDetect(const station::PrinterOptions& options);
int runSend(const station::PrinterOptions& options);
int runRecover(const station::PrinterOptions& options);
int runStatus(const station::PrinterOptions& options);

} // namespace tessaro::cli
