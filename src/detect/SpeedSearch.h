// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Detection on one port at whatever speed the printer runs: on a serial port each speed of
// the automatic search is tried in its order (fastest first) with its double status check,
// and the printer is detected at the first speed that answers. A link without line settings
// (USB, network, parallel) has no speed: its printer is detected as it is.

#include "detect/Detection.h"

#include <functional>
#include <optional>
#include <string_view>

namespace tessaro::detect {

// Called as each speed is tried: its number counted from 1, the number of speeds, and the
// step's text ("Attempting to contact printer on COM 1 at 57600 bauds.").
using SpeedProgress = std::function<void(int step, int total, std::string_view text)>;

// The first speed at which a printer on this serial port answers the status request twice;
// the port is closed again. opened is false when the port would not open at all (it is not
// tried further, and nothing is said of it).
struct SpeedFound {
    bool opened = false;
    std::optional<std::string_view> speed;
};
SpeedFound findSpeed(Detection& detection, const link::PortRef& port,
                     const SpeedProgress& progress = {});

// The result names the speed that answered. When none does, the text is "No printer found
// on COM 1 at any speed" and the result has no speed; a port that is absent or cannot be
// opened is refused as detectOn refuses it. The detection's cancellation ends the search
// between two speeds, with nothing found and nothing said.
DetectionResult detectAtAnySpeed(Detection& detection, const link::PortRef& port,
                                 int handshakeIndex, const SpeedProgress& progress = {});

} // namespace tessaro::detect
