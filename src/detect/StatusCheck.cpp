// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/StatusCheck.h"

#include "protocol/CommandTable.h"

namespace tessaro::detect {

using protocol::kCancel;
using protocol::kStatusRequest;

bool statusTwice(link::Transport& printer, link::tempo& timing) {
    printer.write(kStatusRequest);
    timing.Delay(100);
    if (printer.waiting() != 1) {
        return false;
    }
    printer.write(kCancel);
    printer.discardInput();
    timing.Delay(100);
    printer.write(kStatusRequest);
    timing.Delay(100);
    if (printer.waiting() != 1) {
        return false;
    }
    printer.takeWaiting();
    return true;
}

} // namespace tessaro::detect
