// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program sends the printer: the parameter commands in the order they are sent (the
// rows of the parameter table), the saving sequence, and the requests that ask the printer
// about itself.

#include "workspace/ParameterTable.h"

#include <span>
#include <string>

namespace tessaro::protocol {

using workspace::ESC;
using workspace::GS;
inline constexpr char FS = 0x1C;
inline constexpr char CAN = 0x18;

using CommandRow = workspace::ParameterRow;

inline constexpr std::span<const CommandRow, workspace::kParamCount> commandTable() {
    return workspace::kParameters;
}

// The saving sequence: the printer stores the parameters as its power-on defaults and
// answers with one byte, 0 when it did.
inline const std::string kSaveCommand{ESC, 's'};

// The printer answers its identity: a name of 16 characters and a description, ended by a
// zero byte.
inline const std::string kIdentityRequest{ESC, 'I'};
// How long a detection gives the printer to answer its identity; an answer to a later question
// of the detection (the chipset's) is waited for as long.
inline constexpr int kIdentityWaitMs = 250;
// The printer answers one status byte.
inline const std::string kStatusRequest{ESC, 'v'};
// The printer answers one byte telling the supply of its chipset.
inline const std::string kChipsetQuery{GS, 'S', 'C'};
// The printer answers one byte: its serial speed code and handshake.
inline const std::string kSettingsQuery{GS, 'S', 'f', FS};
// Ends whatever the printer was about to answer.
inline const std::string kCancel{CAN};

} // namespace tessaro::protocol
