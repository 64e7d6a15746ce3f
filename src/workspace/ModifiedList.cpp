// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/ModifiedList.h"

namespace tessaro::workspace {

std::string modifiedListText(const std::array<bool, kParamCount>& modified) {
    std::string text;
    std::string lines;
    // Pages come together in list order: a page's heading goes before its first flagged line,
    // an empty line after its last.
    for (std::size_t i = 0; i < kListOrder.size(); ++i) {
        const ParameterRow& row = parameter(kListOrder[i]);
        if (modified[index(row.param)]) {
            lines.append(row.listLine).append("\r\n");
        }
        const bool pageEnds =
            i + 1 == kListOrder.size() || parameter(kListOrder[i + 1]).tab != row.tab;
        if (pageEnds && !lines.empty()) {
            text.append(tabRow(row.tab).listHeading).append("\r\n").append(lines).append("\r\n");
            lines.clear();
        }
    }
    return text;
}

} // namespace tessaro::workspace
