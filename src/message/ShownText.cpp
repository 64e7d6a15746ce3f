// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/ShownText.h"

#include <cstdio>

namespace tessaro::message {
namespace {

void escapeByte(std::string& out, unsigned char byte) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", byte);
    out += hex;
}

} // namespace

std::size_t utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0                 ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const auto second = static_cast<unsigned char>(text[1]);
    const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    const bool surrogate = lead == 0xED && second >= 0xA0;
    const bool tooHigh = lead == 0xF4 && second >= 0x90;
    const bool c1Control = lead == 0xC2 && second < 0xA0; // U+0080..U+009F
    return overlong || surrogate || tooHigh || c1Control ? 0 : length;
}

namespace {

// The code point of a well-formed sequence of that length.
char32_t decoded(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t c = sequence.size() == 2   ? lead & 0x1F
                 : sequence.size() == 3 ? lead & 0x0F
                                        : lead & 0x07;
    for (std::size_t i = 1; i < sequence.size(); ++i) {
        c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return c;
}

} // namespace

std::string escapedCodePoint(char32_t c) {
    char hex[12];
    std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned>(c));
    return hex;
}

std::string shownText(std::string_view text, LineBreaks breaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (breaks == LineBreaks::Keep && (byte == '\r' || byte == '\n')) {
            out += '\n';
            i += byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        } else if (byte == '\t' || (byte >= 0x20 && byte < 0x7F)) {
            out += static_cast<char>(byte);
            ++i;
        } else if (const std::size_t length = byte >= 0x80 ? utf8Length(text.substr(i)) : 0) {
            const std::string_view sequence = text.substr(i, length);
            const char32_t c = decoded(sequence);
            out += disguises(c) ? escapedCodePoint(c) : std::string(sequence);
            i += length;
        } else {
            escapeByte(out, byte);
            ++i;
        }
    }
    return out;
}

} // namespace tessaro::message
