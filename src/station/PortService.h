// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one port of a station does, run as the operation of a worker of its own
// (worker/Worker.h): it makes and owns its link objects and clocks on that thread (a status
// probe kept while the port waits, a printer session per unit) and posts what happens to the
// station's mailbox as values. A unit is what "tessaro-cli send
// FILE --yes --json" does. With repeat, the worker then asks the status every poll interval
// until the printer leaves (stops answering, at the speed it was found at and at the one its
// profile left it at, or its port goes) and the next one answers.
// Two cancellations steer it: the station's finishing (no unit starts any more, the waits end)
// and its worker's stop (the unit under way ends at its next step).

#include "station/PrinterOptions.h"
#include "station/StationEvent.h"
#include "station/StationMailbox.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::station {

class LineForwarder;
class PortFinder;
class StatusProbe;

class PortService {
  public:
    struct Plan {
        std::size_t index = 0; // of the port in the station's list
        PrinterOptions unit;   // the units' send, with the port
        bool repeat = false;
        std::chrono::milliseconds pollInterval{500};
    };

    PortService(Plan plan, const link::Cancellation& finishing, PortFinder& ports,
                StationMailbox& mailbox);

    // Serves the port until the station finishes (one unit without repeat), then raises the
    // port's flag in the mailbox, whatever way it ended. stopping ends the unit under way.
    void serve(const link::Cancellation& stopping) noexcept;

  private:
    void serveUnits();
    bool await(const std::vector<StatusProbe*>& probes, bool present);
    bool awaitLeave(const std::vector<std::string>& speeds, LineForwarder& nowhere);
    std::vector<std::string> provision();
    void show(PortState state);
    void say(const message::Message& said);

    Plan plan_;
    const link::Cancellation& finishing_;
    const link::Cancellation* stopping_ = nullptr; // the worker's, while it serves
    PortFinder& ports_;
    StationMailbox& mailbox_;
};

} // namespace tessaro::station
