// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the workspace as a .pcf profile: only the flagged parameters, into a fresh file.

#include "workspace/AtomicFile.h"
#include "workspace/ConfigFile.h"
#include "workspace/IniText.h"
#include "workspace/LinkRule.h"
#include "workspace/ProfileKeys.h"
#include "workspace/ValueText.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::workspace {
namespace {

std::string valueText(const Workspace& workspace, ControlId id) {
    if (control(id).kind == ControlKind::Option) {
        return std::string(truthText(workspace.value(id) != 0));
    }
    return std::to_string(workspace.value(id));
}

// A file nobody may write to counts as read only, also for root, who could write anyway.
bool isReadOnly(const struct stat& st, const std::filesystem::path& path) {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

SaveReport failed(const std::filesystem::path& path, message::Part reason) {
    return {SaveReport::Status::Failed,
            message::Message{message::MessageId::FileReason,
                             {message::Part::verbatim(path.string()), std::move(reason)}}};
}

SaveReport failed(const std::filesystem::path& path, message::Message reason) {
    return failed(path, message::Part::framed(std::move(reason)));
}

} // namespace

std::string profileText(const Workspace& workspace) {
    std::string text;
    for (const ProfileRow& row : profileRows()) {
        if (!workspace.isModified(row.param)) {
            continue;
        }
        for (const auto key : row.keys) {
            text = writeIniKey(text, row.section, key, valueText(workspace, controlId(key)));
        }
        if (row.param == Param::MarkLength) {
            text = writeIniKey(text, row.section, kContinuousPaperKey,
                               truthText(workspace.continuousPaper()));
        }
    }
    return text;
}

SaveReport Save_ConfigToFile(Workspace& workspace, const std::filesystem::path& path) {
    SaveReport report;
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        return failed(path, message::Message{message::MessageId::NotARegularFile, {}});
    }
    if (exists && isReadOnly(st, path)) {
        return {SaveReport::Status::ReadOnly,
                message::Message{message::MessageId::FileReadOnly,
                                 {message::Part::verbatim(path.string())}}};
    }
    // Through a symbolic link the file it points to is replaced, not the link, when the link
    // may be followed (workspace/LinkRule.h). A link to nothing is replaced itself: no file
    // is made where it points.
    if (auto refusal = exists ? linkRefusal(path) : std::nullopt) {
        return failed(path, std::move(*refusal));
    }
    std::error_code ec;
    const auto target = exists ? std::filesystem::canonical(path, ec) : path;
    const std::string content = profileText(workspace);
    if (content.empty()) {
        report.status = SaveReport::Status::Empty;
        if (exists && ::unlink(ec ? path.c_str() : target.c_str()) != 0) {
            return failed(path, message::Part::systemError(errno));
        }
        report.removed = exists;
    } else if (auto error = writeFileAtomically(ec ? path : target, content)) {
        return {SaveReport::Status::Failed, std::move(error)};
    }
    workspace.rebuildTitle(std::string(configNameFromFileTitle(path.filename().string())), true);
    workspace.clearUnsavedChanges();
    return report;
}

} // namespace tessaro::workspace
