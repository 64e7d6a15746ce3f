// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/Autodetect.h"

#include "message/English.h"
#include "protocol/CommandTable.h"

#include <optional>

namespace tessaro::detect {

using link::MessageIcon;
using protocol::kCancel;
using protocol::kStatusRequest;

Autodetect::Autodetect(Detection& detection)
    : detection_(detection), link_(detection.link()), feedback_(detection.feedback()) {}

std::string_view Autodetect::speedOf(const Step& step) {
    return step.port && step.port->row().lineSettings
               ? kSearchSpeeds.at(static_cast<std::size_t>(step.speedIndex))
               : std::string_view();
}

// A port that exists but cannot be opened is noted once and left out of the rest of the
// search.
bool Autodetect::openStream(const link::PortRef& port, std::string_view speed) {
    if (std::find(unusable_.begin(), unusable_.end(), port) != unusable_.end()) {
        return false;
    }
    link::Transport& transport = link_.transport(port.kind());
    if (message::Failure failure = transport.open(port, speed, 0)) {
        unusable_.push_back(port);
        feedback_.say(MessageIcon::Exclamation, {message::MessageId::SearchLeavesPortOut,
                                                 {message::Part::framed(std::move(*failure))}});
        return false;
    }
    transport.discardInput();
    return true;
}

// A zero at 57600 on every port of the kinds the search wakes, then a second for the printers
// to come round.
void Autodetect::wakeUp() {
    for (const link::LinkKindDescriptor* kind : link::kLinkKinds) {
        if (!kind->wokenBySearch) {
            continue;
        }
        link::Transport& transport = link_.transport(kind->kind);
        for (int n = 1; n <= kind->count; ++n) {
            const auto port = link::PortRef::numbered(kind->kind, n);
            if (link_.portExists(port) && openStream(port, "57600")) {
                transport.write(std::string(1, '\0'));
                transport.close();
            }
        }
        transport.discardInput();
    }
    link_.timing().Delay(1000);
}

// A printer on a stream answers the status request twice.
bool Autodetect::streamAnswers(const link::PortRef& port, std::string_view speed) {
    link_.settings().Port = port;
    if (!openStream(port, speed)) {
        return false;
    }
    link::PortCloser closer(link_);
    return statusTwice(link_.transport(port.kind()), link_.timing());
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

// The wake-up, then each port that exists of each kind the search takes, in the search's
// order, a port with line settings at each of the search's speeds.
std::vector<Autodetect::Step> Autodetect::plan() {
    std::vector<Step> steps{{}};
    std::vector<const link::LinkKindDescriptor*> searched;
    std::copy_if(link::kLinkKinds.begin(), link::kLinkKinds.end(), std::back_inserter(searched),
                 [](const auto* kind) { return kind->searchRank > 0; });
    std::sort(searched.begin(), searched.end(),
              [](const auto* a, const auto* b) { return a->searchRank < b->searchRank; });
    for (const link::LinkKindDescriptor* kind : searched) {
        for (int n = 1; n <= kind->count; ++n) {
            const auto port = link::PortRef::numbered(kind->kind, n);
            if (!link_.portExists(port)) {
                continue;
            }
            const int speeds = kind->lineSettings ? static_cast<int>(kSearchSpeeds.size()) : 1;
            for (int i = 0; i < speeds; ++i) {
                steps.push_back({port, i});
            }
        }
    }
    return steps;
}

message::Message Autodetect::stepText(const Step& step) const {
    if (!step.port) {
        return {message::MessageId::WakingPrinters, {}};
    }
    return step.port->row().searchStep(step.port->spacedName(), speedOf(step));
}

// Whether a printer answered at this step.
bool Autodetect::answers(const Step& step) {
    if (!step.port) {
        wakeUp();
        return false;
    }
    const link::PortRef& port = *step.port;
    if (port.row().exchange == link::Exchange::ParallelRegisters) {
        link_.settings().Port = port;
        return lptAnswers(port.number());
    }
    return streamAnswers(port, speedOf(step));
}

// The printer that answered, probed as its port's detection does; the result names the port
// and, for a port with line settings, the speed the window then shows.
DetectionResult Autodetect::describe(const Step& step) {
    detection_.facts().PrinterFound = true;
    const link::PortRef& port = *step.port;
    if (port.row().exchange == link::Exchange::ParallelRegisters) {
        return detection_.resultOf(port, detection_.ProbeParallelPrinter(port.number()));
    }
    const std::string_view speed = speedOf(step);
    DetectionResult result = detection_.resultOf(port, detection_.probeStream(port, speed, 1));
    result.speed = std::string(speed);
    return result;
}

DetectionResult Autodetect::Autodetect_Click() {
    const link::LinkSettings linkBefore = link_.settings();
    const bool foundBefore = detection_.facts().PrinterFound;
    stopRequested_ = false;
    link_.settings().Port = link::PortRef::numbered(link::LinkKind::Serial, 1);
    detection_.facts().PrinterFound = false;
    unusable_.clear();
    std::vector<Step> steps = plan();
    std::optional<Step> answered;
    for (std::size_t i = 0; i < steps.size() && !stopped(); ++i) {
        const message::Message text = stepText(steps[i]);
        feedback_.showDetectionProgress(text);
        if (report_) {
            report_(static_cast<int>(i + 1), static_cast<int>(steps.size()),
                    message::english(text));
        }
        if (stopped()) {
            break; // asked as the step was announced: nothing of it runs
        }
        if (answers(steps[i]) && !stopped()) {
            answered = steps[i];
            break;
        }
        // A port that cannot be opened is not tried at its other speeds.
        const auto later = steps.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        steps.erase(std::remove_if(later, steps.end(),
                                   [this](const Step& step) {
                                       return step.port &&
                                              std::find(unusable_.begin(), unusable_.end(),
                                                        *step.port) != unusable_.end();
                                   }),
                    steps.end());
    }
    DetectionResult result;
    if (stopped()) {
        link_.settings() = linkBefore;
        detection_.facts().PrinterFound = foundBefore;
        result = detection_.resultOf(linkBefore.Port, {message::MessageId::NoPrinterFound, {}});
        result.found = false;
    } else if (answered) {
        result = describe(*answered);
    } else {
        link_.settings().Port = link::PortRef::numbered(link::LinkKind::Parallel, 1);
        detection_.ShowNoPrinter();
        result =
            detection_.resultOf(link_.settings().Port, {message::MessageId::NoPrinterFound, {}});
    }
    return result;
}

} // namespace tessaro::detect
