// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of an option that takes a serial speed, answering in the program's own words.

#include <CLI/CLI.hpp>

namespace tessaro::cli {

// Accepts the speeds the printers know; refuses anything else naming them:
// "0 is not a serial speed: use 1200, 2400, 4800, 9600, 19200, 28800, 38400, 57600 or 115200".
CLI::Validator serialSpeedValidator();

} // namespace tessaro::cli
