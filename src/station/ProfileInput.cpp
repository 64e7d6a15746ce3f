// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/ProfileInput.h"

#include "message/English.h"
#include "message/ShownText.h"
#include "workspace/ConfigFile.h"

namespace tessaro::station {

message::Message cannotRead(const workspace::LoadReport& report, const std::string& file) {
    return {message::MessageId::CannotReadFile,
            {message::Part::framed(
                report.error.value_or(message::Message::shown(message::oneLine(file))))}};
}

std::shared_ptr<const ProfileRead> readProfile(const std::string& path) {
    auto read = std::make_shared<ProfileRead>();
    read->file = workspace::readTextFile(path);
    read->stamp = stampProfile(path, read->file);
    return read;
}

ProfileToSend loadProfileToSend(workspace::Workspace& ws, const std::string& file,
                                const ProfileRead& read) {
    const workspace::LoadReport report = workspace::LoadConfig(ws, file, read.file);
    using message::Message;
    using message::MessageId;
    using message::Part;
    const auto failed = [](Message said) {
        return ProfileToSend{message::english(said), "", std::move(said)};
    };
    if (report.status != workspace::LoadReport::Status::Loaded) {
        return failed(cannotRead(report, file));
    }
    if (!report.empty && !report.profileSections) {
        return failed({MessageId::NotAProfile, {Part::verbatim(message::oneLine(file))}});
    }
    return {"", report.warning ? message::english(*report.warning) : std::string(), {}};
}

} // namespace tessaro::station
