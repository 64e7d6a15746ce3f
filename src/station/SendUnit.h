// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What "tessaro-cli send FILE" does, as a function: the audit log opened, the profile loaded,
// the printer detected and its status looked at, the profile sent and the saving reply read,
// the record appended. A station runs it for every unit.

#include "station/FeedbackOutput.h"
#include "station/PrinterOptions.h"
#include "station/PrinterSession.h"
#include "station/UnitRun.h"

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::station {

// The texts go to output; the record is the caller's to print. stop, when given, ends the
// link's delays at once once raised, and the unit at its next step ("The unit was stopped
// before its end"), unless the printer had stored the profile. makeSession sets up the
// printer session.
UnitResult sendUnit(const PrinterOptions& options, FeedbackOutput output,
                    const link::Cancellation* stop = nullptr,
                    const SessionMaker& makeSession = newSession);

} // namespace tessaro::station
