// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer on a pseudo-terminal: a program opens the slave device as it would open a
// serial port. The printer hears the program's bytes only while the speed the program set
// on the terminal is the printer's own, and writes its replies back through the master.

#include "link/Clock.h"
#include "sim/PrinterModel.h"
#include "workspace/UniqueFd.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tessaro::sim {

class PtyPrinter {
  public:
    using Log = std::function<void(std::string)>;
    // Reply bytes go out at most one chunk per pause, so an endless reply costs no CPU to
    // speak of (about 12 KB/s, a fast serial line).
    static constexpr std::size_t kChunk = 64;
    static constexpr int kPauseMs = 5;

    // Opens the pseudo-terminal in raw mode at the printer's speed; linkPath, when given,
    // becomes a symbolic link to the slave (replacing an older link, never another file).
    // Throws std::runtime_error naming what failed and why.
    PtyPrinter(PrinterModel& printer, link::Clock& clock, std::filesystem::path linkPath = {},
               Log log = {});
    ~PtyPrinter();
    PtyPrinter(const PtyPrinter&) = delete;
    PtyPrinter& operator=(const PtyPrinter&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    // The speed the program set on the terminal, in bit/s.
    int terminalBaud() const;
    // The speed the printer hears the line at: the terminal's, or its own as a USB printer.
    int lineBaud() const;

    // One round: waits up to timeoutMs for bytes from the program (less while a reply is
    // due), feeds what arrived to the printer and writes the reply bytes that are ready.
    // A printer with a busy hold reads nothing for that long after each read: the program's
    // bytes wait in the line, as they would before a busy printer.
    // Throws std::runtime_error when the pseudo-terminal fails.
    void pollOnce(int timeoutMs);
    // Rounds until stop is set; each round waits at most roundMs.
    void run(const std::atomic<bool>& stop, int roundMs = 50);

  private:
    void openTerminal();
    void makeLink();
    int waitMs(int timeoutMs);
    void readProgram();
    void writeReplies();
    void log(std::string line) const;

    PrinterModel& printer_;
    link::Clock& clock_;
    std::filesystem::path linkPath_;
    Log log_;
    workspace::UniqueFd master_;
    workspace::UniqueFd
        slave_; // kept open: the master never hangs up, and the speed stays readable
    std::string slavePath_;
    std::string unsent_; // taken from the printer, not yet accepted by the terminal
    std::optional<link::Micros> nextChunkAt_;
    std::optional<link::Micros> busyUntil_; // reads nothing before then (--busy-hold)
};

} // namespace tessaro::sim
