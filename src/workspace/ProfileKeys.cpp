// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/ProfileKeys.h"

#include <cctype>

namespace tessaro::workspace {
namespace {

// A parameter's keys are those of its controls, in catalogue order; the continuous-paper box
// is written beside the mark length under a key of its own.
std::vector<ProfileRow> buildRows() {
    std::vector<ProfileRow> rows;
    for (const Param p : kProfileOrder) {
        ProfileRow row{tabRow(parameter(p).tab).section, {}, p};
        for (const ControlSpec& c : controls()) {
            if (c.param == p && c.kind != ControlKind::CheckBox) {
                row.keys.push_back(c.key);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

std::span<const ProfileRow> profileRows() {
    static const std::vector<ProfileRow> kRows = buildRows();
    return kRows;
}

std::string_view configNameFromFileTitle(std::string_view fileTitle) {
    constexpr std::string_view kExtension = ".pcf";
    if (fileTitle.size() <= kExtension.size()) {
        return fileTitle;
    }
    const auto tail = fileTitle.substr(fileTitle.size() - kExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const auto c = static_cast<unsigned char>(tail[i]);
        if (std::tolower(c) != kExtension[i]) {
            return fileTitle;
        }
    }
    return fileTitle.substr(0, fileTitle.size() - kExtension.size());
}

} // namespace tessaro::workspace
