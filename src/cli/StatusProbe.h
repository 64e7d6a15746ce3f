// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What "tessaro-cli status" does, as an object a station keeps on a port it watches: the
// status request, its answer awaited 500 ms, the status text and its faults. The port's
// devices are found at the first request; after one that found the port absent, again once
// the device directories have changed (an adapter plugged in since). Reading the system's
// port lists costs far more than a request: a port that stays absent is not read again and
// again.

#include "cli/FeedbackOutput.h"
#include "cli/PrinterCommand.h"
#include "cli/PrinterSession.h"
#include "cli/UnitRun.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::cli {

class StatusProbe {
  public:
    // The texts go to output (the status text on its stdout unless options.json); stop,
    // when given, ends the link's delays at once once raised; resolve finds the port's
    // devices.
    explicit StatusProbe(const PrinterOptions& options, FeedbackOutput output = terminalOutput(),
                         const link::Cancellation* stop = nullptr,
                         PortResolver resolve = resolvePort);

    // One request; the record is the caller's to print.
    UnitResult ask();

    // Whether a printer answered, with or without a fault; a port absent or unusable has
    // none.
    static bool answered(const UnitResult& result);

  private:
    const PrinterOptions& options_;
    FeedbackOutput output_;
    const link::Cancellation* stop_;
    PortResolver resolve_;
    std::optional<ResolvedPort> port_;
    bool absent_ = false;
    std::vector<std::int64_t> foundWith_; // the device directories when port_ was found
};

} // namespace tessaro::cli
