// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The processes a process has started, as /proc shows them now.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tessaro::test {

// The processes whose parent is pid.
inline std::vector<pid_t> childrenOf(pid_t pid) {
    std::vector<pid_t> children;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        // "PID (COMMAND) STATE PPID ...": the command may hold blanks and parentheses.
        const auto end = stat.rfind(')');
        if (end == std::string::npos) {
            continue; // it ended as we looked
        }
        std::istringstream fields(stat.substr(end + 1));
        std::string state;
        pid_t parent = 0;
        if (fields >> state >> parent && parent == pid) {
            children.push_back(static_cast<pid_t>(std::stol(name)));
        }
    }
    return children;
}

} // namespace tessaro::test
