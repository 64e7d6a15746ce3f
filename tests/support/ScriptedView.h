// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port selection window's choices as plain values, and what the window does with a
// detection's result, for driving detection in tests.

#include "detect/Detection.h"
#include "detect/PortSelectionView.h"
#include "message/English.h"

#include <algorithm>
#include <map>

namespace tessaro::test {

// A result's status panels as the English status bar shows them.
inline std::vector<std::string> panelTexts(const detect::DetectionResult& result) {
    std::vector<std::string> texts;
    for (const message::Message& panel : result.panels) {
        texts.push_back(message::english(panel));
    }
    return texts;
}

class ScriptedView final : public detect::PortSelectionView {
  public:
    ScriptedView() = default;
    // A result's status panels are shown on statusBar, as the window shows them.
    explicit ScriptedView(protocol::UserFeedback& statusBar) : statusBar_(&statusBar) {}

    std::optional<int> selectedComPort() const override { return com; }
    std::optional<int> selectedLptPort() const override { return lpt; }
    std::string selectedSpeed() const override {
        return std::string(detect::kSpeedList.at(static_cast<std::size_t>(speedIndex)));
    }
    int selectedHandshake() const override { return handshake; }

    // As the window shows a result: the port and speed found are checked, the handshake the
    // printer uses chosen, and the window closes once a printer was found.
    detect::DetectionResult show(detect::DetectionResult result) {
        if (statusBar_ != nullptr && !result.panels.empty()) {
            statusBar_->showStatusPanels(result.panels);
        }
        if (result.probed) {
            resultText = result.text;
        }
        if (!result.found) {
            return result;
        }
        // The window's option of each numbered kind.
        const std::map<link::LinkKind, std::optional<int>*> options{
            {link::LinkKind::Serial, &com},
            {link::LinkKind::Parallel, &lpt},
            {link::LinkKind::Usb, &usb}};
        if (const auto option = options.find(result.port.kind()); option != options.end()) {
            *option->second = result.port.number();
        }
        if (result.port.row().lineSettings) {
            const auto speed = std::find(detect::kSpeedList.begin(), detect::kSpeedList.end(),
                                         std::string_view(result.speed));
            speedIndex = static_cast<int>(speed - detect::kSpeedList.begin());
            handshake = result.handshakeIndex;
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

  private:
    protocol::UserFeedback* statusBar_ = nullptr;
};

} // namespace tessaro::test
