// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text on its way to the terminal. Message texts join their lines with CR LF or a lone CR;
// a terminal wants "\n". Text from a printer or a file may hold control characters that
// would recolour, retitle or clear the user's terminal, or code points that make a line read
// otherwise than it goes: they are shown escaped ("\x1b", "\u202e"; message/ShownText.h).

#include <string>
#include <string_view>

namespace tessaro::station {

// A message: line breaks become "\n"; every other control character, a C1 control and a
// byte that is not UTF-8 are shown as "\xNN", a code point that disguises a line as "\uNNNN".
std::string terminalText(std::string_view text);

// One line: as terminalText, but line breaks are escaped too, so the text stays one line.
std::string oneLine(std::string_view text);

} // namespace tessaro::station
