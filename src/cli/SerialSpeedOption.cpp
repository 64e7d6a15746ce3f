// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SerialSpeedOption.h"

#include "detect/PortSelectionView.h"
#include "message/ShownText.h"

#include <algorithm>
#include <iterator>

namespace tessaro::cli {

std::vector<std::string_view> serialSpeedChoices(bool takesAuto) {
    std::vector<std::string_view> choices;
    if (takesAuto) {
        choices.push_back(station::kAnySpeed);
    }
    choices.insert(choices.end(), std::begin(detect::kSpeedList), std::end(detect::kSpeedList));
    return choices;
}

CLI::Validator serialSpeedValidator(bool takesAuto) {
    return CLI::Validator(
        [takesAuto](std::string& text) -> std::string {
            const std::vector<std::string_view> choices = serialSpeedChoices(takesAuto);
            if (std::ranges::find(choices, text) != choices.end()) {
                return "";
            }
            std::string list;
            for (std::size_t i = 0; i < choices.size(); ++i) {
                list += i == 0 ? "" : i + 1 == choices.size() ? " or " : ", ";
                list += std::string(choices[i]);
            }
            return message::oneLine(text) + " is not a serial speed: use " + list;
        },
        takesAuto ? "BAUD|auto" : "BAUD", std::string(takesAuto ? kSpeedOrAutoCheck : kSpeedCheck));
}

} // namespace tessaro::cli
