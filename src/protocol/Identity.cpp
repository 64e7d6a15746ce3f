// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Identity.h"

#include "message/ShownText.h"
#include "protocol/CommandTable.h"

#include <array>
#include <optional>

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

using message::MessageId;

// A status bit: its texts when set and clear, the flag it is reported as (true when the bit
// is set, or when it is clear for an inverted one), and the message naming the fault when that
// flag is one (none for a flag that is no fault).
struct StatusBit {
    std::string_view set;
    std::string_view clear;
    std::string_view flag;
    bool inverted;
    std::optional<MessageId> fault;
};

constexpr std::array<StatusBit, 8> kStatusBits{{
    {"°C Head Problem", "°C Head OK", "head_temperature_fault", false,
     MessageId::FaultHeadTemperature},
    {"Head Up", "Head Down", "head_up", false, MessageId::FaultHeadUp},
    {"No Paper", "Paper", "paper_out", false, MessageId::FaultNoPaper},
    {"Vbat Problem", "Vbat Ok", "vbat_fault", false, MessageId::FaultSupply},
    {"Printing", "Ready", "printing", false, std::nullopt},
    {"ON Line", "OFF Line", "online", false, std::nullopt},
    {"Mark Error", "Mark OK", "mark_error", false, MessageId::FaultMark},
    // bit 7 is set while the cutter is in order
    {"Cutter OK", "Cutter failure", "cutter_fault", true, MessageId::FaultCutter},
}};

// The identity as a panel shows it: without the terminating zero and what may follow it.
std::string_view shownIdentity(std::string_view identity) {
    return identity.substr(0, identity.find('\0'));
}

} // namespace

bool isPrinterIdentity(std::string_view reply) {
    // at least a model code: a printable byte before a zero is no name
    constexpr std::size_t kShortest = 3;
    const std::string_view text = shownIdentity(reply);
    if (text.size() < kShortest) {
        return false;
    }
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F) {
            ++i;
        } else if (const std::size_t length =
                       byte >= 0x80 ? message::utf8Length(text.substr(i)) : 0) {
            i += length;
        } else {
            // a character cut off at the end of a reply that was not ended still counts
            return byte >= 0xC2 && i > 0 && text.size() == reply.size() && text.size() - i < 4;
        }
    }
    return true;
}

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
        flags.push_back({row.flag, set != row.inverted, row.fault.has_value()});
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

message::Failure faultsOf(std::uint8_t status) {
    message::Failure said;
    // from the last fault to the first, each framing the ones after it
    for (std::size_t bit = kStatusBits.size(); bit-- > 0;) {
        const StatusBit& row = kStatusBits[bit];
        const bool raised = (((status >> bit) & 1U) != 0) != row.inverted;
        if (!row.fault || !raised) {
            continue;
        }
        message::Message fault(*row.fault);
        said = said ? message::Message(MessageId::OneAndNext,
                                       {message::Part::framed(fault), message::Part::framed(*said)})
                    : fault;
    }
    return said;
}

message::Failure DescribePrinter(std::string_view identity, link::SubCom& link,
                                 link::PrinterFacts& facts) {
    link.discardInput();
    link.SendString(kChipsetQuery);
    // A chipset that does not answer is unknown, not taken for one or the other: the speeds
    // whose codes differ between them are then not sent.
    const std::optional<std::uint8_t> chipset = link.ReceiveByte(kIdentityWaitMs);
    if (message::Failure fault = link.transport().takeFault()) {
        return fault;
    }
    facts.PrinterFound = true;
    facts.Chipset5V = chipset ? std::optional(chipsetIs5V(*chipset)) : std::nullopt;
    facts.PowerVolts = powerVoltsOf(identity);
    facts.PrinterIdentity = std::string(shownIdentity(identity));
    return std::nullopt;
}

void AffichStatus(std::uint8_t& status, link::PrinterFacts& facts) {
    facts.PrinterStatusText = statusText(status);
}

} // namespace tessaro::protocol
