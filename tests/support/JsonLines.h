// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a program printed or logged as JSON, read back with Qt's JSON classes: one document,
// or the records among the lines of a text.

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace tessaro::test {

// The object the text holds; an empty one when it holds none.
inline QJsonObject jsonOf(const std::string& text) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// The records among the lines: every line that starts as one must be a whole one.
inline std::vector<QJsonObject> jsonLines(const std::string& text) {
    std::vector<QJsonObject> records;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("{")) {
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line));
            EXPECT_TRUE(doc.isObject()) << "not a whole record: " << line;
            records.push_back(doc.object());
        }
    }
    return records;
}

} // namespace tessaro::test
