// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of an option that takes a serial speed, answering in the program's own words.

#include "station/PrinterOptions.h"

#include <CLI/CLI.hpp>
#include <string_view>
#include <vector>

namespace tessaro::cli {

// The check's name on an option, with and without "auto", for a shell's completion to find.
inline constexpr std::string_view kSpeedCheck = "serial speed";
inline constexpr std::string_view kSpeedOrAutoCheck = "serial speed or auto";

// What an option with the check takes: the speeds the printers know, after "auto" with
// takesAuto.
std::vector<std::string_view> serialSpeedChoices(bool takesAuto);

// Accepts the speeds the printers know (and, with takesAuto, "auto"); refuses anything else
// naming them: "0 is not a serial speed: use auto, 1200, 2400, 4800, 9600, 19200, 28800,
// 38400, 57600 or 115200".
CLI::Validator serialSpeedValidator(bool takesAuto);

} // namespace tessaro::cli
