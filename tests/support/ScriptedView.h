// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port selection window's choices as plain values, and what the window does with a
// detection's result, for driving detection in tests.

#include "detect/Detection.h"
#include "detect/PortSelectionView.h"

#include <algorithm>

namespace tessaro::test {

class ScriptedView final : public detect::PortSelectionView {
  public:
    std::optional<int> selectedComPort() const override { return com; }
    std::optional<int> selectedLptPort() const override { return lpt; }
    std::string selectedSpeed() const override {
        return std::string(detect::kSpeedList.at(static_cast<std::size_t>(speedIndex)));
    }
    int selectedHandshake() const override { return handshake; }

    // As the window shows a result: the port and speed found are checked, the handshake the
    // printer uses chosen, and the window closes once a printer was found.
    detect::DetectionResult show(detect::DetectionResult result) {
        if (result.probed) {
            resultText = result.text;
        }
        if (!result.found) {
            return result;
        }
        const int n = result.port.number();
        switch (result.port.kind()) {
        case link::LinkKind::Serial: {
            com = n;
            const auto speed = std::find(detect::kSpeedList.begin(), detect::kSpeedList.end(),
                                         std::string_view(result.speed));
            speedIndex = static_cast<int>(speed - detect::kSpeedList.begin());
            handshake = result.handshakeIndex;
            break;
        }
        case link::LinkKind::Parallel:
            lpt = n;
            break;
        case link::LinkKind::Usb:
            usb = n;
            break;
        case link::LinkKind::Network:
        case link::LinkKind::Rfc2217:
            break;
        }
        closed = true;
        return result;
    }

    // The serial and the parallel frame's "Detect Printer"; true when a printer was found.
    bool detectSerial(detect::Detection& detection) {
        const auto port = detect::chosenComPort(*this, detection.feedback());
        return port && show(detection.detectOn(*port, selectedSpeed(), handshake)).found;
    }
    bool detectParallel(detect::Detection& detection) {
        const auto port = detect::chosenLptPort(*this, detection.feedback());
        return port && show(detection.detectOn(*port, "", 0)).found;
    }

    std::optional<int> com;
    std::optional<int> lpt;
    std::optional<int> usb;
    int speedIndex = 3;
    int handshake = 1;
    bool closed = false;
    std::string resultText;
};

} // namespace tessaro::test
