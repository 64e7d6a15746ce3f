// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a control's position becomes its caption and its argument bytes.

#include "workspace/Catalogue.h"

#include <cstdint>
#include <string>

namespace tessaro::workspace {

// One or two argument bytes, high byte first.
struct ArgumentBytes {
    std::uint8_t bytes[2] = {0, 0};
    std::uint8_t size = 0;

    std::string text() const { return std::string(reinterpret_cast<const char*>(bytes), size); }
    bool operator==(const ArgumentBytes&) const = default;
};

ArgumentBytes oneByte(int n);
ArgumentBytes twoBytes(int u); // u = 256 n1 + n2

// Caption of the frame around a slider at value v. The mark-length slider's caption
// depends on the continuous-paper check box.
std::string sliderCaption(const ControlSpec& slider, int v, bool continuousPaper = false);
// The same caption in its two parts: the pattern, whose "%1" stands for the number text, and
// that number text. The window translates the pattern and fills in the same number text.
std::string_view sliderCaptionPattern(const ControlSpec& slider, int v,
                                      bool continuousPaper = false);
std::string sliderNumberText(const ControlSpec& slider, int v);

// The number a slider at value v sends, and in how many bytes (1, or 2 high byte first).
struct ArgumentValue {
    int value = 0;
    int bytes = 1;
    bool fits() const { return value >= 0 && value < (bytes == 2 ? 0x10000 : 0x100); }
};
ArgumentValue sliderArgumentValue(const ControlSpec& slider, int v, bool continuousPaper = false);

// Argument bytes of a slider at value v (sliders only; lists and options hold components).
ArgumentBytes sliderArguments(const ControlSpec& slider, int v, bool continuousPaper = false);

} // namespace tessaro::workspace
