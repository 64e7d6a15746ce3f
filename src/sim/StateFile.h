// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer's memory on disk: the stored power-on defaults and the serial settings. A text
// file, one entry a line:
//   serial 83
//   param 1D73 07E0      (command code, then its argument bytes, in hex)

#include "sim/SerialSettings.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::sim {

// Command code (prefix + letter) -> argument bytes.
using Parameters = std::map<std::string, std::string>;

struct PrinterMemory {
    SerialSettings serial;
    Parameters defaults;

    bool operator==(const PrinterMemory&) const = default;
};

// Nothing when the file does not exist; throws std::runtime_error naming the file, and the
// line, when it cannot be read or holds anything but the entries above.
std::optional<PrinterMemory> loadMemory(const std::filesystem::path& path);

// The memory a state file's text holds; throws std::runtime_error naming the file (as
// nameForMessages) and the line when the text holds anything but the entries above.
PrinterMemory parseMemory(std::string_view text, const std::filesystem::path& nameForMessages);

// Writes the file atomically; "" when it is written, else "<path>: <reason>".
std::string saveMemory(const std::filesystem::path& path, const PrinterMemory& memory);

} // namespace tessaro::sim
