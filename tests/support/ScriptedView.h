// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port selection window's controls as plain values, for driving detection in tests.

#include "detect/PortSelectionView.h"

namespace tessaro::test {

class ScriptedView final : public detect::PortSelectionView {
  public:
    std::optional<int> selectedComPort() const override { return com; }
    std::optional<int> selectedLptPort() const override { return lpt; }
    std::string selectedSpeed() const override {
        return std::string(detect::kSpeedList.at(static_cast<std::size_t>(speedIndex)));
    }
    int selectedHandshake() const override { return handshake; }
    void selectComPort(int n) override { com = n; }
    void selectLptPort(int n) override { lpt = n; }
    void selectUsbPort(int n) override { usb = n; }
    void selectSpeedIndex(int index) override { speedIndex = index; }
    void selectHandshake(int index) override { handshake = index; }
    void setDetectionButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    void closeWindow() override { closed = true; }

    std::optional<int> com;
    std::optional<int> lpt;
    std::optional<int> usb;
    int speedIndex = 3;
    int handshake = 1;
    bool buttonsEnabled = true;
    bool closed = false;
};

} // namespace tessaro::test
