// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PortsCommand.h"

#include "cli/PrintJson.h"
#include "link/PortMap.h"
#include "link/SerialPortDetails.h"
#include "message/ShownText.h"
#include "station/JsonOutput.h"

#include <cstdio>

namespace tessaro::cli {
namespace {

QJsonValue textOrNull(const std::string& text) {
    return text.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(station::jsonText(text));
}

QJsonValue idOrNull(const std::optional<std::uint16_t>& id) {
    return id ? QJsonValue(QString::asprintf("%04x", *id)) : QJsonValue(QJsonValue::Null);
}

QJsonObject portJson(const link::PortLine& line, const link::SerialPortFacts& facts) {
    QJsonObject port;
    port.insert("port", QString::fromStdString(line.name));
    const std::string_view word = line.port.row().jsonWord;
    port.insert("link", QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
    port.insert("device", textOrNull(line.device));
    port.insert("present", line.present);
    port.insert("vendor_id", idOrNull(facts.vendorId));
    port.insert("product_id", idOrNull(facts.productId));
    port.insert("description", textOrNull(facts.description));
    port.insert("manufacturer", textOrNull(facts.manufacturer));
    port.insert("serial_number", textOrNull(facts.serialNumber));
    port.insert("by_id", textOrNull(facts.stableName));
    return port;
}

} // namespace

CLI::App* addPortsCommand(CLI::App& app, bool& json) {
    CLI::App* ports = app.add_subcommand(
        "ports", "List COM1..COM6, USB1..USB4, LPT1 and LPT2 with the device each "
                 "stands for (TESSARO_COMn, TESSARO_USBn, TESSARO_LPTn override them)");
    ports->add_flag("--json", json, "print the ports as one JSON object");
    return ports;
}

int runPorts(bool json) {
    QJsonArray all;
    for (const auto& line : link::PortMap::fromSystem().lines()) {
        // A USB-serial adapter by what the system knows of it.
        const link::SerialPortFacts facts = line.present && line.port.row().lineSettings
                                                ? link::serialPortFacts(line.device)
                                                : link::SerialPortFacts{};
        if (json) {
            all.append(portJson(line, facts));
            continue;
        }
        std::printf("%-5s %-24s %s", line.name.c_str(),
                    line.device.empty() ? "-" : message::oneLine(line.device).c_str(),
                    line.present ? "present" : "absent");
        const std::string details = link::describeSerialPort(facts);
        std::printf("%s\n", details.empty() ? "" : ("  " + message::oneLine(details)).c_str());
    }
    if (json) {
        printJson(QJsonObject{{"ports", all}});
    }
    return 0;
}

} // namespace tessaro::cli
