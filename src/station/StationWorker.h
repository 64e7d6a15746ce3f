// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One port of a station, on a thread of its own (worker/Worker.h). The thread makes and owns
// its link objects and clocks (a status probe kept while the port waits, a printer session per
// unit) and posts what happens to the station's mailbox as values. A unit is what "tessaro-cli send
// FILE --yes --json" does. With repeat, the worker then asks the status every poll interval
// until the printer leaves (stops answering, at the speed it was found at and at the one its
// profile left it at, or its port goes) and the next one answers.
// Two cancellations steer it: finishing (no unit starts any more, the waits end) and
// stopping (the unit under way ends at its next step).

#include "station/PrinterOptions.h"
#include "station/StationEvent.h"
#include "station/StationMailbox.h"
#include "worker/Worker.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::station {

class LineForwarder;
class PortFinder;
class StatusProbe;

class StationWorker {
  public:
    struct Plan {
        std::size_t index = 0; // of the port in the station's list
        PrinterOptions unit;   // the units' send, with the port
        bool repeat = false;
        std::chrono::milliseconds pollInterval{500};
    };

    StationWorker(Plan plan, const link::Cancellation& finishing,
                  const link::Cancellation& stopping, PortFinder& ports, StationMailbox& mailbox);
    StationWorker(const StationWorker&) = delete;
    StationWorker& operator=(const StationWorker&) = delete;
    // Waits for the thread.
    ~StationWorker();

    // Starts the thread; std::system_error when there can be none.
    void start();

  private:
    void run() noexcept;
    void serve();
    bool await(const std::vector<StatusProbe*>& probes, bool present);
    bool awaitLeave(const std::vector<std::string>& speeds, LineForwarder& nowhere);
    std::vector<std::string> provision();
    void show(PortState state);
    void say(const message::Message& said);

    Plan plan_;
    const link::Cancellation& finishing_;
    const link::Cancellation& stopping_;
    PortFinder& ports_;
    StationMailbox& mailbox_;
    std::unique_ptr<worker::Worker> thread_; // last: joined before what run() uses goes
};

} // namespace tessaro::station
