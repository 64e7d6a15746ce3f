// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choices of the port selection window that a "Detect Printer" button reads: the checked
// COM or LPT port, the speed and the handshake. The window implements it with widgets.

#include "link/Notifier.h"
#include "link/PortRef.h"
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
};

// The speeds of the window's list, in list order.
inline constexpr const auto& kSpeedList = workspace::kSpeedNames;

// The port the serial (or parallel) frame's "Detect Printer" runs on: the one checked, or
// none after telling the user one must be.
std::optional<link::PortRef> chosenComPort(const PortSelectionView& view, link::Notifier& user);
std::optional<link::PortRef> chosenLptPort(const PortSelectionView& view, link::Notifier& user);

} // namespace tessaro::detect
