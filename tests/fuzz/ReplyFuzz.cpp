// SPDX-License-Identifier: GPL-3.0-or-later
// What the printer answers, read by the program: the identity text, the status byte, the
// serial settings byte and the chipset byte, each alone; and a whole detection, serial and
// parallel, against a virtual printer whose identity, status, speed, handshake and faults come
// from the input.
//
// The first byte chooses (modulo 5):
//   0  identity text: the rest is the reply to ESC I
//   1  reply bytes: each following byte as a status, chipset and serial settings reply
//   2  speed text: the rest is the speed the serial settings byte is compared with
//   3  serial detection, 4  parallel detection: the rest describes the printer (see
//      printerFrom), its identity first.

#include "FuzzSupport.h"
#include "detect/Detection.h"
#include "detect/PortSelectionView.h"
#include "link/SubCom.h"
#include "message/ShownText.h"
#include "protocol/Identity.h"
#include "sim/PrinterConfig.h"
#include "sim/SerialSettings.h"
#include "support/ScriptedView.h"
#include "support/VirtualRig.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace tessaro;
using fuzz::fail;
using fuzz::require;
using fuzz::shown;

// The name as a person reads it off the reply: the first 16 bytes, up to a zero, without a
// character the cut splits and without the blanks around it.
std::string nameIn(std::string_view reply) {
    std::string name;
    for (std::size_t i = 0; i < reply.size() && reply[i] != '\0';) {
        const std::size_t length = std::max<std::size_t>(message::utf8Length(reply.substr(i)), 1);
        if (i + length > 16) {
            break; // a character cut in two is not read
        }
        name += reply.substr(i, length);
        i += length;
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    std::size_t lead = 0;
    while (lead < name.size() && name[lead] == ' ') {
        ++lead;
    }
    return name.substr(lead);
}

void identityText(std::string_view reply) {
    if (const std::string name = detect::printerName(reply); name != nameIn(reply)) {
        fail("printerName(\"" + shown(reply) + "\") = \"" + shown(name) + "\", not \"" +
             shown(nameIn(reply)) + "\"");
    }

    const std::string code = protocol::modelCode(reply);
    const std::size_t start = reply.starts_with("RZ ") ? 3 : 0;
    if (code != reply.substr(std::min(start, reply.size()), 3)) {
        fail("modelCode(\"" + shown(reply) + "\") = \"" + shown(code) + "\"");
    }
    const int volts = protocol::powerVoltsOf(reply);
    if (volts != 5 && volts != 24) {
        fail("powerVoltsOf(\"" + shown(reply) + "\") = " + std::to_string(volts));
    }
}

bool has(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

void replyBytes(std::string_view bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        const std::string text = protocol::statusText(b);
        std::size_t bars = 0;
        for (std::size_t at = text.find(" | "); at != std::string::npos;
             at = text.find(" | ", at + 1)) {
            ++bars;
        }
        const bool spelled = text.starts_with("  | ") && text.ends_with(" |  ") && bars == 9 &&
                             has(text, "Head Up") == ((b & 0x02) != 0) &&
                             has(text, "No Paper") == ((b & 0x04) != 0) &&
                             has(text, "Printing") == ((b & 0x10) != 0) &&
                             has(text, "Cutter OK") == ((b & 0x80) != 0);
        if (!spelled) {
            fail("status byte " + std::to_string(b) + " spelled out as \"" + shown(text) + "\"");
        }
        require(protocol::chipsetIs5V(b) == ((b & 0x40) != 0), "chipset reply misread");
        for (const std::string_view speed : detect::kSpeedList) {
            const bool xonXoff = (b & 0x80) == 0 && (b & 0x07) == detect::settingsSpeedCode(speed);
            if (detect::settingsSayXonXoff(b, speed) != xonXoff) {
                fail("serial settings byte " + std::to_string(b) + " misread at " +
                     std::string(speed));
            }
            require(!detect::settingsSayXonXoff(std::nullopt, speed),
                    "no serial settings byte read as XON/XOFF");
        }
    }
}

void speedText(std::string_view speed) {
    const int code = detect::settingsSpeedCode(speed);
    bool listed = false;
    for (const std::string_view s : detect::kSpeedList) {
        listed = listed || speed == s;
    }
    if (code < -1 || code > 7 || (code >= 0) != listed) {
        fail("settingsSpeedCode(\"" + shown(speed) + "\") = " + std::to_string(code));
    }
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        const bool xonXoff = code >= 0 && (b & 0x80) == 0 && (b & 0x07) == code;
        if (detect::settingsSayXonXoff(byte, speed) != xonXoff) {
            fail("serial settings byte " + std::to_string(b) + " misread at \"" + shown(speed) +
                 "\"");
        }
    }
}

