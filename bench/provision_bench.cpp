// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-cli provision against virtual printers on pseudo-terminals: one printer, then four
// at once, each run three times, on the real clock. Prints the median time of each and their
// ratio. Target: four printers at once take at most 1.25 times as long as one.

#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using tessaro::test::SimProcess;
using Steady = std::chrono::steady_clock;

constexpr int kRuns = 3;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// The median wall time of provisioning the profile on the ports, in ms; -1 when a run failed.
double provisionMs(const std::string& profile, const std::vector<std::string>& ports) {
    std::string command = quoted(TESSARO_CLI_PATH) + " provision " + quoted(profile) + " --yes";
    for (const std::string& port : ports) {
        command += " --port " + quoted(port);
    }
    command += " >/dev/null";
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Steady::now();
        if (std::system(command.c_str()) != 0) {
            return -1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(Steady::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    std::vector<std::unique_ptr<SimProcess>> printers;
    std::vector<std::string> ports;
    for (int i = 0; i < 4; ++i) {
        printers.push_back(
            std::make_unique<SimProcess>(std::vector<std::string>{"--time-limit", "120"}));
        ports.push_back(printers.back()->device());
        if (ports.back().empty()) {
            std::fprintf(stderr, "the virtual printer did not start\n");
            return 1;
        }
    }
    tessaro::test::TempDir dir;
    const std::string profile =
        dir.write("job.pcf",
                  "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\nSliderPFSspeed=80\r\n"
                  "[Text and general commands]\r\nCharset=2\r\n")
            .string();

    const double one = provisionMs(profile, {ports[0]});
    const double four = provisionMs(profile, ports);
    if (one <= 0 || four <= 0) {
        std::fprintf(stderr, "a provisioning run failed\n");
        return 1;
    }
    std::printf("provision, median of %d runs:\n", kRuns);
    std::printf("  1 printer:          %7.1f ms\n", one);
    std::printf("  4 printers at once: %7.1f ms\n", four);
    std::printf("  ratio:              %7.2f (target <= 1.25)\n", four / one);
    return 0;
}
