// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What "tessaro-cli status" does, as an object a station keeps on a port it watches: the
// status request, its answer awaited 500 ms, the status text and its faults, each request
// on a printer session of its own.

#include "station/FeedbackOutput.h"
#include "station/PrinterOptions.h"
#include "station/PrinterSession.h"
#include "station/UnitRun.h"

#include <optional>
#include <string>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::station {

class StatusProbe {
  public:
    // The texts go to output (the status text on its stdout unless options.json); stop,
    // when given, ends the link's delays at once once raised; makeSession sets up the
    // printer session.
    explicit StatusProbe(const PrinterOptions& options, FeedbackOutput output,
                         const link::Cancellation* stop = nullptr,
                         SessionMaker makeSession = newSession);

    // One request; the record is the caller's to print.
    UnitResult ask();

    // Whether a printer answered, with or without a fault; a port absent or unusable has
    // none.
    static bool answered(const UnitResult& result);

  private:
    std::optional<std::string> speedToAsk(PrinterSession& session, UnitRun& run);

    const PrinterOptions& options_;
    FeedbackOutput output_;
    const link::Cancellation* stop_;
    SessionMaker makeSession_;
};

} // namespace tessaro::station
