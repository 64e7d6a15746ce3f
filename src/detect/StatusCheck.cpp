// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/StatusCheck.h"

#include "protocol/CommandTable.h"

namespace tessaro::detect {
namespace {

using protocol::kCancel;
using protocol::kStatusRequest;

// After the answer began, long enough for a second byte to show itself even at 1200 bit/s:
// a line that goes on sending is no printer.
constexpr int kSecondByteMs = 20;

// Asks the status and says whether exactly one byte came.
bool oneByteAnswer(link::Transport& printer, link::tempo& timing, StatusWait wait) {
    printer.write(kStatusRequest);
    if (!wait.untilAnswer) {
        timing.Delay(wait.ms);
    } else if (printer.waitForInput(wait.ms)) {
        timing.Delay(kSecondByteMs);
    }
    return printer.waiting() == 1;
}

} // namespace

bool statusTwice(link::Transport& printer, link::tempo& timing, StatusWait wait) {
    if (!oneByteAnswer(printer, timing, wait)) {
        return false;
    }
    printer.write(kCancel);
    printer.discardInput();
    timing.Delay(100);
    if (!oneByteAnswer(printer, timing, wait)) {
        return false;
    }
    printer.takeWaiting();
    return true;
}

} // namespace tessaro::detect
