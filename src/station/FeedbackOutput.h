// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a printer command writes: its result lines (stdout) and its diagnostics (stderr).
// The command line's own commands write to the terminal; a station's unit writes to streams
// that hand each line to the station, which alone prints.

#include <iostream>
#include <ostream>

namespace tessaro::station {

struct FeedbackOutput {
    std::ostream& out;
    std::ostream& err;
};

inline FeedbackOutput terminalOutput() {
    return {std::cout, std::cerr};
}

} // namespace tessaro::station
