// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the parameter tables (captions, list entries, tooltips, command lines) in the
// user's language. The tables hold them in English, marked with the context they are filed
// under (workspace/WindowText.h); numbers keep the program's own number text.

#include "workspace/Catalogue.h"

#include <QString>
#include <string_view>

namespace tessaro::workspace {
class Workspace;
}

namespace tessaro::app {

// One text of a table, translated in its context ("Catalogue", "Tabs", "Commands").
QString tableText(const char* context, std::string_view english);
inline QString catalogueText(std::string_view english) {
    return tableText("Catalogue", english);
}

// The caption a slider at position v gives its frame.
QString sliderCaption(const workspace::ControlSpec& slider, int v, bool continuousPaper = false);

// The caption a frame shows for the workspace's values now.
QString frameCaption(const workspace::Workspace& model, std::size_t frame);

// The list of modified parameters, each heading and command line translated.
QString modifiedListText(const workspace::Workspace& model);

} // namespace tessaro::app
