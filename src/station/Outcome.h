// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a command ended: the word its JSON record carries and the exit status a script
// tests. One row per outcome; the exit statuses tell causes apart: 0 done, 1 the printer did
// not answer or did not store, 2 bad usage or a file, 3 the port, 4 a printer fault.

#include "link/PortProblem.h"

#include <string_view>

namespace tessaro::station {

enum class Outcome {
    Ok,
    NoAnswer,         // no printer answered on the port
    NotStored,        // the printer did not store the parameters
    Declined,         // the user did not confirm: nothing was sent
    BadUsage,         // the command line cannot be carried out
    FileError,        // a file that cannot be read, is no profile, or cannot be written
    OutputError,      // the output could not be written
    PortAbsent,       // no such port or device
    PortInUse,        // another program holds the port
    PermissionDenied, // the user may not open the port
    PortLost,         // the port went away under way
    PortUnusable,     // the port would not open for another reason
    PrinterFault,     // the printer answered with a fault in its status
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitPrinter = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitPort = 3;
inline constexpr int kExitFault = 4;

// "ok", "no_answer", "port_in_use"...
std::string_view resultWord(Outcome outcome);
int exitStatus(Outcome outcome);
// The outcome of a port that could not be used (None is taken as Unusable).
Outcome outcomeOf(link::PortProblem problem);

} // namespace tessaro::station
