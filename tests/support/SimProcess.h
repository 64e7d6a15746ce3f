// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// tessaro-printer-sim (or another program) as a separate process with its standard output
// (and, if asked, its standard error) on a pipe or a pseudo-terminal: started with options,
// its pseudo-terminal read from the first line, killed if a test leaves it.

#include <chrono>
#include <csignal>
#include <cstdlib> // posix_openpt
#include <fcntl.h>
#include <functional>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessaro::test {

class SimProcess {
  public:
    using Clock = std::chrono::steady_clock;

    enum class Streams { Output, OutputAndErrors, Terminal };

    // program: another of the programs, run the same way (tessaro-cli in the background);
    // OutputAndErrors puts its standard error on the same pipe; Terminal puts both on a
    // pseudo-terminal, as a user's terminal is, and its input on /dev/null. environment: all
    // the environment it gets, when not this process's.
    explicit SimProcess(std::vector<std::string> args, std::string program = TESSARO_SIM_PATH,
                        Streams streams = Streams::Output,
                        std::optional<std::vector<std::string>> environment = std::nullopt) {
        int out[2] = {-1, -1}; // the test's end, the program's end
        if (streams == Streams::Terminal) {
            out[0] = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
            if (out[0] < 0 || ::grantpt(out[0]) != 0 || ::unlockpt(out[0]) != 0 ||
                (out[1] = ::open(::ptsname(out[0]), O_RDWR | O_NOCTTY | O_CLOEXEC)) < 0) {
                throw std::runtime_error("pseudo-terminal");
            }
        } else if (::pipe2(out, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        if (streams != Streams::Output) {
            posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
        }
        if (streams == Streams::Terminal) {
            posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        }
        args.insert(args.begin(), std::move(program));
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        std::vector<char*> envp;
        if (environment) {
            for (std::string& setting : *environment) {
                envp.push_back(setting.data());
            }
        }
        envp.push_back(nullptr);
        const int error = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(),
                                      environment ? envp.data() : environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        out_ = out[0];
        if (error != 0) {
            pid_ = -1;
        }
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
    }

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    void signal(int number) { ::kill(pid_, number); }

    // The pseudo-terminal's device, from the first line ("PTY /dev/pts/N"), or with --tcp the
    // address ("TCP 127.0.0.1:PORT"); "" if none came.
    std::string device() {
        const std::string out =
            readUntil([](const std::string& text) { return text.find('\n') != std::string::npos; },
                      std::chrono::seconds(5));
        if (!out.starts_with("PTY /dev/") && !out.starts_with("TCP ")) {
            return "";
        }
        return out.substr(4, out.find('\n') - 4);
    }

    // Everything the process printed, read until done(it), end of file or the deadline.
    std::string readUntil(const std::function<bool(const std::string&)>& done,
                          std::chrono::milliseconds limit) {
        const auto deadline = Clock::now() + limit;
        while (!done(output_) && Clock::now() < deadline && readMore(10)) {
        }
        return output_;
    }
    // What it printed until now: what has come is read, without waiting for more.
    std::string output() {
        while (readMore(0)) {
        }
        return output_;
    }
    // Reads what has come until it contains text, for at most limit.
    bool waitFor(const std::string& text, std::chrono::milliseconds limit) {
        return readUntil(
                   [&](const std::string& out) { return out.find(text) != std::string::npos; },
                   limit)
                   .find(text) != std::string::npos;
    }
    bool outputClosed() const { return closed_; }

    // The exit status once the process has ended within the limit.
    std::optional<int> exitStatus(std::chrono::milliseconds limit) {
        const auto deadline = Clock::now() + limit;
        for (int status = 0;; ::poll(nullptr, 0, 5)) {
            const pid_t ended = ::waitpid(pid_, &status, WNOHANG);
            if (ended == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (ended < 0 || Clock::now() >= deadline) {
                return std::nullopt;
            }
        }
    }

  private:
    // Waits at most waitMs for output and keeps what came; false at its end, or when nothing
    // came without waiting.
    bool readMore(int waitMs) {
        if (closed_) {
            return false;
        }
        pollfd watch{out_, POLLIN, 0};
        if (::poll(&watch, 1, waitMs) <= 0) {
            return waitMs > 0; // a wait that saw nothing: the caller's deadline decides
        }
        char buffer[512];
        const ssize_t count = ::read(out_, buffer, sizeof buffer);
        if (count <= 0) {
            closed_ = true;
            return false;
        }
        output_.append(buffer, static_cast<std::size_t>(count));
        return true;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    std::string output_;
    bool closed_ = false;
};

} // namespace tessaro::test
