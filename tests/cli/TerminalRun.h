// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs tessaro-cli with its stdout and stderr on a pseudo-terminal, as a user's terminal is,
// with the TERM the test gives (none when it gives none), and collects what it wrote there.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::test {

// environment: "NAME=value" settings over this process's environment, which loses its TERM.
// The terminal's line discipline writes each "\n" as "\r\n". status -1 when the program did
// not end within the limit (it is killed) or could not be started.
inline CliResult runOnTerminal(const std::vector<std::string>& args,
                               const std::vector<std::string>& environment,
                               std::chrono::seconds limit = std::chrono::seconds(60)) {
    std::vector<std::string> settings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!std::string_view(*entry).starts_with("TERM=")) {
            settings.emplace_back(*entry);
        }
    }
    settings.insert(settings.end(), environment.begin(), environment.end());
    SimProcess cli(args, TESSARO_CLI_PATH, SimProcess::Streams::Terminal, settings);
    CliResult result;
    if (cli.running()) {
        // Until the program's end closes the terminal's last descriptor.
        result.out = cli.readUntil([](const std::string&) { return false; }, limit);
        result.status = cli.outputClosed() ? cli.exitStatus(limit).value_or(-1) : -1;
    }
    return result;
}

} // namespace tessaro::test
