// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a unit's feedback asks of the console it runs at, beyond the two streams it writes to:
// an answer to a question, and whether its error stream takes a line rewritten in place (the
// automatic search's step line) and how wide. The command line's console is its terminal
// (cli/TerminalConsole.h); a station's units have none: their questions are answered by
// their plan, and their progress is no line of its own.

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tessaro::station {

class UnitConsole {
  public:
    virtual ~UnitConsole() = default;
    // Whether a question can be answered here at all.
    virtual bool canAnswer() const = 0;
    // The line the user typed, or none when there is none to be had (end of input).
    virtual std::optional<std::string> answer() = 0;
    // Whether the error stream takes cursor codes, so that a line can be rewritten.
    virtual bool rewritesLines() const = 0;
    // Where it does: writes line over the one the cursor is on, from its start.
    virtual void drawLine(std::ostream& err, std::string_view line) const = 0;
    // Clears the line the cursor is on, for a line of text to take its place.
    virtual void clearLine(std::ostream& err) const = 0;
    // How many characters a line may hold without wrapping; 0 when it is not known.
    virtual std::size_t lineWidth() const = 0;
};

} // namespace tessaro::station
