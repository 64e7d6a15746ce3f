// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Identity.h"

#include "protocol/CommandTable.h"

#include <array>

namespace tessaro::protocol {
namespace {

struct Model {
    std::string_view code;
    int volts;
};

constexpr std::array<Model, 10> kModels{{
    {"R51", 5},
    {"R62", 24},
    {"R73", 24},
    {"R84", 24},
    {"R56", 5},
    {"R57", 5},
    {"R58", 5},
    {"KW ", 5},
    {"VDN", 5},
    {"RZ9", 24},
}};

// A status bit: its texts when set and clear, the flag it is reported as (true when the bit
// is set, or when it is clear for an inverted one), and whether that flag is a fault.
struct StatusBit {
    std::string_view set;
    std::string_view clear;
    std::string_view flag;
    bool inverted;
    bool fault;
};

constexpr std::array<StatusBit, 8> kStatusBits{{
    {"°C Head Problem", "°C Head OK", "head_temperature_fault", false, true},
    {"Head Up", "Head Down", "head_up", false, true},
    {"No Paper", "Paper", "paper_out", false, true},
    {"Vbat Problem", "Vbat Ok", "vbat_fault", false, true},
    {"Printing", "Ready", "printing", false, false},
    {"ON Line", "OFF Line", "online", false, false},
    {"Mark Error", "Mark OK", "mark_error", false, true},
    // bit 7 is set while the cutter is in order
    {"Cutter OK", "Cutter failure", "cutter_fault", true, true},
}};

// The identity as a panel shows it: without the terminating zero and what may follow it.
std::string_view shownIdentity(std::string_view identity) {
    return identity.substr(0, identity.find('\0'));
}

} // namespace

std::string modelCode(std::string_view identity) {
    const std::size_t start = identity.substr(0, 3) == "RZ " ? 3 : 0;
    return std::string(identity.substr(std::min(start, identity.size()), 3));
}

int powerVoltsOf(std::string_view identity) {
    const std::string code = modelCode(identity);
    for (const Model& model : kModels) {
        if (model.code == code) {
            return model.volts;
        }
    }
    return 24;
}

std::string statusText(std::uint8_t status) {
    std::string text = "  | ";
    for (std::size_t bit = 0; bit < kStatusBits.size(); ++bit) {
        const bool set = (status >> bit) & 1U;
        text += set ? kStatusBits[bit].set : kStatusBits[bit].clear;
        text += bit == 7 ? " |  " : " | ";
    }
    return text;
}

std::vector<StatusFlag> statusFlags(std::uint8_t status) {
    std::vector<StatusFlag> flags;
    for (std::size_t bit = 0; bit < kStatusBits.size(); ++bit) {
        const StatusBit& row = kStatusBits[bit];
        const bool set = (status >> bit) & 1U;
        flags.push_back({row.flag, set != row.inverted, row.fault, set ? row.set : row.clear});
    }
    return flags;
}

std::vector<StatusFlag> statusFaults(std::uint8_t status) {
    std::vector<StatusFlag> faults;
    for (const StatusFlag& flag : statusFlags(status)) {
        if (flag.fault && flag.raised) {
            faults.push_back(flag);
        }
    }
    return faults;
}

message::Failure DescribePrinter(std::string_view identity, link::SubCom& link,
                                 link::PrinterFacts& facts, protocol::UserFeedback& feedback) {
    link.discardInput();
    link.SendString(kChipsetQuery);
    const std::uint8_t chipset = link.ReceiveByte();
    if (message::Failure fault = link.transport().takeFault()) {
        return fault;
    }
    facts.PrinterFound = true;
    feedback.enablePrinterCommands(true);
    facts.Chipset5V = chipsetIs5V(chipset);
    facts.PowerVolts = powerVoltsOf(identity);
    facts.PrinterIdentity = std::string(shownIdentity(identity));
    return std::nullopt;
}

void AffichStatus(std::uint8_t& status, link::PrinterFacts& facts) {
    facts.PrinterStatusText = statusText(status);
}

} // namespace tessaro::protocol
