// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <CLI/CLI.hpp>

namespace tessaro::cli {

// Registers "ports": one line per port of the program, with its device and presence.
CLI::App* addPortsCommand(CLI::App& app);
int runPorts();

} // namespace tessaro::cli
