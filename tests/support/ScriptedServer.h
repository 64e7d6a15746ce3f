// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A server of the test's own on a loopback port, on a thread of its own: it accepts one
// connection and plays a script, each step waiting until the client has sent its cue and then
// sending its answer. After the last step it keeps the connection open until the client
// closes it, or closes it at once. Every wait ends when the server goes.

#include "support/LoopbackSocket.h"
#include "workspace/UniqueFd.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tessaro::test {

class ScriptedServer {
  public:
    struct Step {
        std::string cue;    // what the client must have sent since the last step ("": nothing)
        std::string answer; // then sent to it
    };
    enum class End { Hold, Close };

    explicit ScriptedServer(std::vector<Step> steps, End end = End::Hold)
        : steps_(std::move(steps)), end_(end) {
        sockaddr_in at{};
        listener_ = loopbackSocket(at, 1);
        if (!listener_ || !stop_) {
            throw std::runtime_error("no loopback listener");
        }
        port_ = ntohs(at.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;
    ~ScriptedServer() {
        const std::uint64_t one = 1;
        (void)!::write(stop_.get(), &one, sizeof one);
        thread_.join();
    }

    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    // Waits, at most limit, until count steps have been played (their answers sent; on
    // loopback they are then waiting to be read).
    bool waitForSteps(std::size_t count, std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, limit, [&] { return played_ >= count; });
    }

  private:
    // Waits for events on fd unless the server is told to go first (or 10 s pass).
    bool waitFor(int fd, short events) const {
        pollfd watched[2] = {{fd, events, 0}, {stop_.get(), POLLIN, 0}};
        return ::poll(watched, 2, 10'000) > 0 && watched[1].revents == 0 && watched[0].revents != 0;
    }

    bool sendAll(int fd, std::string_view bytes) const {
        while (!bytes.empty()) {
            if (!waitFor(fd, POLLOUT)) {
                return false;
            }
            const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

    // Reads what the client sends; false once it closed or the server goes.
    bool hear(int fd, std::string& heard) const {
        char buffer[4096];
        if (!waitFor(fd, POLLIN)) {
            return false;
        }
        const ssize_t count = ::recv(fd, buffer, sizeof buffer, 0);
        if (count <= 0) {
            return false;
        }
        heard.append(buffer, static_cast<std::size_t>(count));
        return true;
    }

    void serve() {
        if (!waitFor(listener_.get(), POLLIN)) {
            return;
        }
        const workspace::UniqueFd client(
            ::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        std::string heard;
        for (const Step& step : steps_) {
            std::size_t at = std::string::npos;
            while ((at = heard.find(step.cue)) == std::string::npos) {
                if (!hear(client.get(), heard)) {
                    return;
                }
            }
            heard.erase(0, at + step.cue.size());
            if (!sendAll(client.get(), step.answer)) {
                return;
            }
            {
                const std::lock_guard lock(mutex_);
                ++played_;
            }
            changed_.notify_all();
        }
        while (end_ == End::Hold && hear(client.get(), heard)) {
            heard.clear();
        }
    }

    std::vector<Step> steps_;
    End end_;
    workspace::UniqueFd listener_;
    workspace::UniqueFd stop_{::eventfd(0, EFD_CLOEXEC)};
    int port_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t played_ = 0;
    std::thread thread_;
};

} // namespace tessaro::test
