// SPDX-License-Identifier: GPL-3.0-or-later
// A unit's JSON record (the --json output, the audit log's lines) with text of any content
// from a printer, a port name and a file: the record is one line of valid JSON, and each text
// reads back as the terminal shows it: escaped once and for all (escaping it again changes
// nothing), with no control character but the line feed and the tab, and no code point that
// disguises a line.
//
// The input is the identity; its halves are the port and the message, its reverse the
// device and a warning.

#include "FuzzSupport.h"
#include "message/ShownText.h"
#include "station/JsonOutput.h"
#include "station/UnitReport.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tessaro;
using fuzz::fail;
using fuzz::shown;

void readsBack(const char* key, const QJsonValue& value, const std::string& given) {
    const QString expected = QString::fromStdString(message::shownText(given));
    if (value.toString() != expected) {
        fail(std::string(key) + " \"" + shown(given) + "\" reads back as \"" +
             shown(value.toString().toStdString()) + "\"");
    }
    const std::string back = value.toString().toStdString();
    if (message::shownText(back) != back) {
        fail(std::string(key) + " \"" + shown(given) + "\" is not escaped once and for all");
    }
    for (const QChar c : value.toString()) {
        const char32_t u = c.unicode();
        if ((u < 0x20 && u != '\n' && u != '\t') || (u >= 0x7F && u < 0xA0) ||
            message::disguises(u)) {
            fail(std::string(key) + " \"" + shown(given) + "\" keeps a character it must escape");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    station::UnitReport report;
    report.identity = text;
    report.port = text.substr(0, size / 2);
    report.message = text.substr(size / 2);
    report.device = std::string(text.rbegin(), text.rend());
    report.warnings = {report.device};
    report.sent = {text};
    const std::string line = station::jsonLine(station::toJson(report));
    if (line.find('\n') != std::string::npos) {
        fail("the record of \"" + shown(text) + "\" is more than one line");
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        fail("the record of \"" + shown(text) +
             "\" is no JSON object: " + error.errorString().toStdString());
    }
    const QJsonObject record = document.object();
    readsBack("identity", record.value("identity"), text);
    readsBack("port", record.value("port"), report.port);
    readsBack("message", record.value("message"), report.message);
    if (!report.device.empty()) {
        readsBack("device", record.value("device"), report.device);
    }
    readsBack("warning", record.value("warnings").toArray().at(0), report.device);
    if (record.value("sent").toArray().at(0).toString().toStdString() != station::hexLine(text)) {
        fail("the bytes sent of \"" + shown(text) + "\" read back otherwise");
    }
    return 0;
}
