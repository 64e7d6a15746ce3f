// SPDX-License-Identifier: GPL-3.0-or-later
// The link's waits and the parallel driver's cost, measured:
// - how far Delay(10), Delay(100) and Delay(500) overshoot on a worker's clock (one that a
//   cancellation can end)
//   (target: median under 2 ms);
// - the CPU time used while waiting 1 s in Delay, and in a ReceiveString that gets no reply
//   (target: under 5 % of one core);
// - port accesses per byte written and per byte read on the parallel driver.

#include "BenchSupport.h"
#include "link/Cancellation.h"
#include "link/Clock.h"
#include "link/ParallelWinIO.h"
#include "link/PortMap.h"
#include "link/SerialDevice.h"
#include "link/SubCom.h"
#include "link/VirtualClock.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualParallelPort.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tessaro;
using Steady = std::chrono::steady_clock;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void delayOvershoot(link::tempo& timing) {
    for (const int ms : {10, 100, 500}) {
        std::vector<double> over;
        for (int run = 0; run < (ms == 500 ? 6 : 20); ++run) {
            const auto start = Steady::now();
            timing.Delay(ms);
            const std::chrono::duration<double, std::milli> took = Steady::now() - start;
            over.push_back(took.count() - ms);
        }
        std::sort(over.begin(), over.end());
        std::printf("Delay(%3d)  overshoot median %6.3f ms  max %6.3f ms  (%zu runs)\n", ms,
                    over[over.size() / 2], over.back(), over.size());
    }
}

template <typename Wait> void cpuWhile(const char* what, Wait wait) {
    const double cpu = cpuSeconds();
    const auto start = Steady::now();
    wait();
    const std::chrono::duration<double> real = Steady::now() - start;
    std::printf("%-44s %6.2f %% of one core over %.2f s\n", what,
                100.0 * (cpuSeconds() - cpu) / real.count(), real.count());
}

// A serial port with nothing on the other end: the master side of a pseudo-terminal.
struct SilentTerminal {
    SilentTerminal() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        device = ptsname(master);
    }
    ~SilentTerminal() { ::close(master); }
    int master = -1;
    std::string device;
};

void parallelAccesses() {
    link::VirtualClock clock;
    sim::PrinterModel printer({}, clock);
    sim::VirtualParallelPort port(printer, clock);
    bench::QuietFeedback feedback;
    link::ParallelWinIO lpt(port, clock, feedback);
    lpt.InitDll();
    lpt.OpenLPT(1);
    const std::string data(1000, 'x');
    auto before = port.reads() + port.writes();
    lpt.CompatibilityWrite(data);
    std::printf("parallel write: %.2f port accesses per byte (1000 bytes)\n",
                double(port.reads() + port.writes() - before) / double(data.size()));
    lpt.CompatibilityWrite("\x1BI");
    std::uint8_t b = 1;
    std::size_t bytes = 0;
    before = port.reads() + port.writes();
    while (b != 0 && lpt.ByteModeRead(b)) {
        ++bytes;
    }
    std::printf("parallel read:  %.2f port accesses per byte (%zu bytes)\n",
                double(port.reads() + port.writes() - before) / double(bytes), bytes);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const link::Cancellation never;
    link::SteadyClock clock(&never);
    link::tempo timing(clock);
    delayOvershoot(timing);
    cpuWhile("CPU while waiting 1 s in Delay", [&] { timing.Delay(1000); });

    SilentTerminal terminal;
    const std::string device = terminal.device;
    link::PortMap ports({}, {}, [device](const std::string& name) -> std::optional<std::string> {
        return name == "TESSARO_COM1" ? std::optional<std::string>(device) : std::nullopt;
    });
    link::SerialDevice serial(ports, clock);
    bench::QuietFeedback feedback;
    link::VirtualClock unused;
    sim::PrinterModel nobody({}, unused);
    sim::VirtualParallelPort noPort(nobody, unused);
    link::ParallelWinIO lpt(noPort, clock, feedback);
    link::Session session{{link::PortRef::numbered(link::LinkKind::Serial, 1), true, "9600", 2},
                          {}};
    link::SubCom link(session, serial, lpt, timing, feedback, ports);
    link.OpenPort(session.link.Port, "9600", 2);
    cpuWhile("CPU while ReceiveString gets no reply (5 s)", [&] { link.ReceiveString(); });
    link.ClosePort();

    parallelAccesses();
    return 0;
}
