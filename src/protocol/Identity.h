// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the printer's replies say: its model and supply voltage from the identity text, its
// chipset voltage, a status byte spelled out, and the status bar that describes it.

#include "link/Session.h"
#include "link/SubCom.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::protocol {

// The model code: characters 4 to 6 after the family prefix "RZ ", else characters 1 to 3.
std::string modelCode(std::string_view identity);
// The supply voltage of the model: 5 or 24 (24 for any code the table does not know).
int powerVoltsOf(std::string_view identity);
// A status byte spelled out, bit 0 first ("  | °C Head OK | Head Down | ... |  ").
std::string statusText(std::uint8_t status);

// One bit of a status byte as a flag: "paper_out" raised, a fault.
struct StatusFlag {
    std::string_view name;
    bool raised;
    bool fault;
};
// Every bit of status as a flag, bit 0 first.
std::vector<StatusFlag> statusFlags(std::uint8_t status);
// The raised flags that are faults: the head too hot, the head up, no paper, the supply,
// a mark error, the cutter.
std::vector<StatusFlag> statusFaults(std::uint8_t status);
// The faults of status named as the status text names them, one after another ("No Paper,
// Cutter failure"), or nothing when it reports none.
message::Failure faultsOf(std::uint8_t status);

// Whether a reply to the identity request comes from a printer: its text, up to the
// terminating zero, is printable and at least a model code long. A line held low (endless zeros), a
// line at the wrong speed (every byte 0xFF), a device that reads as random bytes and a parallel
// port nobody answers on do not: a control character, a byte that is not UTF-8 or an empty text is
// no identity. A reply cut off inside its last character still is one.
bool isPrinterIdentity(std::string_view reply);

// The chipset answers GS S C with bit 6 set when it runs at 5 V.
inline bool chipsetIs5V(std::uint8_t reply) {
    return (reply & 0x40) != 0;
}

// The last step of a successful detection, while the port is still open: asks the chipset
// voltage, derives the supply voltage and marks the printer found (the window then offers the
// printer commands); the detection shows the printer in the status bar (detect::Detection).
// Returns nothing, or the fault the link raised meanwhile (the printer is then not described:
// its chipset was never heard).
message::Failure DescribePrinter(std::string_view identity, link::SubCom& link,
                                 link::PrinterFacts& facts);

// Spells out status into facts.PrinterStatusText.
void AffichStatus(std::uint8_t& status, link::PrinterFacts& facts);

} // namespace tessaro::protocol
