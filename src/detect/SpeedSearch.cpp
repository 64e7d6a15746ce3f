// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/SpeedSearch.h"

#include "detect/StatusCheck.h"
#include "message/English.h"

namespace tessaro::detect {
// Opens the port at each speed in turn, without flow control as the automatic search does,
// until a printer answers twice.
SpeedFound findSpeed(Detection& detection, const link::PortRef& port,
                     const SpeedProgress& progress) {
    link::SubCom& link = detection.link();
    link::Transport& serial = link.transport(port.kind());
    const link::Cancellation* stop = detection.cancellation();
    SpeedFound found;
    const int total = static_cast<int>(kSearchSpeeds.size());
    for (int i = 0; i < total && (stop == nullptr || !stop->cancelled()); ++i) {
        const std::string_view speed = kSearchSpeeds.at(static_cast<std::size_t>(i));
        const message::Message step{message::MessageId::ContactingPrinterAtSpeed,
                                    {message::Part::verbatim(port.shownName()),
                                     message::Part::verbatim(std::string(speed))}};
        detection.feedback().showDetectionProgress(step);
        if (progress) {
            progress(i + 1, total, message::english(step));
        }
        if (serial.open(port, speed, 0)) {
            serial.close();
            return found;
        }
        found.opened = true;
        serial.discardInput();
        const bool answered = statusTwice(serial, link.timing(), kSpeedSearchWait);
        serial.close();
        if (answered) {
            found.speed = speed;
            return found;
        }
    }
    return found;
}

DetectionResult detectAtAnySpeed(Detection& detection, const link::PortRef& port,
                                 int handshakeIndex, const SpeedProgress& progress) {
    if (!port.row().lineSettings) {
        return detection.detectOn(port, "", handshakeIndex);
    }
    const std::string_view first = kSearchSpeeds.front();
    if (!detection.link().portExists(port)) {
        return detection.detectOn(port, first, handshakeIndex); // refused with the reason
    }
    const SpeedFound found = findSpeed(detection, port, progress);
    if (found.speed) {
        return detection.detectOn(port, *found.speed, handshakeIndex);
    }
    if (!found.opened) {
        return detection.detectOn(port, first, handshakeIndex); // says why it will not open
    }
    detection.link().settings().Port = port;
    detection.ShowNoPrinter();
    if (const link::Cancellation* stop = detection.cancellation(); stop && stop->cancelled()) {
        DetectionResult stopped =
            detection.resultOf(port, {message::MessageId::NoPrinterFound, {}});
        stopped.probed = false; // the user stopped it: the result line stays as it was
        return stopped;
    }
    return detection.resultOf(port, {message::MessageId::NoPrinterAtAnySpeed,
                                     {message::Part::verbatim(port.shownName())}});
}

} // namespace tessaro::detect
