// SPDX-License-Identifier: GPL-3.0-or-later
// The printer on a TCP socket, driven in this process: what it sends belongs to the
// connection it was asked on.

#include "sim/TcpPrinter.h"

#include "link/VirtualClock.h"
#include "workspace/UniqueFd.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace tessaro::sim {
namespace {

PrinterConfig endless() {
    PrinterConfig config;
    config.endless = true;
    return config;
}

class TcpPrinterTest : public ::testing::Test {
  protected:
    // A host connected to the printer, once the printer has taken the connection.
    workspace::UniqueFd connectHost() {
        const std::string& address = tcp.address();
        sockaddr_in where{};
        where.sin_family = AF_INET;
        where.sin_port =
            htons(static_cast<std::uint16_t>(std::stoi(address.substr(address.rfind(':') + 1))));
        where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        workspace::UniqueFd host(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        EXPECT_EQ(::connect(host.get(), reinterpret_cast<const sockaddr*>(&where), sizeof where),
                  0);
        const auto opened = [this] {
            return std::count(log.begin(), log.end(), "(connection opened)");
        };
        const auto before = opened();
        for (int round = 0; round < 100 && opened() == before; ++round) {
            tcp.pollOnce(100); // also notices the previous host hanging up
        }
        EXPECT_EQ(opened(), before + 1);
        return host;
    }

    // What reached the host after a few rounds of the printer.
    std::string received(const workspace::UniqueFd& host) {
        for (int round = 0; round < 8; ++round) {
            tcp.pollOnce(0);
        }
        std::string got;
        std::array<char, 4096> buffer{};
        ssize_t count = 0;
        while ((count = ::recv(host.get(), buffer.data(), buffer.size(), MSG_DONTWAIT)) > 0) {
            got.append(buffer.data(), static_cast<std::size_t>(count));
        }
        EXPECT_TRUE(count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) << "host hung up on";
        return got;
    }

    static void send(const workspace::UniqueFd& host, std::string_view bytes) {
        ASSERT_EQ(::send(host.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    }

    link::VirtualClock clock;
    PrinterModel printer{endless(), clock};
    std::vector<std::string> log;
    TcpPrinter tcp{printer, clock, "127.0.0.1:0",
                   [this](std::string line) { log.push_back(std::move(line)); }};
};

TEST_F(TcpPrinterTest, AnEndlessReplyEndsWithItsConnection) {
    {
        const workspace::UniqueFd first = connectHost();
        send(first, "\x1Bv");
        const std::string got = received(first);
        ASSERT_GE(got.size(), 2u);
        EXPECT_EQ(got[0], '\xA0');
        EXPECT_EQ(got.substr(1), std::string(got.size() - 1, ReplyQueue::kFiller));
    }
    const workspace::UniqueFd second = connectHost();
    EXPECT_EQ(received(second), "") << "nothing was asked on this connection";
    send(second, "\x1Bv");
    const std::string got = received(second);
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got[0], '\xA0') << "the answer comes first, then its filler";
    EXPECT_EQ(got[1], ReplyQueue::kFiller);
}

} // namespace
} // namespace tessaro::sim
