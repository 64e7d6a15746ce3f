// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "diff A B": the parameters two profiles (or the factory settings) set differently.

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>

namespace tessaro::cli {

// The side that stands for the factory settings rather than a file.
inline constexpr std::string_view kFactory = "factory";

struct DiffOptions {
    std::string first;
    std::string second;
    bool json = false;
};

CLI::App* addDiffCommand(CLI::App& app, DiffOptions& options);

// Exit status: 0 the same settings, 1 different, 2 a file that cannot be read.
int runDiff(const DiffOptions& options);

} // namespace tessaro::cli
