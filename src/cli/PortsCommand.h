// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <CLI/CLI.hpp>

namespace tessaro::cli {

// Registers "ports": one line per port of the program, with its device and presence; with
// json, one JSON document of them. A USB-serial adapter is told by what the system knows.
CLI::App* addPortsCommand(CLI::App& app, bool& json);
int runPorts(bool json);

} // namespace tessaro::cli
