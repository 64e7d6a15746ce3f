// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps the printer commands share: the link options set on the session, the detection
// on the chosen port with its report, and an operation on the printer found (send, recover).

#include "protocol/PrinterCommands.h"
#include "station/PrinterOptions.h"
#include "station/PrinterSession.h"
#include "station/UnitRun.h"
#include "workspace/Workspace.h"

#include <functional>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::station {

// Detects on the chosen port at the speed and handshake the options give. The detect command
// prints its result line, then the printer's panels; the commands that go on
// (resultIsFailure) print a failure as their diagnostic.
Outcome detectAndReport(PrinterSession& session, const PrinterOptions& options, UnitRun& run,
                        bool resultIsFailure);

// Stores in the printer: true when it did.
using PrinterOperation = std::function<bool(protocol::PrinterCommands&)>;

// Detects on --port, then runs the operation with the printer's commands; the workspace
// starts as the window has it after start-up. stop, when given, ends the link's delays at
// once once raised and is looked at between the steps: a run stopped before its end ends as
// such (UnitRun::stopped). makeSession sets up the printer session.
UnitResult withPrinter(UnitRun& run, const PrinterOptions& options, workspace::Workspace& ws,
                       const PrinterOperation& operation, const link::Cancellation* stop = nullptr,
                       const SessionMaker& makeSession = newSession);

} // namespace tessaro::station
