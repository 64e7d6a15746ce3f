// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's console: questions are answered on standard input when it is a
// terminal; the error stream rewrites a line where it is a terminal that takes cursor codes
// (cli/TerminalCodes.h), as wide as the terminal is.

#include "station/FeedbackOutput.h"
#include "station/UnitConsole.h"

namespace tessaro::cli {

class TerminalConsole final : public station::UnitConsole {
  public:
    bool canAnswer() const override;
    std::optional<std::string> answer() override;
    bool rewritesLines() const override;
    void drawLine(std::ostream& err, std::string_view line) const override;
    void clearLine(std::ostream& err) const override;
    std::size_t lineWidth() const override;
};

// stdout and stderr, at the terminal: what the command line's printer commands write to.
station::FeedbackOutput terminalOutput();

} // namespace tessaro::cli
