// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs tessaro-cli with its stdout and stderr on a pseudo-terminal, as a user's terminal is,
// with the TERM the test gives (none when it gives none), and collects what it wrote there.

#include "cli/CliRunner.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessaro::test {

// environment: "NAME=value" settings over this process's environment, which loses its TERM.
// The terminal's line discipline writes each "\n" as "\r\n". status -1 when the program did
// not end within the limit (it is killed) or could not be started.
inline CliResult runOnTerminal(const std::vector<std::string>& args,
                               const std::vector<std::string>& environment,
                               std::chrono::seconds limit = std::chrono::seconds(60)) {
    CliResult result;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        return result;
    }
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::vector<std::string> settings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!std::string_view(*entry).starts_with("TERM=")) {
            settings.emplace_back(*entry);
        }
    }
    settings.insert(settings.end(), environment.begin(), environment.end());
    std::vector<std::string> argv{TESSARO_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argp;
    std::vector<char*> envp;
    for (std::string& arg : argv) {
        argp.push_back(arg.data());
    }
    for (std::string& setting : settings) {
        envp.push_back(setting.data());
    }
    argp.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, terminal, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, terminal, STDERR_FILENO);
    pid_t pid = -1;
    const int error =
        terminal < 0 ? EBADF
                     : ::posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (terminal >= 0) {
        ::close(terminal);
    }
    if (error != 0) {
        ::close(master);
        return result;
    }
    // Read until the program's end closes the terminal's last descriptor (EIO).
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool timedOut = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd wait{master, POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            break;
        }
        char buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) {
            result.out.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
            break;
        }
    }
    if (timedOut) {
        ::kill(pid, SIGKILL);
    }
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    ::close(master);
    result.status = !timedOut && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

} // namespace tessaro::test
