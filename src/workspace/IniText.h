// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profile (INI) text as the Windows profile functions read and write it, as pure functions
// on the text of a whole file; loading and saving a profile use them.
//
// Reading:
// - Lines end in CR LF, LF alone or CR alone. A UTF-8 byte order mark at the very start is
//   skipped. Blanks (space and tab) around every line are ignored.
// - A line starting with ';' is a comment. A line starting with '[' is a section header:
//   the name runs to the first ']'. A header without ']' uses the rest of the line as the
//   name, so "[Printer" still opens section "Printer" (a forgotten bracket loses nothing).
// - Any other line holding '=' is a key: the name before the first '=', the value after
//   it, both trimmed of blanks. Lines without '=' and keys with an empty name are ignored,
//   as are keys before the first section header.
// - Section and key names match without regard to ASCII letter case; the names asked for
//   are trimmed of blanks too. The first matching key in the first matching section wins;
//   a later section of the same name is not read.
// - A value in matching double or single quotes comes back without them, then cut to at
//   most 254 characters (Windows reads into a 255-character buffer). A missing section
//   or key reads as "".
// - Every byte other than CR and LF, NUL included, is an ordinary character.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::workspace {

struct IniKeyRef {
    std::string section;
    std::string key;
};

// One pass over the text; result[i] is the value of wanted[i] ("" when absent).
std::vector<std::string> readIniKeys(std::string_view text, std::span<const IniKeyRef> wanted);

std::string readIniKey(std::string_view text, std::string_view section, std::string_view key);

// Whether the text has a header of any of these sections (names compared as reading does).
bool hasIniSection(std::string_view text, std::span<const std::string_view> sections);

// Profile text saved as UTF-16 with its byte order mark (as Windows editors save "Unicode"),
// turned into the 8-bit text the reader works on: each character below 256 becomes that
// byte, any other becomes '?'. Any other text comes back as it is.
std::string profileBytes(std::string text);

// The whole new text after writing key=value into the section:
// - an existing key (the one reading finds) has its line replaced by "name=value", keeping
//   the name as the file spells it;
// - a new key goes right after the last key line of the first matching section (after its
//   header when it has none), so blank lines and comments before the next section stay
//   where they are;
// - a new section goes at the end of the text as "[section]" and "key=value".
// Every other line keeps its content; every line of the result ends in CR LF, and a byte
// order mark at the start is kept. Names are trimmed of blanks. When the section, key or
// value could not be read back as written (a line break anywhere, '=' in the key or a key
// that is empty or starts with ';' or '[', ']' in the section name), the text is returned
// unchanged rather than corrupting the file.
std::string writeIniKey(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace tessaro::workspace
