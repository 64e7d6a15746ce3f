// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-cli provision as a station, against pseudo-terminals and virtual printers, on the
// real clock. Prints:
// - the station's CPU time while N ports wait for a printer (N = 1, 8, 32 silent
//   pseudo-terminals, and 8 device paths that are not there), once each has been asked, as
//   % of one core per waiting port (target <= 0.2 %);
// - the time from a printer's first status answer to its unit's first command
//   (target <= 600 ms);
// - the time to provision 16 printers at once against one (target ratio <= 1.25).

#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <poll.h>
#include <sstream>
#include <stdlib.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using tessaro::test::SimProcess;
using Steady = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kWaitWindow = 5s;
constexpr int kArrivals = 5;
constexpr int kRuns = 3;

const std::string kProfile =
    "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\nSliderPFSspeed=80\r\n"
    "[Text and general commands]\r\nCharset=2\r\n";

// A pseudo-terminal nobody answers on: a port where no printer is.
class SilentPort {
  public:
    SilentPort() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            path_ = ::ptsname(master_);
        }
    }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;
    ~SilentPort() {
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    const std::string& path() const { return path_; }

    // Waits until something is written to the port (a status request), at most limit.
    bool waitForRequest(std::chrono::milliseconds limit) const {
        pollfd watched{master_, POLLIN, 0};
        if (::poll(&watched, 1, static_cast<int>(limit.count())) <= 0) {
            return false;
        }
        char bytes[64];
        return ::read(master_, bytes, sizeof bytes) > 0;
    }

  private:
    int master_ = -1;
    std::string path_;
};

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string> stationArgs(const std::string& profile,
                                     const std::vector<std::string>& ports, bool repeat) {
    std::vector<std::string> args{"provision", profile, "--yes"};
    if (repeat) {
        args.push_back("--repeat");
    }
    for (const std::string& port : ports) {
        args.insert(args.end(), {"--port", port});
    }
    return args;
}

// The CPU time of the children the process has waited for (/proc/PID/stat's cutime and
// cstime, in clock ticks).
std::optional<std::chrono::nanoseconds> childrenCpuTime(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    std::getline(in, stat);
    const auto end = stat.rfind(')'); // the command may hold blanks
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(end + 2));
    std::string field;
    long long ticks = 0;
    // From the state (field 3) on: cutime and cstime are fields 16 and 17.
    for (int number = 3; number <= 17 && fields >> field; ++number) {
        if (number >= 16) {
            ticks += std::stoll(field);
        }
    }
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    return std::chrono::nanoseconds(ticks * 1'000'000'000LL / (perSecond > 0 ? perSecond : 100));
}

// The CPU time the process has used, all its threads together, and its children's.
std::optional<std::chrono::nanoseconds> cpuTime(pid_t pid) {
    clockid_t clock{};
    timespec used{};
    const auto children = childrenCpuTime(pid);
    if (::clock_getcpuclockid(pid, &clock) != 0 || ::clock_gettime(clock, &used) != 0 ||
        !children) {
        return std::nullopt;
    }
    return std::chrono::seconds(used.tv_sec) + std::chrono::nanoseconds(used.tv_nsec) + *children;
}

// % of one core per port while a station waits on the ports, once it has asked each once;
// -1 when it failed.
double waitingCpuPerPort(const std::string& profile, const std::vector<std::string>& ports,
                         const std::function<bool()>& askedEach) {
    SimProcess station(stationArgs(profile, ports, true), TESSARO_CLI_PATH,
                       SimProcess::Streams::OutputAndErrors);
    const auto waiting = [n = ports.size()](const std::string& out) {
        return occurrences(out, ": waiting for a printer") >= n;
    };
    if (!waiting(station.readUntil(waiting, 30s)) || !askedEach()) {
        return -1;
    }
    const auto before = cpuTime(station.pid());
    const auto start = Steady::now();
    std::this_thread::sleep_for(kWaitWindow); // what is measured is the waiting itself
    const auto after = cpuTime(station.pid());
    const auto elapsed = Steady::now() - start;
    station.signal(SIGINT);
    station.exitStatus(10s);
    if (!before || !after) {
        return -1;
    }
    return 100.0 * std::chrono::duration<double>(*after - *before).count() /
           std::chrono::duration<double>(elapsed).count() / static_cast<double>(ports.size());
}

// The same on n silent pseudo-terminals: a request read on each is its first.
double silentPortsCpu(const std::string& profile, int n) {
    std::vector<std::unique_ptr<SilentPort>> silent;
    std::vector<std::string> ports;
    for (int i = 0; i < n; ++i) {
        silent.push_back(std::make_unique<SilentPort>());
        ports.push_back(silent.back()->path());
    }
    return waitingCpuPerPort(profile, ports, [&silent] {
        return std::all_of(silent.begin(), silent.end(),
                           [](const auto& port) { return port->waitForRequest(10s); });
    });
}

// The same on n device paths that are not there (adapters unplugged); nothing shows their
// first request, which comes at once: a second is left for it.
double absentPortsCpu(const std::string& profile, const std::filesystem::path& directory, int n) {
    std::vector<std::string> ports;
    for (int i = 0; i < n; ++i) {
        ports.push_back((directory / ("absent" + std::to_string(i))).string());
    }
    return waitingCpuPerPort(profile, ports, [] {
        std::this_thread::sleep_for(1s);
        return true;
    });
}

