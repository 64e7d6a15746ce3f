// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/TerminalText.h"

#include "workspace/ShownText.h"

namespace tessaro::station {

std::string terminalText(std::string_view text) {
    return workspace::shownText(text, workspace::LineBreaks::Keep);
}

std::string oneLine(std::string_view text) {
    return workspace::shownText(text, workspace::LineBreaks::Escape);
}

} // namespace tessaro::station
