// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/TerminalText.h"

#include "message/ShownText.h"

namespace tessaro::station {

std::string terminalText(std::string_view text) {
    return message::shownText(text, message::LineBreaks::Keep);
}

std::string oneLine(std::string_view text) {
    return message::shownText(text, message::LineBreaks::Escape);
}

} // namespace tessaro::station
