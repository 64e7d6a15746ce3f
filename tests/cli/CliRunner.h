// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs tessaro-cli (or another of the programs) as a user would and collects what it prints and its
// exit status.

#include "support/TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace tessaro::test {

// A profile that changes one parameter: the dynamic division, to 9.
inline const std::string kProfile = "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n";

// The keys that set the serial speed to 19200 (the handshake and infrared as the factory's),
// and a profile of them alone.
inline const std::string kTo19200 = "serialspeed=4\r\nserialhandshake=1\r\nirda=0\r\n";
inline const std::string kTo19200Profile = "[Setup and hardware control]\r\n" + kTo19200;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// environment: "NAME=value" settings for this run only.
inline CliResult runProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::vector<std::string>& environment = {}) {
    TempDir dir;
    std::string command;
    for (const auto& setting : environment) {
        command += shellQuote(setting) + " ";
    }
    command += shellQuote(program);
    for (const auto& arg : args) {
        command += " " + shellQuote(arg);
    }
    if (!environment.empty()) {
        command = "env " + command;
    }
    command += " </dev/null >" + shellQuote((dir / "out").string()) + " 2>" +
               shellQuote((dir / "err").string());
    const int raw = std::system(command.c_str());
    CliResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(dir / "out");
    result.err = readFile(dir / "err");
    return result;
}

inline CliResult runCli(const std::vector<std::string>& args,
                        const std::vector<std::string>& environment = {}) {
    return runProgram(TESSARO_CLI_PATH, args, environment);
}

} // namespace tessaro::test
