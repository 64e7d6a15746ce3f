// SPDX-License-Identifier: GPL-3.0-or-later
// Connecting to a network printer: one deadline for the name lookup and every address, and a
// cancel from another thread that ends the connect at once.

#include "link/NetworkPrinterDevice.h"

#include "link/Cancellation.h"
#include "link/NameResolver.h"
#include "support/FullBacklogListener.h"
#include "support/HangingResolver.h"
#include "support/LoopbackSocket.h"
#include "support/Said.h"
#include "workspace/UniqueFd.h"

#include <chrono>
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

// Answers with what the test set last, as a name server whose records change.
class ChangingResolver final : public NameResolver {
  public:
    void answer(std::vector<SocketAddress> list) {
        const std::lock_guard lock(mutex_);
        answer_ = std::move(list);
    }
    ResolvedName resolve(const std::string&, int) const override {
        const std::lock_guard lock(mutex_);
        return {answer_, {}, false};
    }

  private:
    mutable std::mutex mutex_;
    std::vector<SocketAddress> answer_;
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
        result = test::said(device.open());
        return Steady::now() - start;
    }

    std::shared_ptr<test::HangingResolver> hanging = std::make_shared<test::HangingResolver>();
    SteadyClock clock;
};

// With 3 s per address, three addresses that never answer would take 9 s; a silent name
// server holds getaddrinfo for 10 s or more.
TEST_F(NetworkPrinterDeviceTest, ALookupOrConnectsNobodyAnswersGiveUpOnceAtTheDeadline) {
    test::FullBacklogListener silent;
    const SocketAddress where = loopback(silent);
    const std::shared_ptr<const NameResolver> resolvers[] = {
        std::make_shared<FixedResolver>(addresses({where, where, where})), hanging};
    for (const auto& resolver : resolvers) {
        NetworkPrinterDevice device(clock, resolver);
        device.setAddress("printer.test");
        std::string result;
        const auto took = timedOpen(device, result);
        EXPECT_EQ(result, "printer.test:9100: no answer within 3 s");
        EXPECT_EQ(device.problem(), PortProblem::Unusable);
        EXPECT_FALSE(device.portOpen());
        EXPECT_GE(took, 2.5s);
        EXPECT_LT(took, 5s);
    }
    EXPECT_EQ(hanging->calls(), 1);
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

    EXPECT_EQ(test::said(device.open()), "printer.test:9100: stopped");
    EXPECT_EQ(hanging->calls(), 1);
    device.setCancellation(nullptr);
    EXPECT_TRUE(hanging->releaseAll());
    EXPECT_EQ(test::said(device.open()),
              "printer.test:9100: released"); // the resolver's own reason
}

TEST_F(NetworkPrinterDeviceTest, AnUnknownNameIsAbsentAndOtherLookupFailuresAreUnusable) {
    NetworkPrinterDevice unknown(
        clock, std::make_shared<FixedResolver>(
                   ResolvedName{{}, message::Message::shown("Name or service not known"), true}));
    unknown.setAddress("nowhere.test");
    EXPECT_EQ(test::said(unknown.open()), "nowhere.test:9100: Name or service not known");
    EXPECT_EQ(unknown.problem(), PortProblem::Absent);

    NetworkPrinterDevice broken(clock, std::make_shared<FixedResolver>(ResolvedName{
                                           {}, message::Message::shown("System error"), false}));
    broken.setAddress("somewhere.test");
    EXPECT_EQ(test::said(broken.open()), "somewhere.test:9100: System error");
    EXPECT_EQ(broken.problem(), PortProblem::Unusable);
}

TEST_F(NetworkPrinterDeviceTest, AddressesAreTriedInTurnUntilOneConnects) {
    sockaddr_in refused{};
    sockaddr_in accepted{};
    // Bound and not listening: a connect is refused; listening: the kernel alone makes the
    // connection, nothing is ever read.
    const workspace::UniqueFd refusing = test::loopbackSocket(refused);
    const workspace::UniqueFd listening = test::loopbackSocket(accepted, 4);
    ASSERT_TRUE(refusing && listening);
    const socklen_t length = sizeof refused;
    NetworkPrinterDevice device(
        clock, std::make_shared<FixedResolver>(addresses(
                   {SocketAddress::of(reinterpret_cast<const sockaddr&>(refused), length),
                    SocketAddress::of(reinterpret_cast<const sockaddr&>(accepted), length)})));
    device.setAddress("printer.test");
    EXPECT_EQ(test::said(device.open()), "");
    EXPECT_TRUE(device.portOpen());
    device.close();

    NetworkPrinterDevice byNumber(clock, hanging);
    byNumber.setAddress("127.0.0.1:" + std::to_string(ntohs(accepted.sin_port)));
    EXPECT_EQ(test::said(byNumber.open()), "");
    EXPECT_EQ(hanging->calls(), 0);
}

// Within one operation every connection reaches the address the first reached: a name whose
// answer changed leads nowhere else, and the settings reach the printer that was detected.
TEST_F(NetworkPrinterDeviceTest, AnOperationStaysAtTheAddressItFirstReached) {
    sockaddr_in first{};
    sockaddr_in second{};
    const workspace::UniqueFd one = test::loopbackSocket(first, 4);
    const workspace::UniqueFd other = test::loopbackSocket(second, 4);
    ASSERT_TRUE(one && other);
    const auto a = SocketAddress::of(reinterpret_cast<const sockaddr&>(first), sizeof first);
    const auto b = SocketAddress::of(reinterpret_cast<const sockaddr&>(second), sizeof second);
    const auto names = std::make_shared<ChangingResolver>();
    NetworkPrinterDevice device(clock, names);
    device.setAddress("printer.test");

    names->answer({a, b});
    EXPECT_EQ(test::said(device.open()), ""); // the detection reaches a
    device.close();
    names->answer({b, a}); // round robin: b first now
    EXPECT_EQ(test::said(device.open()), "");
    device.close();
    EXPECT_EQ(device.problem(), PortProblem::None);

    names->answer({b}); // the name moved on
    const std::string moved = test::said(device.open());
    EXPECT_EQ(moved, "printer.test:9100: the name now leads to another address (" + b.text() +
                         ", not " + a.text() +
                         ") than the printer was found at; detect the printer again");
    EXPECT_FALSE(device.portOpen());
    EXPECT_EQ(device.problem(), PortProblem::Lost);

    device.startOperation(); // a new detection may go where the name leads
    EXPECT_EQ(test::said(device.open()), "");
    device.close();
    EXPECT_EQ(b.text(), "127.0.0.1:" + std::to_string(ntohs(second.sin_port)));
}

} // namespace
} // namespace tessaro::link
