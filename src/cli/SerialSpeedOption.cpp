// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SerialSpeedOption.h"

#include "cli/TerminalText.h"
#include "detect/PortSelectionView.h"

#include <algorithm>
#include <iterator>

namespace tessaro::cli {

CLI::Validator serialSpeedValidator() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const auto& speeds = detect::kSpeedList;
            if (std::ranges::find(speeds, text) != std::end(speeds)) {
                return "";
            }
            std::string list;
            for (std::size_t i = 0; i < std::size(speeds); ++i) {
                list += i == 0 ? "" : i + 1 == std::size(speeds) ? " or " : ", ";
                list += std::string(speeds[i]);
            }
            return oneLine(text) + " is not a serial speed: use " + list;
        },
        "BAUD");
}

} // namespace tessaro::cli
