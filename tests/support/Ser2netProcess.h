// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Debian's ser2net serving one terminal with telnet and the com-port option on a free
// loopback port: started in the foreground with a configuration of its own (never the
// system's), its output kept, ready once the port listens; killed and reaped when the test is
// done with it.

#include "support/LoopbackSocket.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <chrono>
#include <fstream>
#include <iomanip>
#include <memory>
#include <poll.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace tessaro::test {

class Ser2netProcess {
  public:
    static constexpr const char* kProgram = "/usr/sbin/ser2net";

    static bool installed() { return ::access(kProgram, X_OK) == 0; }

    // Serves device, its line at 9600 bit/s until a client sets it; listening() says whether
    // it came up.
    explicit Ser2netProcess(const std::string& device) {
        for (int attempt = 0; attempt < 3 && !listening_; ++attempt) {
            start(device); // a port taken meanwhile by another program: another
        }
    }

    bool listening() const { return listening_; }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // What it wrote, for a failing test's message.
    std::string log() { return process_ ? process_->output() : lastLog_; }
    // Ends it at once, as a crash or a power cut would, its connections closed by the kernel.
    void kill() { process_.reset(); }

  private:
    void start(const std::string& device) {
        port_ = freePort();
        const std::string yaml = "connection: &printer\n"
                                 "  accepter: telnet(rfc2217),tcp,127.0.0.1," +
                                 std::to_string(port_) + "\n  connector: serialdev," + device +
                                 ",9600n81,local\n";
        const std::string config = dir_.write("ser2net.yaml", yaml).string();
        // -u: no UUCP lock file, which a killed server would leave behind.
        process_ = std::make_unique<SimProcess>(
            std::vector<std::string>{"-n", "-d", "-u", "-c", config, "-P",
                                     (dir_ / "ser2net.pid").string()},
            kProgram, SimProcess::Streams::OutputAndErrors);
        listening_ = process_->running() && waitUntilListening(std::chrono::seconds(5));
        if (!listening_) {
            lastLog_ = process_->output();
            kill();
        }
    }

    // A loopback port nobody listens on now.
    static int freePort() {
        sockaddr_in at{};
        return loopbackSocket(at) ? ntohs(at.sin_port) : 0;
    }

    // Looks at the kernel's table of sockets, rather than connecting, which would make the
    // server open the terminal; while the server runs, at most limit.
    bool waitUntilListening(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (listens()) {
                return true;
            }
            if (process_->exitStatus(std::chrono::milliseconds(0))) {
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
    std::unique_ptr<SimProcess> process_;
    std::string lastLog_;
    int port_ = 0;
    bool listening_ = false;
};

} // namespace tessaro::test
