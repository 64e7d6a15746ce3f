// SPDX-License-Identifier: GPL-3.0-or-later
// An automatic search and a full transmission against the virtual printer on a
// pseudo-terminal, then the same transmission to the printer as a USB printer (its
// pseudo-terminal standing in for /dev/usb/lpN) and as a network printer on TCP loopback,
// on the real clock. For each: the time spent beyond the waits the exchange is made of, and
// the bytes' time on a real serial wire at 9600 bit/s.
// Targets: transmission overhead under 5 ms on every link; the search within 3 % of its waits.

#include "BenchSupport.h"
#include "detect/Autodetect.h"
#include "link/Ieee1284PortIO.h"
#include "link/SerialDevice.h"
#include "protocol/Transmission.h"
#include "sim/PtyPrinter.h"
#include "sim/TcpPrinter.h"
#include "sim/VirtualParallelPort.h"

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using namespace tessaro;
using Steady = std::chrono::steady_clock;

// The real clock, adding up the waits it is asked for.
class CountingClock final : public link::Clock {
  public:
    link::Micros now() override { return real_.now(); }
    void wait(int ms) override {
        waited_ += ms;
        real_.wait(ms);
    }
    int waited() const { return waited_; }
    void reset() { waited_ = 0; }

  private:
    link::SteadyClock real_;
    int waited_ = 0;
};

void report(const char* what, Steady::duration took, int waited, double wireMs) {
    const double total = std::chrono::duration<double, std::milli>(took).count();
    std::printf("%-22s total %8.1f ms  waits %6d ms  overhead %7.2f ms (%5.2f %%)  "
                "wire at 9600 bit/s %6.1f ms\n",
                what, total, waited, total - waited, 100.0 * (total - waited) / waited, wireMs);
}

double wireMs(std::size_t bytes) {
    return bytes * 10.0 * 1000.0 / 9600.0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    link::SteadyClock printerClock;
    sim::PrinterModel printer({}, printerClock);
    sim::PtyPrinter pty(printer, printerClock);
    sim::PrinterConfig usbConfig;
    usbConfig.usb = true;
    sim::PrinterModel usbPrinter(usbConfig, printerClock);
    sim::PtyPrinter usbPty(usbPrinter, printerClock);
    sim::PrinterModel networkPrinter({}, printerClock);
    sim::TcpPrinter tcp(networkPrinter, printerClock, "127.0.0.1:0");
    std::atomic<bool> stop{false};
    std::thread printerThread([&] {
        while (!stop) {
            pty.pollOnce(1);
            usbPty.pollOnce(1);
            tcp.pollOnce(1);
        }
    });

    const std::string device = pty.slavePath();
    const std::string usbDevice = usbPty.slavePath();
    link::PortMap ports({}, {},
                        [device, usbDevice](const std::string& name) -> std::optional<std::string> {
                            return name == "TESSARO_COM1"   ? std::optional<std::string>(device)
                                   : name == "TESSARO_USB1" ? std::optional<std::string>(usbDevice)
                                                            : std::optional<std::string>("");
                        });
    CountingClock clock;
    bench::QuietFeedback feedback;
    link::SerialDevice serial(ports, clock);
    link::Ieee1284PortIO noParallel(ports);
    link::ParallelWinIO parallel(noParallel, clock, feedback);
    link::tempo timing(clock);
    link::Session session;
    link::LinkSettings& settings = session.link;
    link::SubCom link(session, serial, parallel, timing, feedback, ports);
    link::PrinterFacts facts;
    detect::Detection detection(link, noParallel, facts, feedback);

    auto start = Steady::now();
    detect::Autodetect(detection).Autodetect_Click();
    report("automatic search", Steady::now() - start, clock.waited(), wireMs(3 * 6 + 20));

    workspace::Workspace ws;
    ws.startUp();
    protocol::Transmission transmission(ws, link, facts, feedback);
    clock.reset();
    start = Steady::now();
    const bool stored = transmission.SendParameters(true);
    report(stored ? "transmission, serial" : "serial FAILED", Steady::now() - start, clock.waited(),
           wireMs(80 + 3));

    // The same printer facts, on the other links.
    for (const auto& [kind, name] : {std::pair{link::LinkKind::Usb, "transmission, USB"},
                                     std::pair{link::LinkKind::Network, "transmission, TCP"}}) {
        settings.Port = kind == link::LinkKind::Network ? link::PortRef::network(tcp.address())
                                                        : link::PortRef::numbered(kind, 1);
        clock.reset();
        start = Steady::now();
        const bool sent = transmission.SendParameters(true);
        report(sent ? name : "FAILED", Steady::now() - start, clock.waited(), wireMs(80 + 3));
    }

    stop = true;
    printerThread.join();
    return 0;
}