// When each line of the process's output came, as read.
class TimedLines {
  public:
    explicit TimedLines(SimProcess& process) : process_(process) {}

    // The time the first line containing text (after those already seen) came.
    std::optional<Steady::time_point> waitFor(const std::string& text,
                                              std::chrono::milliseconds limit) {
        const auto deadline = Steady::now() + limit;
        while (Steady::now() < deadline) {
            for (; next_ < lines_.size(); ++next_) {
                if (lines_[next_].first.find(text) != std::string::npos) {
                    return lines_[next_++].second;
                }
            }
            const std::size_t had = output_.size();
            output_ = process_.readUntil(
                [had](const std::string& out) { return out.size() > had; },
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now()));
            const auto now = Steady::now();
            for (std::size_t end; (end = output_.find('\n', taken_)) != std::string::npos;
                 taken_ = end + 1) {
                lines_.emplace_back(output_.substr(taken_, end - taken_), now);
            }
        }
        return std::nullopt;
    }

  private:
    SimProcess& process_;
    std::string output_;
    std::size_t taken_ = 0;
    std::vector<std::pair<std::string, Steady::time_point>> lines_;
    std::size_t next_ = 0;
};

// The ms from a printer's first status answer to its unit's first command, for printers
// arriving one after another on a station's port; empty when a run failed.
std::vector<double> arrivalToUnitMs(const std::string& profile, const std::string& port) {
    std::vector<double> times;
    SimProcess station(stationArgs(profile, {port}, true), TESSARO_CLI_PATH,
                       SimProcess::Streams::OutputAndErrors);
    TimedLines states(station);
    if (!states.waitFor(port + ": waiting for a printer", 10s)) {
        return {};
    }
    for (int arrival = 0; arrival < kArrivals; ++arrival) {
        SimProcess printer({"--link", port, "--time-limit", "60"});
        if (printer.device().empty()) {
            return {};
        }
        TimedLines heard(printer);
        const auto answered = heard.waitFor("status request -> ", 10s);
        const auto unit = heard.waitFor("identity request", 10s);
        if (!answered || !unit || !heard.waitFor("save", 10s) ||
            !states.waitFor(port + ": waiting for the printer to leave", 10s)) {
            return {};
        }
        times.push_back(std::chrono::duration<double, std::milli>(*unit - *answered).count());
        printer.signal(SIGKILL);
        printer.exitStatus(5s);
        std::filesystem::remove(port);
        if (!states.waitFor(port + ": waiting for the next printer", 10s)) {
            return {};
        }
    }
    station.signal(SIGINT);
    station.exitStatus(10s);
    return times;
}

// The median wall time of provisioning on the ports, in ms; -1 when a run failed.
double provisionMs(const std::string& profile, const std::vector<std::string>& ports) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Steady::now();
        SimProcess station(stationArgs(profile, ports, false), TESSARO_CLI_PATH);
        if (station.exitStatus(60s) != 0) {
            return -1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(Steady::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    tessaro::test::TempDir dir;
    const std::string profile = dir.write("job.pcf", kProfile).string();

    std::printf("provision --repeat, CPU while waiting for printers (%lld s each, silent "
                "pseudo-terminals, after the first request):\n",
                static_cast<long long>(kWaitWindow.count()));
    for (const int n : {1, 8, 32}) {
        const double perPort = silentPortsCpu(profile, n);
        if (perPort < 0) {
            std::fprintf(stderr, "the station on %d ports did not wait\n", n);
            return 1;
        }
        std::printf("  %2d ports: %6.3f %% of a core per port (target <= 0.2 %%)\n", n, perPort);
    }
    const double absent = absentPortsCpu(profile, dir.path(), 8);
    if (absent < 0) {
        std::fprintf(stderr, "the station on absent ports did not wait\n");
        return 1;
    }
    std::printf("   8 absent ports: %6.3f %% of a core per port (target <= 0.2 %%)\n", absent);

    const std::vector<double> arrivals = arrivalToUnitMs(profile, (dir / "printer").string());
    if (arrivals.empty()) {
        std::fprintf(stderr, "a printer's arrival was not served\n");
        return 1;
    }
    const auto [fastest, slowest] = std::minmax_element(arrivals.begin(), arrivals.end());
    std::printf("first status answer to the unit's first command, %d printers: min %.1f ms, "
                "max %.1f ms (target <= 600 ms)\n",
                kArrivals, *fastest, *slowest);

    std::vector<std::unique_ptr<SimProcess>> printers;
    std::vector<std::string> ports;
    for (int i = 0; i < 16; ++i) {
        printers.push_back(
            std::make_unique<SimProcess>(std::vector<std::string>{"--time-limit", "300"}));
        ports.push_back(printers.back()->device());
        if (ports.back().empty()) {
            std::fprintf(stderr, "the virtual printer did not start\n");
            return 1;
        }
    }
    const double one = provisionMs(profile, {ports[0]});
    const double sixteen = provisionMs(profile, ports);
    if (one <= 0 || sixteen <= 0) {
        std::fprintf(stderr, "a provisioning run failed\n");
        return 1;
    }
    std::printf("provision, median of %d runs:\n", kRuns);
    std::printf("  1 printer:           %7.1f ms\n", one);
    std::printf("  16 printers at once: %7.1f ms\n", sixteen);
    std::printf("  ratio:               %7.2f (target <= 1.25)\n", sixteen / one);
    return 0;
}
