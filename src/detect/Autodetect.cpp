// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/Autodetect.h"

#include "protocol/CommandTable.h"

#include <optional>

namespace tessaro::detect {

using link::MessageIcon;
using protocol::kCancel;
using protocol::kStatusRequest;

Autodetect::Autodetect(Detection& detection)
    : detection_(detection), link_(detection.link()), feedback_(detection.feedback()) {}

// Opens COM n at speed with no flow control. A port that exists but cannot be opened is
// noted once and left out of the rest of the search.
bool Autodetect::openSerial(int n, std::string_view speed) {
    if (unusable_.count(n) != 0) {
        return false;
    }
    link::Transport& serial = link_.transport(link::LinkKind::Serial);
    const std::string failure =
        serial.open(link::PortRef::numbered(link::LinkKind::Serial, n), speed, 0);
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
    link::Transport& serial = link_.transport(link::LinkKind::Serial);
    for (int n = 1; n <= link::kComPorts; ++n) {
        if (link_.ComPortExists(n) != 0 && openSerial(n, "57600")) {
            serial.write(std::string(1, '\0'));
            serial.close();
        }
    }
    serial.discardInput();
    link_.timing().Delay(1000);
}

// COM n at one of the search's speeds.
bool Autodetect::answersTwice(int n, int speedIndex) {
    if (!openSerial(n, kSearchSpeeds.at(static_cast<std::size_t>(speedIndex)))) {
        return false;
    }
    link::PortCloser closer(link_);
    return statusTwice(link_.transport(link::LinkKind::Serial), link_.timing());
}

// USB printer n: it has no speed.
bool Autodetect::usbAnswers(int n) {
    link::Transport& usb = link_.transport(link::LinkKind::Usb);
    if (const std::string failure =
            usb.open(link::PortRef::numbered(link::LinkKind::Usb, n), "", 0);
        !failure.empty()) {
        feedback_.message(MessageIcon::Exclamation,
                          failure + "\rThe automatic search leaves this port out.");
        return false;
    }
    usb.discardInput();
    link::PortCloser closer(link_);
    return statusTwice(usb, link_.timing());
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

// The wake-up, then each speed of each COM port that exists, each USB printer and each
// parallel port that may exist.
std::vector<Autodetect::Step> Autodetect::plan() {
    std::vector<Step> steps{{}};
    std::vector<const link::LinkKindRow*> searched;
    for (const link::LinkKindRow& row : link::kLinkKinds) {
        if (row.searchRank > 0) {
            searched.push_back(&row);
        }
    }
    std::sort(searched.begin(), searched.end(),
              [](const auto* a, const auto* b) { return a->searchRank < b->searchRank; });
    for (const link::LinkKindRow* row : searched) {
        for (int n = 1; n <= row->count; ++n) {
            const auto port = link::PortRef::numbered(row->kind, n);
            if (!link_.portExists(port)) {
                continue;
            }
            const int speeds = row->lineSettings ? static_cast<int>(kSearchSpeeds.size()) : 1;
            for (int i = 0; i < speeds; ++i) {
                steps.push_back({port, i});
            }
        }
    }
    return steps;
}

std::string Autodetect::stepText(const Step& step) const {
    if (!step.port) {
        return "Trying to wake-up the printer";
    }
    const std::string on = "Attempting to contact printer on " + step.port->spacedName();
    switch (step.port->kind()) {
    case link::LinkKind::Serial:
        return on + " at " +
               std::string(kSearchSpeeds.at(static_cast<std::size_t>(step.speedIndex))) + " bauds.";
    case link::LinkKind::Usb:
        return on + ".";
    case link::LinkKind::Parallel:
        return on;
    case link::LinkKind::Network:
    case link::LinkKind::Rfc2217:
        break; // not searched
    }
    return on;
}

// Whether a printer answered at this step.
bool Autodetect::answers(const Step& step) {
    if (!step.port) {
        wakeUp();
        return false;
    }
    const link::PortRef& port = *step.port;
    switch (port.kind()) {
    case link::LinkKind::Serial:
        return answersTwice(port.number(), step.speedIndex);
    case link::LinkKind::Usb:
        link_.settings().Port = port;
        return usbAnswers(port.number());
    case link::LinkKind::Parallel:
        link_.settings().Port = port;
        return lptAnswers(port.number());
    case link::LinkKind::Network:
    case link::LinkKind::Rfc2217:
        break; // not searched
    }
    return false;
}

// The printer that answered, probed as its port's detection does; the result names the port
// and, for a serial one, the speed the window then shows.
DetectionResult Autodetect::describe(const Step& step) {
    detection_.facts().PrinterFound = true;
    const link::PortRef& port = *step.port;
    if (port.kind() == link::LinkKind::Parallel) {
        return detection_.resultOf(port, detection_.ProbeParallelPrinter(port.number()));
    }
    const std::string_view speed =
        port.row().lineSettings ? kSearchSpeeds.at(static_cast<std::size_t>(step.speedIndex)) : "";
    DetectionResult result = detection_.resultOf(port, detection_.probeStream(port, speed, 1));
    result.speed = std::string(speed);
    return result;
}

DetectionResult Autodetect::Autodetect_Click() {
    const link::LinkSettings linkBefore = link_.settings();
    const bool foundBefore = detection_.facts().PrinterFound;
    stopRequested_ = false;
    detection_.SetDetectionBusy(true);
    link_.settings().Port = link::PortRef::numbered(link::LinkKind::Serial, 1);
    detection_.facts().PrinterFound = false;
    unusable_.clear();
    std::vector<Step> steps = plan();
    std::optional<Step> answered;
    for (std::size_t i = 0; i < steps.size() && !stopped(); ++i) {
        const std::string text = stepText(steps[i]);
        feedback_.setDetectionProgress(text);
        if (report_) {
            report_(static_cast<int>(i + 1), static_cast<int>(steps.size()), text);
        }
        if (stopped()) {
            break; // asked as the step was announced: nothing of it runs
        }
        if (answers(steps[i]) && !stopped()) {
            answered = steps[i];
            break;
        }
        // A COM port that cannot be opened is not tried at its other speeds.
        const auto later = steps.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        steps.erase(std::remove_if(later, steps.end(),
                                   [this](const Step& step) {
                                       return step.port &&
                                              step.port->kind() == link::LinkKind::Serial &&
                                              unusable_.count(step.port->number()) != 0;
                                   }),
                    steps.end());
    }
    DetectionResult result;
    if (stopped()) {
        link_.settings() = linkBefore;
        detection_.facts().PrinterFound = foundBefore;
        result = detection_.resultOf(linkBefore.Port, "No printer found");
        result.found = false;
    } else if (answered) {
        result = describe(*answered);
    } else {
        link_.settings().Port = link::PortRef::numbered(link::LinkKind::Parallel, 1);
        detection_.ShowNoPrinter();
        result = detection_.resultOf(link_.settings().Port, "No printer found");
    }
    detection_.SetDetectionBusy(false);
    return result;
}

} // namespace tessaro::detect
