// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A .pcf profile loaded for a subcommand, with what went wrong said on the error stream.

#include "message/Message.h"
#include "station/AuditLog.h"
#include "workspace/ConfigFile.h"
#include "workspace/Workspace.h"

#include <memory>
#include <optional>
#include <string>

namespace tessaro::station {

// "Cannot read <path>: <reason>" of a load that failed; the name alone should the load not
// say why.
message::Message cannotRead(const workspace::LoadReport& report, const std::string& file);

// A profile read once for a run: every unit loads these bytes, sends what they set and
// records their SHA-256, whatever happens to the file meanwhile.
struct ProfileRead {
    workspace::TextFile file;
    ProfileStamp stamp;
};
std::shared_ptr<const ProfileRead> readProfile(const std::string& path);

// A profile loaded to be sent to printers: error when it cannot be read or is no profile
// (any file loads, as "no keys" at worst, and a file that is no profile must not configure
// printers with the factory settings; an empty file is the factory settings); warning
// when keys were skipped.
struct ProfileToSend {
    std::string error;                    // English, as the command line says it
    std::string warning;                  //
    std::optional<message::Message> said; // the error as a value
};
ProfileToSend loadProfileToSend(workspace::Workspace& workspace, const std::string& file,
                                const ProfileRead& read);

} // namespace tessaro::station
