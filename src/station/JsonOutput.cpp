// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/JsonOutput.h"

#include "message/ShownText.h"

#include <QJsonDocument>

namespace tessaro::station {

std::string jsonLine(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

QString jsonText(std::string_view text) {
    return QString::fromStdString(message::shownText(text));
}

std::string hexLine(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))
        .toHex(' ')
        .toUpper()
        .toStdString();
}

QJsonArray hexArray(const std::vector<std::string>& commands) {
    QJsonArray array;
    for (const std::string& command : commands) {
        array.append(QString::fromStdString(hexLine(command)));
    }
    return array;
}

} // namespace tessaro::station
