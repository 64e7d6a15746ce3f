// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold before a station touches any printer, for "tessaro-cli provision" and the
// window's station alike: the profile is one, there is a port and every port is a port, each
// given once, and the audit log can be written.

#include "link/PortRef.h"
#include "station/Outcome.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaro::station {

struct ProfileRead;

// The ports a person gave, parsed in order up to the first text that is no port.
struct GivenPorts {
    std::vector<link::PortRef> ports;
    std::string unknown; // why that text is no port; "" when every text is one
};
GivenPorts parsePorts(const std::vector<std::string>& texts);

// Why a station cannot start, naming the file or port, and how that ends a run: a file error
// (the profile, the audit log) or bad usage (the ports).
struct StartProblem {
    Outcome outcome = Outcome::BadUsage;
    message::Message said;
};

// Nothing when all holds, else the first problem, in the order the ports were given. profile
// is the file as the station read it, once for the run.
std::optional<StartProblem> problemBeforeStart(const std::string& file, const ProfileRead& profile,
                                               const GivenPorts& ports, const std::string& log);

// Whether the profile, as read, sets nothing of its own: every printer would get the factory
// settings.
bool changesNoSetting(const std::string& file, const ProfileRead& profile);

} // namespace tessaro::station
