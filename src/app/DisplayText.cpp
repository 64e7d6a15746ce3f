// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayText.h"

#include "workspace/ShownText.h"

#include <QFile>

namespace tessaro::app {

QString displayText(std::string_view text) {
    return QString::fromStdString(workspace::shownText(text, workspace::LineBreaks::Keep));
}

std::filesystem::path toPath(const QString& fileName) {
    return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace tessaro::app
