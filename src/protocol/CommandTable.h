#pragma once
// The printer commands that set the parameters, in the order they are sent.

#include "workspace/Catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaro::protocol {

inline constexpr char ESC = 0x1B;
inline constexpr char GS = 0x1D;
inline constexpr char FS = 0x1C;
inline constexpr char CAN = 0x18;

struct CommandRow {
    int row;                     // 1..28, the sending order
    workspace::Param param;      // the parameter whose flag and bytes it sends
    char prefix;                 // ESC or GS
    char letter;                 // the command letter
    std::string_view statusText; // shown once the command is sent

    std::string code() const { return std::string{prefix, letter}; }
};

const std::array<CommandRow, 28>& commandTable();

// The saving sequence: the printer stores the parameters as its power-on defaults and
// answers with one byte, 0 when it did.
inline const std::string kSaveCommand{ESC, 's'};

} // namespace tessaro::protocol
