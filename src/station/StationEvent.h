// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a station's worker tells the station, as values: the state of its port, a diagnostic
// of its unit, a unit's result, each text as a message value. A worker's last event is Finished.

#include "station/UnitRun.h"

#include <cstddef>
#include <string>
#include <variant>

namespace tessaro::station {

enum class PortState {
    WaitingForPrinter,     // the first printer
    Provisioning,          //
    WaitingForLeave,       // the printer just served
    WaitingForNextPrinter, //
    Finished,              // the worker is through
};

struct PortStateChanged {
    std::size_t port = 0; // the index of the port in the station's list
    PortState state = PortState::WaitingForPrinter;
};

struct PortDiagnostic {
    std::size_t port = 0;
    message::Message said;
};

struct UnitEnded {
    std::size_t port = 0;
    UnitResult result;
    // The unit ended without a record of its own (it failed in a way it could not record):
    // the station appends this one to the audit log.
    bool lost = false;
};

// How far a unit has gone, finer than Provisioning: detecting (with speed auto, the speed
// tried), the printer found (its identity), a command being sent (the text that names it).
enum class UnitStepKind { Detecting, Found, Sending };

struct UnitStep {
    std::size_t port = 0;
    UnitStepKind kind = UnitStepKind::Detecting;
    message::Message text;
};

using StationEvent = std::variant<PortStateChanged, PortDiagnostic, UnitEnded, UnitStep>;

} // namespace tessaro::station
