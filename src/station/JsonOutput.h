// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JSON records and documents as one line each, written with Qt's JSON classes. Texts are the ones
// the terminal shows, line breaks as "\n" and control characters escaped, so a record reads as the
// human output does.

#include <QJsonArray>
#include <QJsonObject>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::station {

// The document as one line, without the line break.
std::string jsonLine(const QJsonObject& object);

// A message or a text from a printer or a file, as the terminal would show it.
QString jsonText(std::string_view text);
// Bytes as upper-case hex pairs: "1B 73 01".
std::string hexLine(std::string_view bytes);
// Commands as an array of hex lines, in order.
QJsonArray hexArray(const std::vector<std::string>& commands);

} // namespace tessaro::station
