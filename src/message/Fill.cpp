// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/Fill.h"

namespace tessaro::message {

std::string fill(std::string_view text, const std::vector<Part>& parts,
                 const std::function<std::string(const Part&)>& word) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < parts.size()) {
                filled += word(parts[n]);
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

} // namespace tessaro::message
