// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Debian's ser2net serving one terminal with telnet and the com-port option on a free
// loopback port: started in the foreground with a configuration of its own (never the
// system's), its output in a file beside it, ready once the port listens; killed and reaped
// when the test is done with it.

#include "support/TempDir.h"
#include "workspace/UniqueFd.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessaro::test {

class Ser2netProcess {
  public:
    static constexpr const char* kProgram = "/usr/sbin/ser2net";

    static bool installed() { return ::access(kProgram, X_OK) == 0; }

    // Serves device at lineOptions as ser2net writes them ("9600n81,local"); listening() says
    // whether it came up.
    explicit Ser2netProcess(const std::string& device,
                            const std::string& lineOptions = "9600n81,local") {
        for (int attempt = 0; attempt < 3 && !listening_; ++attempt) {
            start(device, lineOptions); // a port taken meanwhile by another program: another
        }
    }
    Ser2netProcess(const Ser2netProcess&) = delete;
    Ser2netProcess& operator=(const Ser2netProcess&) = delete;
    ~Ser2netProcess() { kill(); }

    bool listening() const { return listening_; }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // What it wrote, for a failing test's message.
    std::string log() const { return readFile(dir_ / "ser2net.log"); }
    // Ends it at once, as a crash or a power cut would, its connections closed by the kernel.
    void kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    void start(const std::string& device, const std::string& lineOptions) {
        port_ = freePort();
        const std::string yaml = "connection: &printer\n"
                                 "  accepter: telnet(rfc2217),tcp,127.0.0.1," +
                                 std::to_string(port_) + "\n  connector: serialdev," + device +
                                 "," + lineOptions + "\n";
        const std::string config = dir_.write("ser2net.yaml", yaml).string();
        const std::string log = (dir_ / "ser2net.log").string();
        const std::string pidFile = (dir_ / "ser2net.pid").string();
        // -u: no UUCP lock file, which a killed server would leave behind.
        std::vector<std::string> args{kProgram, "-n", "-d", "-u", "-c", config, "-P", pidFile};
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                         O_WRONLY | O_CREAT | O_APPEND, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        if (posix_spawn(&pid_, kProgram, &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        listening_ = pid_ > 0 && waitUntilListening(std::chrono::seconds(5));
        if (!listening_) {
            kill();
        }
    }

    // A loopback port nobody listens on now.
    static int freePort() {
        const workspace::UniqueFd probe(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof at;
        auto* address = reinterpret_cast<sockaddr*>(&at);
        if (::bind(probe.get(), address, length) != 0 ||
            ::getsockname(probe.get(), address, &length) != 0) {
            return 0;
        }
        return ntohs(at.sin_port);
    }

    // Looks at the kernel's table of sockets, rather than connecting, which would make the
    // server open the terminal; while the server runs, at most limit.
    bool waitUntilListening(std::chrono::milliseconds limit) const {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (listens()) {
                return true;
            }
            if (::waitpid(pid_, nullptr, WNOHANG) != 0) {
                return false; // it ended: the port may be taken
            }
            // The kernel has no event for a socket starting to listen: look again shortly.
            ::poll(nullptr, 0, 5);
        }
        return false;
    }

    bool listens() const {
        std::ifstream table("/proc/net/tcp");
        std::string line;
        std::getline(table, line); // the column names
        std::ostringstream local;
        local << "0100007F:" << std::uppercase << std::hex << std::setw(4) << std::setfill('0')
              << port_;
        while (std::getline(table, line)) {
            std::istringstream fields(line);
            std::string slot, address, remote, state;
            fields >> slot >> address >> remote >> state;
            if (address == local.str() && state == "0A") {
                return true;
            }
        }
        return false;
    }

    TempDir dir_;
    pid_t pid_ = -1;
    int port_ = 0;
    bool listening_ = false;
};

} // namespace tessaro::test
