// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the core (UTF-8, lines ended by CR LF or CR) as widgets show them.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace tessaro::app {

// UTF-8 text with every CR LF or lone CR turned into a line feed, and escaped as the terminal
// escapes it (message/ShownText.h): a control character as "\x1b", a code point that would
// disguise the line (a bidirectional override, a line separator) as "\u202e".
QString displayText(std::string_view text);

// A translated message for the core's feedback (UTF-8) with its "%1" replaced by a text of the
// core byte for byte, so a file name in another encoding reaches displayText as it is.
std::string withCoreText(const QString& message, std::string_view text);

// File names between the widgets and the core, in the file system's encoding.
std::filesystem::path toPath(const QString& fileName);
QString fromPath(const std::filesystem::path& path);

} // namespace tessaro::app
