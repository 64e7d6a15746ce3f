// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/Autodetect.h"

#include "protocol/CommandTable.h"

namespace tessaro::detect {

using link::MessageIcon;
using protocol::kCancel;
using protocol::kStatusRequest;

Autodetect::Autodetect(Detection& detection)
    : detection_(detection), link_(detection.link()), feedback_(detection.feedback()) {}

// Opens COM n with no flow control. A port that exists but cannot be opened is noted once
// and left out of the rest of the search.
bool Autodetect::openSerial(int n, const std::string& settings) {
    if (unusable_.count(n) != 0) {
        return false;
    }
    link::SerialControl& serial = link_.serial();
    serial.setCommPort(n);
    serial.setSettings(settings);
    serial.setHandshaking(0);
    serial.setInputMode(0);
    const std::string failure = serial.open();
    if (!failure.empty()) {
        unusable_.insert(n);
        feedback_.message(MessageIcon::Exclamation,
                          failure + "\rThe automatic search leaves this port out.");
        return false;
    }
    serial.discardInput();
    return true;
}

void Autodetect::wakeUp() {
    for (int n = 1; n <= link::kComPorts; ++n) {
        if (link_.ComPortExists(n) != 0 && openSerial(n, "57600,N,8,1")) {
            link_.serial().setInputLen(100);
            link_.serial().output(std::string(1, '\0'));
            link_.serial().close();
        }
    }
    link_.serial().discardInput();
    link_.timing().Delay(1000);
}

// COM n at one of the search's speeds.
bool Autodetect::answersTwice(int n, int speedIndex) {
    const std::string speed(kSearchSpeeds.at(static_cast<std::size_t>(speedIndex)));
    feedback_.setDetectionProgress("Attempting to contact printer on COM " + std::to_string(n) +
                                   " at " + speed + " bauds.");
    if (!openSerial(n, speed + ",N,8,1")) {
        return false;
    }
    link::PortCloser closer(link_);
    return statusTwice(link_.serial());
}

// A printer answers the status request with exactly one byte, twice in a row.
bool Autodetect::statusTwice(link::SerialControl& port) {
    port.output(kStatusRequest);
    link_.timing().Delay(100);
    if (port.inBufferCount() != 1) {
        return false;
    }
    port.output(kCancel);
    port.discardInput();
    link_.timing().Delay(100);
    port.output(kStatusRequest);
    link_.timing().Delay(100);
    if (port.inBufferCount() != 1) {
        return false;
    }
    port.input();
    return true;
}

// The USB printers, each once: they have no speed.
bool Autodetect::searchUsb() {
    link_.settings().PortKind = link::LinkKind::Usb;
    link::SerialControl& usb = link_.usb();
    for (int n = 1; n <= link::kUsbPorts; ++n) {
        if (link_.UsbPortExists(n) == 0) {
            continue;
        }
        feedback_.setDetectionProgress("Attempting to contact printer on USB " + std::to_string(n) +
                                       ".");
        usb.setCommPort(n);
        usb.setInputMode(0);
        if (const std::string failure = usb.open(); !failure.empty()) {
            feedback_.message(MessageIcon::Exclamation,
                              failure + "\rThe automatic search leaves this port out.");
            continue;
        }
        usb.discardInput();
        bool answered = false;
        {
            link::PortCloser closer(link_);
            answered = statusTwice(usb);
        }
        if (answered) {
            detection_.facts().PrinterFound = true;
            detection_.view().selectUsbPort(n);
            feedback_.setDetectionResult(detection_.ProbeUsbPrinter(n));
            return true;
        }
    }
    return false;
}

bool Autodetect::searchSerial() {
    for (int n = 1; n <= link::kComPorts; ++n) {
        if (link_.ComPortExists(n) == 0) {
            continue;
        }
        constexpr int kSpeeds = static_cast<int>(kSearchSpeeds.size());
        for (int i = 0; i < kSpeeds && unusable_.count(n) == 0; ++i) {
            if (answersTwice(n, i)) {
                detection_.facts().PrinterFound = true;
                detection_.view().selectSpeedIndex(kSpeeds - 1 - i); // the list is slowest first
                detection_.view().selectComPort(n);
                feedback_.setDetectionResult(detection_.ProbeSerialPrinter(
                    n, kSearchSpeeds.at(static_cast<std::size_t>(i)), 1));
                return true;
            }
        }
    }
    return false;
}

// Cancel, then the status request; the reply byte lands in b (a failed read leaves it).
void Autodetect::askStatus(int pauseAfterCancel, std::uint8_t& b) {
    link::ParallelWinIO& lpt = link_.parallel();
    lpt.CompatibilityWrite(kCancel);
    link_.timing().Delay(pauseAfterCancel);
    lpt.CompatibilityWrite(kStatusRequest);
    link_.timing().Delay(20);
    lpt.ByteModeRead(b);
}

// A parallel printer answers the status request with a non-zero byte, twice in a row.
bool Autodetect::lptAnswers(int k) {
    feedback_.setDetectionProgress("Attempting to contact printer on LPT " + std::to_string(k));
    link::ParallelWinIO& lpt = link_.parallel();
    if (!lpt.OpenLPT(static_cast<std::uint8_t>(k))) {
        return false; // the opening has said why
    }
    std::uint8_t b = 0;
    askStatus(100, b);
    if (b != 0) {
        askStatus(20, b);
    }
    if (b != 0) {
        lpt.CompatibilityWrite(kCancel);
        link_.timing().Delay(20);
    }
    lpt.CloseLPT();
    return b != 0;
}

int Autodetect::searchParallel() {
    link_.settings().PortKind = link::LinkKind::Parallel;
    for (int k = 1; k <= link::kLptPorts; ++k) {
        if (detection_.lptPresent(k) && lptAnswers(k)) {
            detection_.facts().PrinterFound = true;
            detection_.view().selectLptPort(k);
            return k;
        }
    }
    return 0;
}

bool Autodetect::Autodetect_Click() {
    detection_.SetDetectionBusy(true);
    link_.settings().PortKind = link::LinkKind::Serial;
    detection_.facts().PrinterFound = false;
    unusable_.clear();
    feedback_.setDetectionProgress("Trying to wake-up the printer");
    wakeUp();
    bool found = searchSerial() || searchUsb();
    if (!found) {
        if (const int k = searchParallel(); k != 0) {
            feedback_.setDetectionResult(detection_.ProbeParallelPrinter(k));
        } else {
            feedback_.setDetectionResult("No printer found");
            detection_.ShowNoPrinter();
        }
    }
    detection_.SetDetectionBusy(false);
    return detection_.facts().PrinterFound;
}

} // namespace tessaro::detect
