// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line as a shell's completion needs it, read from the very definitions the
// parser uses: every subcommand with its options and operands, what each value may be
// (its choices, a port, a .pcf file, any file, a key of --set), and the ports by name and
// the device files a port may be. The build writes the bash, zsh and fish completions from
// it (data/completion/generate.py), so that they cannot drift from the program.

#include <CLI/CLI.hpp>
#include <QJsonObject>

namespace tessaro::cli {

// The table of the program whose parser app is, its subcommands all added.
QJsonObject completionTable(CLI::App& app);

// Adds the hidden option --completion-table, which prints the table as one JSON object and
// exits; add it once every subcommand is.
void addCompletionTableOption(CLI::App& app);

} // namespace tessaro::cli
