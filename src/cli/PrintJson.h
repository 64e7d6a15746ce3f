// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's JSON output: one document a line on stdout (station/JsonOutput.h).

#include "station/JsonOutput.h"

#include <iostream>

namespace tessaro::cli {

// Prints the document as one line on stdout.
inline void printJson(const QJsonObject& object) {
    std::cout << station::jsonLine(object) << "\n";
}

} // namespace tessaro::cli
