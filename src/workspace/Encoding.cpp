// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/Encoding.h"

#include "workspace/NumberText.h"

#include <cassert>

namespace tessaro::workspace {

ArgumentBytes oneByte(int n) {
    assert(n >= 0 && n <= 0xFF);
    return ArgumentBytes{{static_cast<std::uint8_t>(n), 0}, 1};
}

ArgumentBytes twoBytes(int u) {
    assert(u >= 0 && u <= 0xFFFF);
    return ArgumentBytes{{static_cast<std::uint8_t>(u / 256), static_cast<std::uint8_t>(u % 256)},
                         2};
}

namespace {

std::string scaledNumber(Scale scale, int v) {
    switch (scale) {
    case Scale::Value:
        return numberText(v);
    case Scale::Times5:
        return numberText(5LL * v);
    case Scale::Plus30:
        return numberText(v + 30LL);
    case Scale::Eighths:
        return numberText(v, 8);
    case Scale::Quarters:
        return numberText(2LL * v, 8);
    }
    return numberText(v);
}

// The speed rows send a period: microseconds per dot line at 8 dots per millimetre.
int periodOf(int mmPerSecond) {
    return 125000 / mmPerSecond;
}

} // namespace

std::string_view sliderCaptionPattern(const ControlSpec& slider, int v, bool continuousPaper) {
    if (slider.rule == ArgRule::MarkLength && continuousPaper) {
        return kContinuousPaperCaption;
    }
    return v == 1 && !slider.captionSingular.empty() ? slider.captionSingular : slider.caption;
}

std::string sliderNumberText(const ControlSpec& slider, int v) {
    return scaledNumber(slider.scale, v);
}

std::string sliderCaption(const ControlSpec& slider, int v, bool continuousPaper) {
    std::string caption(sliderCaptionPattern(slider, v, continuousPaper));
    if (const std::size_t at = caption.find("%1"); at != std::string::npos) {
        caption.replace(at, 2, sliderNumberText(slider, v));
    }
    return caption;
}

ArgumentValue sliderArgumentValue(const ControlSpec& slider, int v, bool continuousPaper) {
    switch (slider.rule) {
    case ArgRule::Intensity:
        return {(v + 60) * 128 / 60, 1};
    case ArgRule::Accel:
        return {(100 - v) * 255 / 100, 1};
    case ArgRule::Pause:
        return {2 * v, 1};
    case ArgRule::Period:
        return {periodOf(v), 2};
    case ArgRule::Dots:
        return {v, 2};
    case ArgRule::LengthMm:
        return {8 * v, 2};
    case ArgRule::TopOfForm:
        return {v < 0 ? v + 65536 : v, 2};
    case ArgRule::MarkLength:
        return {continuousPaper ? 0 : v, 1};
    default:
        return {v, 1};
    }
}

ArgumentBytes sliderArguments(const ControlSpec& slider, int v, bool continuousPaper) {
    const ArgumentValue argument = sliderArgumentValue(slider, v, continuousPaper);
    return argument.bytes == 2 ? twoBytes(argument.value) : oneByte(argument.value);
}

} // namespace tessaro::workspace
