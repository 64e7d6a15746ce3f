// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "provision": one profile stored in the printers on many ports at once, each unit recorded
// in an audit log; with --repeat, a station that serves printer after printer.

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace tessaro::cli {

struct ProvisionOptions {
    std::string file;
    std::vector<std::string> ports;
    std::string speed = "9600";
    std::string handshake = "hardware";
    std::string log;
    std::string label;
    bool repeat = false;
    bool all = false;
    bool yes = false;
    bool json = false;
};

CLI::App* addProvisionCommand(CLI::App& app, ProvisionOptions& options);

// The exit status: 0 when every unit was stored, else the highest of the units' statuses
// (station/Outcome.h); 2 before any printer is touched when the profile, a port or the log is
// wrong.
int runProvision(const ProvisionOptions& options);

} // namespace tessaro::cli
