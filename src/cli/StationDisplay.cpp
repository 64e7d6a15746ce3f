// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StationDisplay.h"

#include "message/ShownText.h"

#include <algorithm>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tessaro::cli {
namespace {

// Columns of the terminal on stdout or stderr; a line longer would wrap and spoil the
// rewriting of the live lines.
std::size_t terminalColumns() {
    winsize size{};
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
            return size.ws_col;
        }
    }
    return 80;
}

} // namespace

StationDisplay::StationDisplay(bool live, bool plainStates, const std::vector<link::PortRef>& ports)
    : live_(live), plainStates_(plainStates && !live), states_(ports.size()) {
    for (const link::PortRef& port : ports) {
        ports_.push_back(message::oneLine(port.text()));
        nameWidth_ = std::max(nameWidth_, ports_.back().size());
    }
}

std::string StationDisplay::shownLine(std::size_t port) const {
    std::string line = ports_[port];
    line.resize(nameWidth_ + 2, ' ');
    line += states_[port];
    const std::size_t columns = terminalColumns();
    if (line.size() >= columns) {
        line.resize(columns > 1 ? columns - 1 : 0);
    }
    return line;
}

void StationDisplay::eraseBlock() {
    if (drawn_ && !ports_.empty()) {
        std::cerr << "\x1b[" << ports_.size() << "A\r\x1b[J";
    }
    drawn_ = false;
}

void StationDisplay::drawBlock() {
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        std::cerr << shownLine(i) << "\n";
    }
    std::cerr.flush();
    drawn_ = true;
}

void StationDisplay::setState(std::size_t port, const std::string& state) {
    const std::string shown = message::oneLine(state);
    if (port >= states_.size() || states_[port] == shown) {
        return;
    }
    states_[port] = shown;
    if (live_) {
        eraseBlock();
        drawBlock();
    } else if (plainStates_) {
        std::cout << ports_[port] << ": " << shown << std::endl;
    }
}

void StationDisplay::print(std::ostream& out, const std::string& line) {
    if (live_) {
        eraseBlock();
    }
    out << message::shownText(line) << std::endl;
    if (live_) {
        drawBlock();
    }
}

void StationDisplay::finish() {
    if (live_ && !drawn_) {
        drawBlock();
    }
    std::cerr.flush();
}

} // namespace tessaro::cli
