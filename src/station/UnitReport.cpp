// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/UnitReport.h"

#include "protocol/Identity.h"
#include "station/JsonOutput.h"
#include "station/PrinterSession.h"

#include <QJsonArray>
#include <charconv>

namespace tessaro::station {
namespace {

QString linkWord(link::LinkKind kind) {
    const std::string_view word = link::linkKind(kind).jsonWord;
    return QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
}

template <typename T, typename Convert>
QJsonValue orNull(const std::optional<T>& value, Convert convert) {
    return value ? QJsonValue(convert(*value)) : QJsonValue(QJsonValue::Null);
}

QJsonValue statusJson(const std::optional<std::uint8_t>& status) {
    if (!status) {
        return QJsonValue::Null;
    }
    QJsonObject flags;
    for (const protocol::StatusFlag& flag : protocol::statusFlags(*status)) {
        flags.insert(QString::fromUtf8(flag.name.data(), static_cast<qsizetype>(flag.name.size())),
                     flag.raised);
    }
    return flags;
}

QJsonArray faultsJson(const std::optional<std::uint8_t>& status) {
    QJsonArray faults;
    for (const protocol::StatusFlag& flag : protocol::statusFaults(status.value_or(0x80))) {
        faults.append(
            QString::fromUtf8(flag.name.data(), static_cast<qsizetype>(flag.name.size())));
    }
    return faults;
}

QJsonArray textArray(const std::vector<std::string>& texts) {
    QJsonArray array;
    for (const std::string& text : texts) {
        array.append(jsonText(text));
    }
    return array;
}

// The speed of a link with line settings, when it has one.
std::optional<int> serialSpeed(PrinterSession& session) {
    if (!session.currentPort().row().lineSettings) {
        return std::nullopt;
    }
    int speed = 0;
    const std::string& text = session.link().settings().PortSpeed;
    if (std::from_chars(text.data(), text.data() + text.size(), speed).ec != std::errc{}) {
        return std::nullopt;
    }
    return speed;
}

} // namespace

void describeSession(UnitReport& report, PrinterSession& session) {
    const link::PrinterFacts& facts = session.facts();
    report.link = session.currentPort().kind();
    report.device = session.device();
    report.speed = serialSpeed(session);
    report.handshake.reset();
    if (report.speed) {
        report.handshake = session.link().settings().PortHandshake;
    }
    if (facts.PrinterFound) {
        report.identity = facts.PrinterIdentity;
        report.chipset5V = facts.Chipset5V;
        report.supplyVolts = facts.PowerVolts;
        report.statusByte = facts.StatusByte;
    }
}

void describeSpeedAfter(UnitReport& report, PrinterSession& session) {
    if (const std::optional<int> now = serialSpeed(session); now && now != report.speed) {
        report.speedAfter = now;
    }
}

QJsonObject toJson(const UnitReport& report) {
    const auto text = [](const std::string& value) { return jsonText(value); };
    QJsonObject object;
    object.insert("port", jsonText(report.port));
    object.insert("label", orNull(report.label, text));
    object.insert("device", report.device.empty() ? QJsonValue(QJsonValue::Null)
                                                  : QJsonValue(jsonText(report.device)));
    object.insert("link", orNull(report.link, linkWord));
    const auto number = [](int value) { return value; };
    object.insert("speed", orNull(report.speed, number));
    object.insert("speed_after", orNull(report.speedAfter, number));
    object.insert("handshake", orNull(report.handshake, [](int handshake) {
                      return QString(handshake == 1 ? "xonxoff" : "hardware");
                  }));
    object.insert("identity", orNull(report.identity, text));
    object.insert("model", orNull(report.identity, [](const std::string& identity) {
                      return jsonText(protocol::modelCode(identity));
                  }));
    object.insert("chipset_volts",
                  orNull(report.chipset5V, [](bool is5V) { return is5V ? 5.0 : 3.3; }));
    object.insert("supply_volts", orNull(report.supplyVolts, number));
    object.insert("status_byte", orNull(report.statusByte, [](std::uint8_t byte) { return byte; }));
    object.insert("status", statusJson(report.statusByte));
    object.insert("faults", faultsJson(report.statusByte));
    object.insert("result", QString::fromUtf8(resultWord(report.outcome).data()));
    object.insert("message", jsonText(report.message));
    object.insert("message_id", report.messageId.empty()
                                    ? QJsonValue(QJsonValue::Null)
                                    : QJsonValue(QString::fromUtf8(
                                          report.messageId.data(),
                                          static_cast<qsizetype>(report.messageId.size()))));
    object.insert("warnings", textArray(report.warnings));
    object.insert("log_error", report.logError.empty() ? QJsonValue(QJsonValue::Null)
                                                       : QJsonValue(jsonText(report.logError)));
    object.insert("sent", hexArray(report.sent));
    object.insert("duration_ms", static_cast<qint64>(report.durationMs));
    return object;
}

} // namespace tessaro::station
