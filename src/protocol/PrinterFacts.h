#pragma once
// What the program knows of the printer, from the last detection until the next.

#include <string>

namespace tessaro::protocol {

struct PrinterFacts {
    bool PrinterFound = false;
    bool Chipset5V = false;
    int PowerVolts = 0;            // 5 or 24 once a printer was described
    std::string PrinterIdentity;   // the identity text without its terminating zero
    std::string PrinterStatusText; // a status byte spelled out
};

// The status bar panel where a transmission shows its progress (the fourth).
inline constexpr int kStatusPanel = 3;

} // namespace tessaro::protocol
