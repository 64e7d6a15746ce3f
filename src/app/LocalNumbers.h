// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the window's language writes them. English keeps the program's own number texts
// (" .125", "1.91 s"); a language with a decimal comma gets "0,125" and "1,91 s". The blanks
// before a number stay, as the captions' translations expect them.

#include <QString>
#include <cstdint>
#include <string>

namespace tessaro::app {

// A number text of the program (" 62", " .125", "-1.5") in the language's form.
QString localNumber(const std::string& programText);
// A duration in seconds with two decimals and the unit: "1.91 s", "1,91 s".
QString localSeconds(std::int64_t ms);

} // namespace tessaro::app
