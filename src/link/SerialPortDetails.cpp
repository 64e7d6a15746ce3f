// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialPortDetails.h"

#include <QSerialPortInfo>
#include <cstdio>

namespace tessaro::link {

std::string describeSerialPort(const SerialPortFacts& facts) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (!part.empty()) {
            text += (text.empty() ? "" : ", ") + part;
        }
    };
    if (facts.vendorId && facts.productId) {
        char ids[16];
        std::snprintf(ids, sizeof ids, "%04x:%04x", *facts.vendorId, *facts.productId);
        add(std::string("USB ") + ids);
    }
    std::string name = facts.description;
    if (!facts.manufacturer.empty() && name.find(facts.manufacturer) == std::string::npos) {
        name += (name.empty() ? "" : " ") + ("(" + facts.manufacturer + ")");
    }
    add(name);
    add(facts.serialNumber.empty() ? "" : "serial " + facts.serialNumber);
    add(facts.stableName);
    return text;
}

std::string stableNameOf(const std::string& device, const std::filesystem::path& folder) {
    std::error_code error;
    const auto target = std::filesystem::canonical(device, error);
    if (error) {
        return "";
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code linkError;
        if (entry.is_symlink(linkError) &&
            std::filesystem::canonical(entry.path(), linkError) == target && !linkError) {
            return entry.path().string();
        }
    }
    return "";
}

SerialPortFacts serialPortFacts(const std::string& device) {
    SerialPortFacts facts;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        if (port.systemLocation().toStdString() != device) {
            continue;
        }
        if (port.hasVendorIdentifier() && port.hasProductIdentifier()) {
            facts.vendorId = port.vendorIdentifier();
            facts.productId = port.productIdentifier();
        }
        facts.description = port.description().toStdString();
        facts.manufacturer = port.manufacturer().toStdString();
        facts.serialNumber = port.serialNumber().toStdString();
    }
    facts.stableName = stableNameOf(device);
    return facts;
}

} // namespace tessaro::link
