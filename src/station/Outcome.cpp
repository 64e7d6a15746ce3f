// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/Outcome.h"

#include <QtGlobal>
#include <array>

namespace tessaro::station {
namespace {

// The words are the JSON output's; the window says them in the user's language (context
// "Outcome").
struct OutcomeRow {
    Outcome outcome;
    std::string_view word;
    int exitStatus;
};

constexpr std::array kOutcomes{
    OutcomeRow{Outcome::Ok, QT_TRANSLATE_NOOP("Outcome", "ok"), kExitDone},
    OutcomeRow{Outcome::NoAnswer, QT_TRANSLATE_NOOP("Outcome", "no_answer"), kExitPrinter},
    OutcomeRow{Outcome::NotStored, QT_TRANSLATE_NOOP("Outcome", "not_stored"), kExitPrinter},
    OutcomeRow{Outcome::Declined, QT_TRANSLATE_NOOP("Outcome", "declined"), kExitPrinter},
    OutcomeRow{Outcome::BadUsage, QT_TRANSLATE_NOOP("Outcome", "bad_usage"), kExitUsage},
    OutcomeRow{Outcome::FileError, QT_TRANSLATE_NOOP("Outcome", "file_error"), kExitUsage},
    OutcomeRow{Outcome::OutputError, QT_TRANSLATE_NOOP("Outcome", "output_error"), kExitUsage},
    OutcomeRow{Outcome::PortAbsent, QT_TRANSLATE_NOOP("Outcome", "port_absent"), kExitPort},
    OutcomeRow{Outcome::PortInUse, QT_TRANSLATE_NOOP("Outcome", "port_in_use"), kExitPort},
    OutcomeRow{Outcome::PermissionDenied, QT_TRANSLATE_NOOP("Outcome", "permission_denied"),
               kExitPort},
    OutcomeRow{Outcome::PortLost, QT_TRANSLATE_NOOP("Outcome", "port_lost"), kExitPort},
    OutcomeRow{Outcome::PortUnusable, QT_TRANSLATE_NOOP("Outcome", "port_unusable"), kExitPort},
    OutcomeRow{Outcome::PrinterFault, QT_TRANSLATE_NOOP("Outcome", "printer_fault"), kExitFault},
};

constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < kOutcomes.size(); ++i) {
        if (static_cast<std::size_t>(kOutcomes[i].outcome) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "one row per outcome, in the enumeration's order");

const OutcomeRow& row(Outcome outcome) {
    return kOutcomes.at(static_cast<std::size_t>(outcome));
}

} // namespace

std::string_view resultWord(Outcome outcome) {
    return row(outcome).word;
}

int exitStatus(Outcome outcome) {
    return row(outcome).exitStatus;
}

Outcome outcomeOf(link::PortProblem problem) {
    switch (problem) {
    case link::PortProblem::Absent:
        return Outcome::PortAbsent;
    case link::PortProblem::InUse:
        return Outcome::PortInUse;
    case link::PortProblem::Permission:
        return Outcome::PermissionDenied;
    case link::PortProblem::Lost:
        return Outcome::PortLost;
    case link::PortProblem::None:
    case link::PortProblem::Unusable:
        break;
    }
    return Outcome::PortUnusable;
}

} // namespace tessaro::station
