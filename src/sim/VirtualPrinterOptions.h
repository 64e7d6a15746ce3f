// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The faults and settings of the in-process virtual printer (an LPT set to "virtual"), given
// as one text, the environment variable TESSARO_VIRTUAL_PRINTER, with the words of
// tessaro-printer-sim's options:
//   "silent", "garbage", "endless", "no-save-reply", "save-reply=1", "reply-delay=200",
//   "busy-hold=3", "chipset=3.3", "status=0x85", "identity=TEXT" (last: it takes the rest)
// separated by commas.

#include "sim/PrinterConfig.h"
#include "sim/VirtualParallelPort.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::sim {

inline constexpr const char* kVirtualPrinterVariable = "TESSARO_VIRTUAL_PRINTER";

// "0x85" or "133"; nothing when the text is not a byte.
std::optional<std::uint8_t> parseByte(std::string_view text);

// Applies the options to the printer and its port; "" when every word was understood, else
// what was not ("TESSARO_VIRTUAL_PRINTER: unknown option \"loud\"").
std::string applyVirtualPrinterOptions(std::string_view text, PrinterConfig& printer,
                                       VirtualParallelPort::Options& port);

} // namespace tessaro::sim
