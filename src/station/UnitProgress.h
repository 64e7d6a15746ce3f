// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A unit's steps as a station's display shows them, read from what the unit shows in its
// status panels: the detection starts as the session is made (with speed auto, each speed
// tried is a step of it), the second panel names the printer found, and the transmission
// writes the command it sends to the fourth.

#include "station/PrinterSession.h"
#include "station/StationEvent.h"

#include <functional>
#include <string>

namespace tessaro::station {

using StepReport = std::function<void(UnitStepKind kind, message::Message text)>;
// What the unit says on its error stream once its session is made, as the value it was
// worded from.
using SaidReport = std::function<void(const message::Message& said)>;

// A session maker that makes its sessions with inner and reports each unit's steps and what
// it says.
SessionMaker reportingSteps(SessionMaker inner, StepReport report, SaidReport said);

} // namespace tessaro::station
