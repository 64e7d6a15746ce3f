// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::cli {

struct ShowOptions {
    std::string file;
    std::vector<std::string> sets;
    std::string saveTo;
    bool bytes = false;
    bool all = false;
    std::string chipset = "5";
    int power = 5;
    std::string portSpeed = "9600";
    bool json = false;
};

// Registers "show" on the application; the options are filled when it parses.
CLI::App* addShowCommand(CLI::App& app, ShowOptions& options);

// Runs "show"; returns the exit status (0 done, 2 bad usage or a file that cannot be read
// or written).
int runShow(const ShowOptions& options);

} // namespace tessaro::cli
