// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-cli detect --speed auto against virtual printers on pseudo-terminals, on the real
// clock. Prints:
// - the time it takes on a port where nothing answers (target: at most twice the 0.92 s the
//   search took with fixed 100 ms pauses);
// - for printers that answer late (0 to 240 ms), whether --speed auto finds them and
//   whether detection at the printer's fixed speed does, and how long each took.

#include "support/SimProcess.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using tessaro::test::SimProcess;
using Steady = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Run {
    bool found = false;
    double seconds = 0;
};

Run detect(const std::vector<std::string>& args) {
    const auto start = Steady::now();
    SimProcess cli(args, TESSARO_CLI_PATH, SimProcess::Streams::OutputAndErrors);
    const std::optional<int> status = cli.exitStatus(30s);
    const std::chrono::duration<double> took = Steady::now() - start;
    return {status == 0, took.count()};
}

} // namespace

int main() {
    {
        SimProcess silent({"--silent", "--time-limit", "60"});
        const std::string device = silent.device();
        double total = 0;
        constexpr int kRuns = 3;
        for (int i = 0; i < kRuns; ++i) {
            total += detect({"detect", "--port", device, "--speed", "auto"}).seconds;
        }
        std::printf("silent port, --speed auto: %.3f s (mean of %d; target <= 1.84 s)\n",
                    total / kRuns, kRuns);
    }
    for (const int delay : {0, 100, 150, 175, 200, 240}) {
        SimProcess printer(
            {"--speed", "19200", "--reply-delay", std::to_string(delay), "--time-limit", "60"});
        const std::string device = printer.device();
        const Run any = detect({"detect", "--port", device, "--speed", "auto"});
        const Run fixed = detect({"detect", "--port", device, "--speed", "19200"});
        std::printf("reply %3d ms late: --speed auto %-9s %.3f s   --speed 19200 %-9s %.3f s\n",
                    delay, any.found ? "found" : "not found", any.seconds,
                    fixed.found ? "found" : "not found", fixed.seconds);
    }
    return 0;
}
