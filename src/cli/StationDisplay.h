// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a provisioning station shows while it runs: lasting lines, the results on stdout and
// the diagnostics on stderr; and when stderr is a terminal that takes cursor codes
// (cli/TerminalCodes.h), a live line per port below them on it, rewritten as the port's state
// changes (a lasting line is printed above it). Elsewhere, a change of state can be a plain
// line on stdout instead.

#include "link/PortRef.h"

#include <iostream>
#include <string>
#include <vector>

namespace tessaro::cli {

class StationDisplay {
  public:
    // live: the live lines on stderr; plainStates: else each change of state a line.
    StationDisplay(bool live, bool plainStates, const std::vector<link::PortRef>& ports);

    // The state of port i ("sending", "waiting for the next printer").
    void setState(std::size_t port, const std::string& state);
    // A lasting line: a result on stdout, a diagnostic on stderr.
    void result(const std::string& line) { print(std::cout, line); }
    void diagnostic(const std::string& line) { print(std::cerr, line); }
    // Leaves the live lines as they are last shown.
    void finish();

  private:
    void print(std::ostream& out, const std::string& line);
    std::string shownLine(std::size_t port) const;
    void eraseBlock();
    void drawBlock();

    bool live_;
    bool plainStates_;
    std::vector<std::string> ports_;
    std::vector<std::string> states_;
    std::size_t nameWidth_ = 0;
    bool drawn_ = false;
};

} // namespace tessaro::cli