struct Scenario {
    sim::PrinterConfig printer;
    int hostSpeed = 3; // index in the speed list
    int hostHandshake = 1;
};

// The printer's settings come from the end of the input, its identity is the rest.
Scenario printerFrom(FuzzedDataProvider& input, bool parallel) {
    Scenario s;
    s.printer.chipset5V = input.ConsumeBool();
    s.printer.status = input.ConsumeIntegral<std::uint8_t>();
    const auto baud = std::stoi(std::string(detect::kSpeedList.at(
        input.ConsumeIntegralInRange<std::size_t>(0, detect::kSpeedList.size() - 1))));
    s.printer.baud = sim::codeOfBaud(baud, s.printer.chipset5V) ? baud : 9600;
    s.printer.hardwareHandshake = input.ConsumeBool();
    s.printer.ir = input.ConsumeBool();
    // The parallel side polls the port every 100 us of virtual time while it waits, so each
    // wait for a byte that never comes costs its 5 s time-out in 50,000 port reads. There a
    // printer is never silent, garbage (which has no terminating zero) is followed by endless
    // filler so that the reply ends at its longest instead, and delays stay short.
    s.printer.silent = input.ConsumeBool() && !parallel;
    s.printer.garbage = input.ConsumeBool();
    s.printer.endless = input.ConsumeBool() || (parallel && s.printer.garbage);
    const int longest = parallel ? 40 : 400;
    s.printer.replyDelayMs = input.ConsumeBool() ? input.ConsumeIntegralInRange(0, longest) : 0;
    s.printer.saveReply = input.ConsumeIntegral<std::uint8_t>();
    s.hostSpeed =
        input.ConsumeIntegralInRange<int>(0, static_cast<int>(detect::kSpeedList.size()) - 1);
    s.hostHandshake = input.ConsumeIntegralInRange(0, 1);
    s.printer.identity = input.ConsumeRemainingBytesAsString();
    return s;
}

// Every wait of a detection is bounded; on the virtual clock that is easy to check.
void boundedWaits(test::VirtualRig& rig) {
    constexpr auto kLongest = std::chrono::seconds(60);
    if (rig.clock.now() > kLongest) {
        fail("a detection took " + std::to_string(rig.clock.now().count() / 1000) +
             " ms of the printer's time");
    }
}

