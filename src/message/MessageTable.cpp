// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/MessageTable.h"

#include <QtGlobal>

namespace tessaro::message {

MessageText textOf(MessageId id) {
    switch (id) {
    case MessageId::Said:
        return {"said", "%1"};
    case MessageId::Shown:
        return {"text", "%1"};
    case MessageId::NoPrinterFound:
        return {"no_printer", QT_TRANSLATE_NOOP("Message", "No printer found")};
    case MessageId::NoPrinterOn:
        return {"no_printer_on_port", QT_TRANSLATE_NOOP("Message", "No printer found on %1")};
    case MessageId::NoPrinterOnAtSpeed:
        return {"no_printer_at_speed",
                QT_TRANSLATE_NOOP("Message", "No printer found on %1 at %2 bauds")};
    case MessageId::NoPrinterAtAnySpeed:
        return {"no_printer_at_any_speed",
                QT_TRANSLATE_NOOP("Message", "No printer found on %1 at any speed")};
    case MessageId::PrinterFoundOn:
        return {"printer_found", QT_TRANSLATE_NOOP("Message", "%1 found on %2")};
    case MessageId::PrinterFoundOnAtSpeed:
        return {"printer_found_at_speed",
                QT_TRANSLATE_NOOP("Message", "%1 found on %2 at %3 bauds")};
    case MessageId::PowerFiveVolts:
        return {"power_5v", QT_TRANSLATE_NOOP("Message", "Power: 5V")};
    case MessageId::PowerTwentyFourVolts:
        return {"power_24v", QT_TRANSLATE_NOOP("Message", "Power: 24V")};
    }
    return {"said", "%1"};
}

} // namespace tessaro::message
