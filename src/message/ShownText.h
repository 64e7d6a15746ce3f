// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from a printer, a file or the user, on its way to a person. Control characters would
// recolour, retitle or clear a terminal; the bidirectional overrides and isolates and the line
// and paragraph separators make a line read otherwise than its characters go. Both are shown
// escaped: a byte as "\x1b", a code point as "\u202e". The terminal and the window escape from
// this one table.

#include <array>
#include <string>
#include <string_view>

namespace tessaro::message {

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// The code points that disguise a line: U+061C ARABIC LETTER MARK, U+200E and U+200F (the
// left-to-right and right-to-left marks), U+2028 LINE SEPARATOR and U+2029 PARAGRAPH SEPARATOR,
// the embeddings and overrides U+202A..U+202E, the isolates U+2066..U+2069.
inline constexpr std::array<CodePointRange, 4> kDisguisingCodePoints{{
    {0x061C, 0x061C},
    {0x200E, 0x200F},
    {0x2028, 0x202E},
    {0x2066, 0x2069},
}};

// Whether the code point is one of kDisguisingCodePoints.
constexpr bool disguises(char32_t c) {
    for (const CodePointRange& range : kDisguisingCodePoints) {
        if (c >= range.first && c <= range.last) {
            return true;
        }
    }
    return false;
}

// "\u202e"
std::string escapedCodePoint(char32_t c);

// The length of the well-formed UTF-8 sequence of two to four bytes that starts text; 0 when
// it is not one, or is a C1 control (U+0080..U+009F).
std::size_t utf8Length(std::string_view text);

// How line breaks (CR LF, a lone CR or LF) come out.
enum class LineBreaks {
    Keep,   // as "\n"
    Escape, // as "\x0d", "\x0a": the text stays one line
};

// Every other control character (a tab stays), a C1 control, a byte that is not part of
// well-formed UTF-8 shown as "\xNN", and each disguising code point as "\uNNNN". The result is
// well-formed UTF-8, and escaping it again changes nothing.
std::string shownText(std::string_view text, LineBreaks breaks);

// A message on its way to a stream: line breaks (CR LF, a lone CR) become "\n".
inline std::string shownText(std::string_view text) {
    return shownText(text, LineBreaks::Keep);
}

// What a person, a printer or a file gave, kept on its line: its line breaks are escaped too.
inline std::string oneLine(std::string_view text) {
    return shownText(text, LineBreaks::Escape);
}

} // namespace tessaro::message