void serialDetection(FuzzedDataProvider& input) {
    const Scenario s = printerFrom(input, false);
    const std::string speed(detect::kSpeedList.at(static_cast<std::size_t>(s.hostSpeed)));
    test::VirtualRig rig(s.printer);
    test::ScriptedView view(rig.feedback);
    view.com = 1;
    view.speedIndex = s.hostSpeed;
    view.handshake = s.hostHandshake;
    detect::Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    const bool found = view.detectSerial(detection);

    boundedWaits(rig);
    require(found == rig.facts.PrinterFound, "the detection's answer and the facts disagree");
    require(!rig.serial.portOpen(), "the port stays open after a detection");
    const std::string where = "COM 1 at " + speed + " bauds";
    if (!found) {
        require(view.resultText == "No printer found on " + where,
                "a failed detection says something else");
        require(rig.feedback.panels == std::vector<std::string>{"No Printer found"},
                "a failed detection leaves the status bar");
    } else {
        require(view.resultText.ends_with(" found on " + where),
                "a found printer is described otherwise");
        require(rig.feedback.panels.size() == 4, "a found printer fills not four panels");
        require(rig.facts.PowerVolts == 5 || rig.facts.PowerVolts == 24, "a supply not 5 or 24 V");
        require((view.handshake == 0) == (rig.settings.PortHandshake == 1),
                "the window and the link disagree on the handshake");
        require(view.closed, "the port selection stays open after a printer was found");
    }

    // A printer that answers plainly, at the speed the host chose, in time, is found and
    // described as it is.
    const bool plain = !s.printer.silent && !s.printer.garbage && !s.printer.endless &&
                       s.printer.replyDelayMs == 0 && std::stoi(speed) == s.printer.baud;
    if (!plain) {
        return;
    }
    const std::string reply = (s.printer.identity + '\0').substr(0, 100);
    // An identity that is no printable text is what a line held low or at the wrong speed gives.
    if (!protocol::isPrinterIdentity(reply)) {
        require(!found, "noise taken for a printer's identity");
        return;
    }
    if (!found) {
        fail("a plain printer \"" + shown(s.printer.identity) + "\" at " + speed +
             " bauds was not found");
    }
    if (view.resultText != nameIn(reply) + " found on " + where) {
        fail("printer \"" + shown(s.printer.identity) + "\" described as \"" +
             shown(view.resultText) + "\"");
    }
    require(rig.facts.Chipset5V == s.printer.chipset5V, "the chipset voltage is misread");
    require(rig.facts.PowerVolts == protocol::powerVoltsOf(reply), "the supply voltage is wrong");
    require(view.handshake == (s.printer.hardwareHandshake ? 1 : 0),
            "the printer's handshake is not learned");
}

void parallelDetection(FuzzedDataProvider& input) {
    const Scenario s = printerFrom(input, true);
    sim::VirtualParallelPort::Options lpt;
    lpt.logLimit = 0;
    test::VirtualRig rig(s.printer, 1, {1, 2}, lpt);
    test::ScriptedView view;
    view.lpt = 1;
    detect::Detection detection(rig.link, rig.parallelPort, rig.facts, rig.feedback);
    const bool found = view.detectParallel(detection);

    boundedWaits(rig);
    require(found == rig.facts.PrinterFound, "the detection's answer and the facts disagree");
    if (found) {
        require(view.resultText.ends_with(" found on LPT 1"),
                "a found printer is described otherwise");
        require(rig.facts.PowerVolts == 5 || rig.facts.PowerVolts == 24, "a supply not 5 or 24 V");
    } else {
        require(view.resultText == "No printer found on LPT 1",
                "a failed detection says something else");
    }

    // The reply runs to its terminating zero, so delays and endless filler do not matter.
    if (s.printer.garbage) {
        return;
    }
    const std::string& identity = s.printer.identity;
    const std::string reply = identity.substr(0, identity.find('\0')) + '\0';
    // Found exactly when what the detection reads (up to the zero, at most the longest reply)
    // is a printer's identity: an identity that is no printable text is noise on the port.
    const bool named =
        protocol::isPrinterIdentity(reply.substr(0, link::SubCom::kMaxParallelReply));
    if (found != named) {
        fail("printer \"" + shown(identity) + "\" on LPT 1: found is " +
             (found ? "true" : "false"));
    }
    if (found && view.resultText != nameIn(reply) + " found on LPT 1") {
        fail("printer \"" + shown(identity) + "\" described as \"" + shown(view.resultText) + "\"");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    FuzzedDataProvider input(data + 1, size - 1);
    switch (data[0] % 5) {
    case 0:
        identityText(rest);
        break;
    case 1:
        replyBytes(rest);
        break;
    case 2:
        speedText(rest);
        break;
    case 3:
        serialDetection(input);
        break;
    default:
        parallelDetection(input);
        break;
    }
    return 0;
}
