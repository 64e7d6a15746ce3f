// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the port selection window that detection reads and sets. The window
// implements it with widgets, the command line with plain values.

#include "workspace/SerialSpeeds.h"

#include <optional>
#include <string>

namespace tessaro::detect {

class PortSelectionView {
  public:
    virtual ~PortSelectionView() = default;
    virtual std::optional<int> selectedComPort() const = 0; // 1..6
    virtual std::optional<int> selectedLptPort() const = 0; // 1..2
    virtual std::string selectedSpeed() const = 0;          // "9600"
    virtual int selectedHandshake() const = 0;              // 0 Xon-Xoff, 1 DSR/DTR Mode
    virtual void selectComPort(int n) = 0;
    virtual void selectLptPort(int n) = 0;
    virtual void selectUsbPort(int n) = 0;        // 1..4
    virtual void selectSpeedIndex(int index) = 0; // index in the speed list, 0 = "1200"
    virtual void selectHandshake(int index) = 0;
    virtual void setDetectionButtonsEnabled(bool enabled) = 0;
    virtual void closeWindow() = 0;
};

// The speeds of the window's list, in list order.
inline constexpr const auto& kSpeedList = workspace::kSpeedNames;

} // namespace tessaro::detect
