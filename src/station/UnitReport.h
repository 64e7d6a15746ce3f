// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one printer operation came to, for its JSON record and the audit log: the port and
// link, the printer as detection described it, its status byte, the result, the message,
// the commands sent and how long it took.

#include "link/Transport.h"
#include "station/Outcome.h"

#include <QJsonObject>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::station {

class PrinterSession;

struct UnitReport {
    std::string port;                 // as given: "COM1", "/dev/ttyUSB0", "tcp://printer:9100"
    std::optional<std::string> label; // the run's: an order, a batch, an operator
    std::string device;               // the device or address it stands for
    std::optional<link::LinkKind> link;
    std::optional<int> speed;            // a serial link's speed, as the printer answered
    std::optional<int> speedAfter;       // the speed a speed command left the printer at
    std::optional<int> handshake;        // a serial link's: 1 XON/XOFF, 2 hardware
    std::optional<std::string> identity; // when a printer answered
    std::optional<bool> chipset5V;       // when a printer was described
    std::optional<int> supplyVolts;      //
    std::optional<std::uint8_t> statusByte;
    Outcome outcome = Outcome::Ok;
    std::string message;                  // the program's own text for the result
    std::string messageId;                // the word of the message it was worded from; "" for none
    std::optional<message::Message> said; // that message; none for the command line's own
    std::vector<std::string> sent;
    std::vector<std::string> warnings;
    std::string logError; // "<log>: <reason>" when the audit log did not take the record
    std::int64_t durationMs = 0;
};

// Takes the link and the printer from a session after its detection.
void describeSession(UnitReport& report, PrinterSession& session);

// Takes the link's speed after an operation: speedAfter when a speed command moved it.
void describeSpeedAfter(UnitReport& report, PrinterSession& session);

// The record; keys absent from the report are null, so every record has every key.
QJsonObject toJson(const UnitReport& report);

} // namespace tessaro::station
