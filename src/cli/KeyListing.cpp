#include "cli/KeyListing.h"

#include "workspace/Catalogue.h"

#include <algorithm>
#include <string_view>

namespace tessaro::cli {
namespace {

using namespace tessaro::workspace;

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == ':')) {
        text.remove_suffix(1);
    }
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    return std::string(text);
}

std::string frameCaption(const ControlSpec& def) {
    const auto frame = findFrame(def.frame);
    return frame ? trimmed(frames()[*frame].designCaption) : std::string(def.frame);
}

// The unit a slider's position counts in.
std::string stepText(const ControlSpec& def) {
    const std::string unit = trimmed(def.unit);
    switch (def.scale) {
    case Scale::Value:
        return unit;
    case Scale::Times5:
        return "steps of 5 " + unit;
    case Scale::Plus30:
        return unit + " above 30 " + unit;
    case Scale::Eighths:
        return "steps of 1/8 " + unit;
    case Scale::Quarters:
        return "steps of 1/4 " + unit;
    }
    return unit;
}

std::string entriesText(const ControlSpec& def) {
    std::string text;
    for (std::size_t i = 0; i < def.entries.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(i) + " " + trimmed(def.entries[i]);
    }
    return text;
}

std::string valuesAndMeaning(const ControlSpec& def, std::string& meaning) {
    const std::string factory = " (factory " + std::to_string(def.factory) + ")";
    switch (def.kind) {
    case ControlKind::Slider: {
        const std::string steps = stepText(def);
        meaning = frameCaption(def) + (steps.empty() ? "" : ", " + steps) + factory;
        if (def.key == "SliderMarkLength") {
            meaning += "; needs ENContPaper=False";
        }
        return std::to_string(def.min) + ".." + std::to_string(def.max);
    }
    case ControlKind::List:
        meaning = frameCaption(def) + ": " + entriesText(def) + factory;
        if (def.key == "serialhandshake") {
            meaning += "; needs irda=0";
        }
        return std::to_string(def.min) + ".." + std::to_string(def.max);
    case ControlKind::Option:
        meaning = frameCaption(def) + ": " + std::string(optionGroupCaption(def.group)) + " " +
                  std::string(def.text) + (def.factory != 0 ? " (factory)" : "");
        return "True";
    case ControlKind::CheckBox:
        meaning = std::string(def.text) + (def.factory != 0 ? " (factory True)" : "");
        return "True|False";
    }
    return "";
}

} // namespace

std::string keyListing() {
    constexpr std::size_t kColumn = 28;
    std::string text;
    for (const ControlSpec& def : controls()) {
        std::string meaning;
        std::string field = std::string(def.key) + "=" + valuesAndMeaning(def, meaning);
        field.resize(std::max(field.size() + 2, kColumn), ' ');
        text += field + meaning + "\n";
    }
    return text;
}

} // namespace tessaro::cli
