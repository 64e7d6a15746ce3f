// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the desktop program: --help, --version and a profile to open. It is read
// before the application object exists, so help and version work without a display.

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

namespace tessaro::app {

struct CommandLine {
    std::optional<int> exitCode; // set when the program is done: help, version or bad usage
    QString profile;             // the FILE to load once the window is open; empty for none
};

// The arguments as the program received them, the program's own name first.
QStringList argumentList(int argc, char* argv[]);

// Reads the arguments; prints help and version on out, a usage error with a hint on err.
CommandLine parseCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace tessaro::app
