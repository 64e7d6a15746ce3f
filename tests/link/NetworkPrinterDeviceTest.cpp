// SPDX-License-Identifier: GPL-3.0-or-later
// Connecting to a network printer: one deadline for the name lookup and every address, and a
// cancel from another thread that ends the connect at once.

#include "link/NetworkPrinterDevice.h"

#include "link/Cancellation.h"
#include "link/NameResolver.h"
#include "support/FullBacklogListener.h"
#include "support/HangingResolver.h"
#include "workspace/UniqueFd.h"

#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <thread>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

// Answers every name with the same outcome, at once.
class FixedResolver final : public NameResolver {
  public:
    explicit FixedResolver(ResolvedName answer) : answer_(std::move(answer)) {}
    ResolvedName resolve(const std::string&, int) const override { return answer_; }

  private:
    ResolvedName answer_;
};

ResolvedName addresses(std::initializer_list<SocketAddress> list) {
    return {list, {}, false};
}

SocketAddress loopback(const test::FullBacklogListener& listener) {
    return SocketAddress::of(listener.address(), listener.length());
}

class NetworkPrinterDeviceTest : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_TRUE(hanging->releaseAll()); }

    // Opens the device and says how long that took.
    static std::chrono::duration<double> timedOpen(NetworkPrinterDevice& device,
                                                   std::string& result) {
        const auto start = Steady::now();
        result = device.open();
        return Steady::now() - start;
    }

    std::shared_ptr<test::HangingResolver> hanging = std::make_shared<test::HangingResolver>();
    SteadyClock clock;
};

// With 3 s per address, three addresses that never answer would take 9 s.
TEST_F(NetworkPrinterDeviceTest, AConnectNobodyAnswersTimesOutOnceForAllAddresses) {
    test::FullBacklogListener silent;
    const SocketAddress where = loopback(silent);
    NetworkPrinterDevice device(clock,
                                std::make_shared<FixedResolver>(addresses({where, where, where})));
    device.setAddress("printer.test");
    std::string result;
    const auto took = timedOpen(device, result);
    EXPECT_EQ(result, "printer.test:9100: no answer within 3 s");
    EXPECT_EQ(device.problem(), PortProblem::Unusable);
    EXPECT_FALSE(device.portOpen());
    EXPECT_GE(took, 2.5s);
    EXPECT_LT(took, 5s);
}

TEST_F(NetworkPrinterDeviceTest, ACancelEndsAWaitingConnectAtOnceAndLeavesNothingOpen) {
    test::FullBacklogListener silent;
    NetworkPrinterDevice device(clock, hanging); // an address in numbers asks no resolver
    device.setAddress("127.0.0.1:" + std::to_string(silent.port()));
    Cancellation stop;
    device.setCancellation(&stop);
    bool sawConnectWaiting = false;
    std::thread stopper([&] {
        sawConnectWaiting = silent.waitForOthersWaiting(1, 2s);
        stop.cancel();
    });
    std::string result;
    const auto took = timedOpen(device, result);
    stopper.join();
    EXPECT_TRUE(sawConnectWaiting);
    EXPECT_EQ(result, "127.0.0.1:" + std::to_string(silent.port()) + ": stopped");
    EXPECT_EQ(device.problem(), PortProblem::Unusable);
    EXPECT_LT(took, 1s);
    EXPECT_EQ(silent.othersWaiting(), 0); // its socket is gone
    EXPECT_EQ(hanging->calls(), 0);
}

// A silent name server holds getaddrinfo for 10 s or more.
TEST_F(NetworkPrinterDeviceTest, ANameLookupThatHangsGivesUpAtTheDeadline) {
    NetworkPrinterDevice device(clock, hanging);
    device.setAddress("printer.test:9100");
    std::string result;
    const auto took = timedOpen(device, result);
    EXPECT_EQ(result, "printer.test:9100: no answer within 3 s");
    EXPECT_EQ(device.problem(), PortProblem::Unusable);
    EXPECT_EQ(hanging->calls(), 1);
    EXPECT_GE(took, 2.5s);
    EXPECT_LT(took, 5s);
}

TEST_F(NetworkPrinterDeviceTest, ACancelEndsAHangingNameLookupAtOnceAndLaterConnectsStartNothing) {
    NetworkPrinterDevice device(clock, hanging);
    device.setAddress("printer.test");
    Cancellation stop;
    device.setCancellation(&stop);
    std::thread stopper([&] {
        hanging->waitForCalls(1);
        stop.cancel();
    });
    std::string result;
    const auto took = timedOpen(device, result);
    stopper.join();
    EXPECT_EQ(result, "printer.test:9100: stopped");
    EXPECT_EQ(device.problem(), PortProblem::Unusable);
    EXPECT_LT(took, 1s);

    EXPECT_EQ(device.open(), "printer.test:9100: stopped");
    EXPECT_EQ(hanging->calls(), 1);
    device.setCancellation(nullptr);
    EXPECT_TRUE(hanging->releaseAll());
    EXPECT_EQ(device.open(), "printer.test:9100: released"); // the resolver's own reason
}

TEST_F(NetworkPrinterDeviceTest, AnUnknownNameIsAbsentAndOtherLookupFailuresAreUnusable) {
    NetworkPrinterDevice unknown(clock, std::make_shared<FixedResolver>(
                                            ResolvedName{{}, "Name or service not known", true}));
    unknown.setAddress("nowhere.test");
    EXPECT_EQ(unknown.open(), "nowhere.test:9100: Name or service not known");
    EXPECT_EQ(unknown.problem(), PortProblem::Absent);

    NetworkPrinterDevice broken(
        clock, std::make_shared<FixedResolver>(ResolvedName{{}, "System error", false}));
    broken.setAddress("somewhere.test");
    EXPECT_EQ(broken.open(), "somewhere.test:9100: System error");
    EXPECT_EQ(broken.problem(), PortProblem::Unusable);
}

// A loopback socket bound to a port of its own: listening (a connect is made by the kernel
// alone, nothing is ever read) or not (a connect is refused). Its address lands in at.
workspace::UniqueFd loopbackSocket(sockaddr_in& at, bool listening) {
    at = {};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof at;
    workspace::UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    auto* address = reinterpret_cast<sockaddr*>(&at);
    if (!socket || ::bind(socket.get(), address, length) != 0 ||
        ::getsockname(socket.get(), address, &length) != 0 ||
        (listening && ::listen(socket.get(), 4) != 0)) {
        return {};
    }
    return socket;
}

TEST_F(NetworkPrinterDeviceTest, AddressesAreTriedInTurnUntilOneConnects) {
    sockaddr_in refused{};
    sockaddr_in accepted{};
    const workspace::UniqueFd refusing = loopbackSocket(refused, false);
    const workspace::UniqueFd listening = loopbackSocket(accepted, true);
    ASSERT_TRUE(refusing && listening);
    const socklen_t length = sizeof refused;
    NetworkPrinterDevice device(
        clock, std::make_shared<FixedResolver>(addresses(
                   {SocketAddress::of(reinterpret_cast<const sockaddr&>(refused), length),
                    SocketAddress::of(reinterpret_cast<const sockaddr&>(accepted), length)})));
    device.setAddress("printer.test");
    EXPECT_EQ(device.open(), "");
    EXPECT_TRUE(device.portOpen());
    device.close();

    NetworkPrinterDevice byNumber(clock, hanging);
    byNumber.setAddress("127.0.0.1:" + std::to_string(ntohs(accepted.sin_port)));
    EXPECT_EQ(byNumber.open(), "");
    EXPECT_EQ(hanging->calls(), 0);
}

} // namespace
} // namespace tessaro::link
