// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold before a station touches any printer, for "tessaro-cli provision" and the
// window's station alike: the profile is one, there is a port and every port is a port, each
// given once, and the audit log can be written.

#include <string>
#include <vector>

namespace tessaro::cli {

// "" when all holds, else why, naming the file or port.
std::string problemBeforeStart(const std::string& profile, const std::vector<std::string>& ports,
                               const std::string& log);

} // namespace tessaro::cli
