// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/PrinterModel.h"

#include <stdexcept>

namespace tessaro::sim {
namespace {

constexpr std::uint8_t kChipset5V = 0x40;
constexpr std::uint8_t kNotStored = 0x01; // the answer when the memory cannot be written

SerialSettings initialSettings(const PrinterConfig& config) {
    const auto code = codeOfBaud(config.baud, config.chipset5V);
    if (!code) {
        throw std::invalid_argument("a " + std::string(config.chipset5V ? "5 V" : "3.3 V") +
                                    " chipset cannot run at " + std::to_string(config.baud) +
                                    " bit/s");
    }
    return {*code, config.hardwareHandshake, config.ir};
}

ReplyFaults faultsOf(const PrinterConfig& config) {
    return {config.silent, std::max(0, config.replyDelayMs), config.garbage, config.endless,
            config.lineLow};
}

// "Setting max speed (GS s n1 n2)" -> "Setting max speed"
std::string_view description(const protocol::CommandRow& row) {
    return row.statusText.substr(0, row.statusText.find(" ("));
}

} // namespace

PrinterModel::PrinterModel(PrinterConfig config, link::Clock& clock, Log log)
    : config_(std::move(config)), log_(std::move(log)), replies_(clock, faultsOf(config_)),
      serial_(initialSettings(config_)), status_(config_.status) {
    if (config_.stateFile.empty()) {
        return;
    }
    if (const auto memory = loadMemory(config_.stateFile)) {
        serial_ = memory->serial;
        stored_ = memory->defaults;
    }
}

void PrinterModel::receive(std::string_view bytes) {
    for (const char byte : bytes) {
        if (const auto command = parser_.feed(byte)) {
            handle(*command);
        }
    }
}

std::size_t PrinterModel::receiveAtSpeed(std::string_view bytes, int senderBaud) {
    std::size_t heard = 0;
    for (const char byte : bytes) {
        if (senderBaud == baud()) {
            receive(std::string_view(&byte, 1));
            ++heard;
        }
    }
    return heard;
}

std::size_t PrinterModel::replyReady() {
    return replies_.ready();
}

std::string PrinterModel::takeReply(std::size_t max) {
    return replies_.take(max);
}

std::string PrinterModel::takeReplyAt(std::size_t max, int hostBaud) {
    return replies_.take(max, hostBaud);
}

int PrinterModel::baud() const {
    return baudOfCode(serial_.speedCode, config_.chipset5V);
}

std::uint8_t PrinterModel::settingsByte() const {
    return serial_.byte();
}

void PrinterModel::handle(const Command& command) {
    switch (command.kind) {
    case CommandKind::Parameter:
        return setParameter(command);
    case CommandKind::Save:
        return save(command);
    case CommandKind::Identity:
        return answer(command, "identity request -> " + config_.identity, config_.identity + '\0');
    case CommandKind::Status:
        return answerByte(command, "status request", status_);
    case CommandKind::ChipsetQuery:
        if (config_.chipsetReplyMissing) {
            return log(commandText(command) + "  chipset query, not answered");
        }
        return answerByte(command, "chipset query", config_.chipset5V ? kChipset5V : 0);
    case CommandKind::SettingsQuery:
        return answerByte(command, "serial settings query", settingsByte());
    case CommandKind::Cancel:
        return log(commandText(command) + "  cancel");
    case CommandKind::WakeUp:
        return log(commandText(command) + "  wake-up, ignored");
    case CommandKind::Unknown:
        return log(commandText(command) + "  unknown, skipped");
    }
}

void PrinterModel::setParameter(const Command& command) {
    received_[command.code] = command.argument;
    std::string line = commandText(command) + "  " + std::string(description(*command.row));
    if (command.row->param == workspace::Param::Serial) {
        serial_ = SerialSettings::fromByte(static_cast<std::uint8_t>(command.argument[0]));
        line += " -> " + describeSettings(serial_, config_.chipset5V);
    }
    log(line);
}

void PrinterModel::answer(const Command& command, const std::string& note,
                          const std::string& reply) {
    const bool sent = replies_.push(reply, baud());
    const char* fault = !sent ? " (not sent: silent)" : config_.garbage ? " (sent garbled)" : "";
    log(commandText(command) + "  " + note + fault);
}

void PrinterModel::answerByte(const Command& command, const std::string& what, std::uint8_t reply) {
    const std::string byte(1, static_cast<char>(reply));
    answer(command, what + " -> " + hexBytes(byte), byte);
}

void PrinterModel::save(const Command& command) {
    if (config_.saveReplyMissing) {
        return log(commandText(command) + "  save -> no reply, not stored");
    }
    if (config_.saveReply != 0) {
        return answerByte(command, "save, not stored", config_.saveReply);
    }
    if (const std::string error = store(); !error.empty()) {
        return answerByte(command, "save failed (" + error + ")", kNotStored);
    }
    answerByte(command, "save", 0);
}

// Stores the parameters received over the defaults; "" when they are stored.
std::string PrinterModel::store() {
    PrinterMemory memory{serial_, stored_};
    for (const auto& [code, argument] : received_) {
        memory.defaults[code] = argument;
    }
    if (!config_.stateFile.empty()) {
        if (std::string error = saveMemory(config_.stateFile, memory); !error.empty()) {
            return error;
        }
    }
    stored_ = std::move(memory.defaults);
    return "";
}

void PrinterModel::log(std::string line) const {
    if (log_) {
        log_(std::move(line));
    }
}

} // namespace tessaro::sim
