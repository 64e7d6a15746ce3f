// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a printer command writes: its result lines (stdout) and its diagnostics (stderr),
// and the console it may ask at. The command line's own commands write to the terminal
// (cli/TerminalConsole.h); a station's unit writes to streams that hand each line to the
// station, which alone prints, and has no console.

#include "station/UnitConsole.h"

#include <ostream>

namespace tessaro::station {

struct FeedbackOutput {
    std::ostream& out;
    std::ostream& err;
    UnitConsole* console = nullptr;
};

} // namespace tessaro::station
