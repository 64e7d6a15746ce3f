// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/TcpPrinter.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaro::sim {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

sockaddr_in parseListenAddress(const std::string& text) {
    const auto colon = text.rfind(':');
    const std::string host = colon == std::string::npos ? "127.0.0.1" : text.substr(0, colon);
    const std::string port = colon == std::string::npos ? text : text.substr(colon + 1);
    int number = -1;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    if (port.empty() || error != std::errc{} || end != port.data() + port.size() || number < 0 ||
        number > 65535 || ::inet_pton(AF_INET, host.c_str(), &where.sin_addr) != 1) {
        throw std::runtime_error("--tcp " + text + ": not [HOST:]PORT with an IPv4 host");
    }
    where.sin_port = htons(static_cast<std::uint16_t>(number));
    return where;
}

} // namespace

TcpPrinter::TcpPrinter(PrinterModel& printer, link::Clock& clock, const std::string& address,
                       Log log)
    : printer_(printer), clock_(clock), log_(std::move(log)) {
    sockaddr_in where = parseListenAddress(address);
    listener_.reset(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener_) {
        fail("socket");
    }
    const int on = 1;
    ::setsockopt(listener_.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0 ||
        ::listen(listener_.get(), 4) != 0) {
        fail(address);
    }
    socklen_t length = sizeof where;
    ::getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&where), &length);
    std::array<char, INET_ADDRSTRLEN> host{};
    ::inet_ntop(AF_INET, &where.sin_addr, host.data(), host.size());
    address_ = std::string(host.data()) + ":" + std::to_string(ntohs(where.sin_port));
}

void TcpPrinter::pollOnce(int timeoutMs) {
    const bool connected = static_cast<bool>(client_);
    pollfd watch{connected ? client_.get() : listener_.get(),
                 static_cast<short>(POLLIN | (unsent_.empty() ? 0 : POLLOUT)), 0};
    int waitMs = std::max(0, timeoutMs);
    if (connected && printer_.replyReady() > 0) {
        waitMs = 0;
    } else if (const auto next = printer_.nextReplyAt(); connected && next) {
        const auto micros = (*next - clock_.now()).count();
        waitMs = std::min(waitMs, static_cast<int>(std::max<long long>(0, (micros + 999) / 1000)));
    }
    const int count = ::poll(&watch, 1, waitMs);
    if (count < 0 && errno != EINTR) {
        fail("poll");
    }
    if (count > 0 && !connected) {
        accept();
        return;
    }
    if (count > 0 && (watch.revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
        readClient();
    }
    if (client_) {
        writeReplies();
    }
}

void TcpPrinter::accept() {
    client_.reset(::accept4(listener_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (client_) {
        printer_.dropReplies(); // not the new host's
        unsent_.clear();
        heard_ = 0;
        log("(connection opened)");
    }
}

void TcpPrinter::readClient() {
    std::array<char, 4096> buffer{};
    const ssize_t count = ::recv(client_.get(), buffer.data(), buffer.size(), 0);
    if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
        hangUp(count == 0 ? "closed by the host" : std::strerror(errno));
        return;
    }
    if (count > 0) {
        printer_.receiveAtSpeed(std::string_view(buffer.data(), static_cast<std::size_t>(count)),
                                printer_.baud());
        heard_ += static_cast<std::size_t>(count);
        const std::size_t limit = printer_.config().hangUpAfter;
        if (limit > 0 && heard_ >= limit) {
            hangUp("closed by the printer after " + std::to_string(heard_) + " bytes");
        }
    }
}

void TcpPrinter::writeReplies() {
    if (unsent_.empty()) {
        unsent_ = printer_.takeReplyAt(kChunk, printer_.baud());
    }
    if (unsent_.empty()) {
        return;
    }
    const ssize_t sent =
        ::send(client_.get(), unsent_.data(), unsent_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && errno != EAGAIN && errno != EINTR) {
        hangUp(std::strerror(errno));
        return;
    }
    unsent_.erase(0, static_cast<std::size_t>(std::max<ssize_t>(0, sent)));
}

void TcpPrinter::hangUp(const std::string& why) {
    client_.reset();
    printer_.dropReplies();
    unsent_.clear();
    log("(connection " + why + ")");
}

void TcpPrinter::log(std::string line) const {
    if (log_) {
        log_(std::move(line));
    }
}

} // namespace tessaro::sim
