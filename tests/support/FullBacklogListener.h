// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A loopback listener that accepts nothing and whose backlog is full: the kernel drops the
// SYN of every further connect, so such a connect waits for an answer that never comes (it
// would retry for about two minutes). The connects still waiting are seen in /proc/net/tcp.

#include "support/LoopbackSocket.h"
#include "workspace/UniqueFd.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <vector>

namespace tessaro::test {

class FullBacklogListener {
  public:
    static constexpr int kFillers = 3;

    FullBacklogListener() {
        // A backlog of 0 holds one connection; the fillers after it stay unanswered.
        listener_ = loopbackSocket(address_, 0);
        if (!listener_) {
            throw std::runtime_error("no loopback listener");
        }
        for (int i = 0; i < kFillers; ++i) {
            fillers_.emplace_back(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
            const int filler = fillers_.back().get();
            ::connect(filler, reinterpret_cast<const sockaddr*>(&address_), sizeof address_);
            sockaddr_in from{};
            socklen_t fromLength = sizeof from;
            ::getsockname(filler, reinterpret_cast<sockaddr*>(&from), &fromLength);
            fillerPorts_.push_back(ntohs(from.sin_port));
        }
    }

    int port() const { return ntohs(address_.sin_port); }
    const sockaddr& address() const { return reinterpret_cast<const sockaddr&>(address_); }
    socklen_t length() const { return sizeof address_; }

    // Connects to this listener other than its own fillers that still wait for an answer
    // (state SYN_SENT).
    int othersWaiting() const {
        std::ifstream table("/proc/net/tcp");
        std::string line;
        std::getline(table, line); // the column names
        int count = 0;
        while (std::getline(table, line)) {
            std::istringstream fields(line);
            std::string slot, local, remote, state;
            fields >> slot >> local >> remote >> state;
            if (state == "02" && portOf(remote) == port() &&
                std::find(fillerPorts_.begin(), fillerPorts_.end(), portOf(local)) ==
                    fillerPorts_.end()) {
                ++count;
            }
        }
        return count;
    }

    // Waits, at most bound, until count other connects wait for their answer.
    bool waitForOthersWaiting(int count, std::chrono::milliseconds bound) const {
        const auto end = std::chrono::steady_clock::now() + bound;
        while (othersWaiting() != count) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            // The kernel has no event for a connect sending its SYN: look again shortly.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

  private:
    // "0100007F:8A5D": the port after the colon, in hexadecimal.
    static int portOf(const std::string& address) {
        const auto colon = address.find(':');
        return colon == std::string::npos ? -1 : std::stoi(address.substr(colon + 1), nullptr, 16);
    }

    workspace::UniqueFd listener_;
    sockaddr_in address_{};
    std::vector<workspace::UniqueFd> fillers_;
    std::vector<int> fillerPorts_;
};

} // namespace tessaro::test
