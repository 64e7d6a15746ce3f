// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the searches ask a port: the status request, which a printer answers with exactly one
// byte, twice in a row; and the serial speeds they try it at.

#include "link/Transport.h"
#include "link/tempo.h"
#include "workspace/SerialSpeeds.h"

#include <algorithm>

namespace tessaro::detect {

// The speeds in the order the searches try them: fastest first.
inline constexpr auto kSearchSpeeds = [] {
    auto speeds = workspace::kSpeedNames;
    std::reverse(speeds.begin(), speeds.end());
    return speeds;
}();

// How a search waits for each answer. The automatic search pauses a fixed time and counts
// what came; the search for one port's speed waits for the answer up to a bound and takes it
// as soon as it comes, so that a printer slow to answer is found and a silent port costs
// little more.
struct StatusWait {
    int ms;
    bool untilAnswer;
};
inline constexpr StatusWait kSearchPause{100, false};
inline constexpr StatusWait kSpeedSearchWait{180, true};

// Whether a printer on the open link answers the status request with one byte, twice in a
// row (a cancel and a pause between them).
bool statusTwice(link::Transport& printer, link::tempo& timing, StatusWait wait = kSearchPause);

} // namespace tessaro::detect
