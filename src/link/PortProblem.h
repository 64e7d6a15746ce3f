// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a port could not be used: what a caller needs to tell "fix the setup" (the port is
// not there, another program holds it, the user may not open it, it went away) from "check
// the printer" (the port opened and nothing answered).

#include <cerrno>

namespace tessaro::link {

enum class PortProblem {
    None,       // the port opened (or was not tried)
    Absent,     // no such port or device
    InUse,      // another program holds it
    Permission, // the user may not open it
    Lost,       // it stopped working while open (an adapter unplugged)
    Unusable,   // any other reason it would not open
};

// The problem an open(2) or connect(2) error number stands for.
constexpr PortProblem problemOfErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortProblem::Absent;
    case EBUSY:
        return PortProblem::InUse;
    case EACCES:
    case EPERM:
        return PortProblem::Permission;
    default:
        return PortProblem::Unusable;
    }
}

} // namespace tessaro::link
