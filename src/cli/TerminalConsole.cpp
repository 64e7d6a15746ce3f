// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TerminalConsole.h"

#include "cli/TerminalCodes.h"

#include <iostream>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tessaro::cli {

bool TerminalConsole::canAnswer() const {
    return ::isatty(STDIN_FILENO) != 0;
}

std::optional<std::string> TerminalConsole::answer() {
    std::string line;
    if (!canAnswer() || !std::getline(std::cin, line)) {
        return std::nullopt;
    }
    return line;
}

bool TerminalConsole::rewritesLines() const {
    return takesCursorCodes(STDERR_FILENO);
}

// From the start of the line, clearing what a longer text left after it.
void TerminalConsole::drawLine(std::ostream& err, std::string_view line) const {
    err << "\r" << line << "\x1b[K" << std::flush;
}

void TerminalConsole::clearLine(std::ostream& err) const {
    err << "\r\x1b[K";
}

std::size_t TerminalConsole::lineWidth() const {
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

station::FeedbackOutput terminalOutput() {
    // The console holds nothing: one serves every command of the run.
    static TerminalConsole terminal;
    return {std::cout, std::cerr, &terminal};
}

} // namespace tessaro::cli
