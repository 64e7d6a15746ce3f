// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a .pcf profile into the workspace: the factory settings first, then every valid key
// of the file through the apply step of its control.

#include "workspace/ConfigFile.h"
#include "workspace/IniText.h"
#include "workspace/ProfileKeys.h"
#include "workspace/TextFile.h"
#include "workspace/ValueText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tessaro::workspace {
namespace {

using message::Message;
using message::MessageId;
using message::Part;

constexpr std::size_t kShownValueLength = 40;

// A value as a message may show it: no control characters, not overly long.
std::string printable(std::string_view value) {
    std::string shown;
    for (const char c : value.substr(0, kShownValueLength)) {
        const auto u = static_cast<unsigned char>(c);
        shown += (u < 0x20 || u == 0x7F) ? '?' : c;
    }
    if (value.size() > kShownValueLength) {
        shown += "...";
    }
    return shown;
}

std::vector<IniKeyRef> wantedKeys() {
    std::vector<IniKeyRef> wanted;
    for (const ProfileRow& row : profileRows()) {
        for (const auto key : row.keys) {
            wanted.push_back({std::string(row.section), std::string(key)});
        }
        if (row.param == Param::MarkLength) {
            wanted.push_back({std::string(row.section), std::string(kContinuousPaperKey)});
        }
    }
    return wanted;
}

std::vector<std::string_view> profileSections() {
    std::vector<std::string_view> sections;
    for (const ProfileRow& row : profileRows()) {
        if (std::ranges::find(sections, row.section) == sections.end()) {
            sections.push_back(row.section);
        }
    }
    return sections;
}

class Loader {
  public:
    Loader(Workspace& workspace, std::vector<std::string> values, LoadReport& report)
        : workspace_(workspace), values_(std::move(values)), report_(report) {}

    void applyAll() {
        for (const ProfileRow& row : profileRows()) {
            if (row.param == Param::PrintMode) {
                applyPrintMode(row.keys);
            } else {
                for (const auto key : row.keys) {
                    applyKey(key, next());
                }
            }
            if (row.param == Param::MarkLength) {
                applyContinuousPaper(next());
            }
        }
    }

  private:
    const std::string& next() { return values_.at(cursor_++); }

    void skip(std::string_view key, std::string_view value) {
        report_.skipped.push_back(Message::shown(keyValue(key, value)));
    }

    static std::string keyValue(std::string_view key, std::string_view value) {
        return std::string(key) + "=" + printable(value);
    }

    void applyKey(std::string_view key, const std::string& value) {
        if (value.empty()) {
            return; // missing: the factory value stays
        }
        const ControlId id = controlId(key);
        const ControlSpec& def = control(id);
        const auto number = parseWholeNumber(value);
        if (!number || *number < def.min || *number > def.max) {
            skip(key, value);
            return;
        }
        if (def.kind == ControlKind::Slider) {
            workspace_.setSlider(id, *number, ChangeSource::Program);
            workspace_.MarkWorkspaceModified();
        } else {
            workspace_.selectListEntry(id, *number);
        }
    }

    void applyContinuousPaper(const std::string& value) {
        if (value.empty()) {
            return;
        }
        if (const auto checked = parseTruth(value)) {
            workspace_.setContinuousPaper(*checked);
        } else {
            skip(kContinuousPaperKey, value);
        }
    }

    // The eight option keys count only when height1 is present. They are set in file order
    // as option buttons behave: setting one selects it in its group, clearing the selected
    // one leaves its group without a selection. A key missing or not valid counts as False.
    void applyPrintMode(std::span<const std::string_view> keys) {
        std::array<std::optional<ControlId>, 4> selected{};
        for (const auto key : keys) {
            const ControlId id = controlId(key);
            if (workspace_.value(id) != 0) {
                selected[static_cast<std::size_t>(control(id).group)] = id;
            }
        }
        const std::size_t first = cursor_;
        cursor_ += keys.size();
        if (values_[first].empty()) {
            skipWithoutHeight1(keys, first);
            return;
        }
        if (!parseTruth(values_[first])) {
            skip(keys[0], values_[first]);
            return;
        }
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const std::string& text = values_[first + k];
            const auto state = parseTruth(text);
            if (!text.empty() && !state) {
                skip(keys[k], text);
            }
            const ControlId id = controlId(keys[k]);
            auto& slot = selected[static_cast<std::size_t>(control(id).group)];
            if (state.value_or(false)) {
                slot = id;
            } else if (slot == id) {
                slot.reset();
            }
        }
        if (!selected[1] || !selected[2] || !selected[3]) {
            report_.skipped.push_back({MessageId::PrintModeIncomplete,
                                       {Part::verbatim(std::string(keys.front())),
                                        Part::verbatim(std::string(keys.back()))}});
            return;
        }
        for (const auto key : keys) {
            const ControlId id = controlId(key);
            if (selected[static_cast<std::size_t>(control(id).group)] == id) {
                workspace_.selectOption(id);
            }
        }
    }

    // The other print-mode keys mean nothing without height1: name each one given.
    void skipWithoutHeight1(std::span<const std::string_view> keys, std::size_t first) {
        for (std::size_t k = 1; k < keys.size(); ++k) {
            if (const std::string& text = values_[first + k]; !text.empty()) {
                report_.skipped.push_back({MessageId::PrintModeKeyAlone,
                                           {Part::verbatim(keyValue(keys[k], text)),
                                            Part::verbatim(std::string(keys[0]))}});
            }
        }
    }

    Workspace& workspace_;
    std::vector<std::string> values_;
    LoadReport& report_;
    std::size_t cursor_ = 0;
};

// The file named on the first line, then each key skipped on a line of its own.
std::optional<Message> warningFor(const std::filesystem::path& path,
                                  const std::vector<Message>& skipped) {
    if (skipped.empty()) {
        return std::nullopt;
    }
    Message warning{MessageId::ProfileKeysSkipped, {Part::verbatim(path.string())}};
    for (const Message& item : skipped) {
        warning = {MessageId::SkippedKeyOnItsLine,
                   {Part::framed(std::move(warning)), Part::framed(item)}};
    }
    return warning;
}

void nameAfterFile(Workspace& workspace, const std::filesystem::path& path) {
    workspace.clearUnsavedChanges();
    workspace.rebuildTitle(std::string(configNameFromFileTitle(path.filename().string())));
}

} // namespace

LoadReport LoadConfig(Workspace& workspace, const std::filesystem::path& path) {
    return LoadConfig(workspace, path, readTextFile(path));
}

LoadReport LoadConfig(Workspace& workspace, const std::filesystem::path& path,
                      const TextFile& file) {
    LoadReport report;
    if (file.status == TextFile::Status::Unreadable) {
        report.status = LoadReport::Status::Unreadable;
        report.error = file.error;
        return report;
    }
    workspace.defaultparam_Click();
    if (file.status == TextFile::Status::Missing) {
        report.status = LoadReport::Status::Missing;
        report.error = file.error;
    } else {
        const std::string text = profileBytes(file.text);
        report.empty = text.find_first_not_of(" \t\r\n") == std::string::npos;
        report.profileSections = hasIniSection(text, profileSections());
        const auto wanted = wantedKeys();
        Loader(workspace, readIniKeys(text, wanted), report).applyAll();
        report.warning = warningFor(path, report.skipped);
    }
    nameAfterFile(workspace, path);
    return report;
}

} // namespace tessaro::workspace
