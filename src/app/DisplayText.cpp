// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayText.h"

#include "message/ShownText.h"

#include <QFile>

namespace tessaro::app {

QString displayText(std::string_view text) {
    return QString::fromStdString(message::shownText(text));
}

std::string withCoreText(const QString& message, std::string_view text) {
    std::string shown = message.toStdString();
    if (const std::size_t at = shown.find("%1"); at != std::string::npos) {
        shown.replace(at, 2, text);
    }
    return shown;
}

std::filesystem::path toPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace tessaro::app
