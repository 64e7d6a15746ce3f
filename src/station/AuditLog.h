// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audit log of a production line: one JSON record a line for every printer configured,
// saying which printer got which profile, where, when and from which tool. Each record is
// appended with one write to a file opened O_APPEND (so stations and workers sharing a log
// do not interleave) and pushed to the disk before the next: a crash loses no record
// written, and leaves no partial line.

#include "station/UnitReport.h"
#include "workspace/TextFile.h"
#include "workspace/UniqueFd.h"

#include <QJsonObject>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tessaro::station {

// The profile a record names: its path and the SHA-256 of its bytes as read.
struct ProfileStamp {
    std::string path;
    std::string sha256; // lower-case hex
};

// The stamp of the profile at path as it was read; "" sha256 when it could not be.
ProfileStamp stampProfile(const std::string& path, const workspace::TextFile& file);

// The report's record with the time (UTC), the host name, the profile and the tool's
// version.
QJsonObject auditRecord(const UnitReport& report, const ProfileStamp& profile);
// The same for a record made otherwise (a unit that ended without its own).
QJsonObject auditRecord(QJsonObject record, const ProfileStamp& profile);

// "Cannot write the audit log <path>: <reason>", for what append said.
message::Message cannotWrite(const message::Message& failure);

class AuditLog {
  public:
    // Opens the log for appending, creating it; nothing when open, else why, naming the file.
    // Only a regular file is taken, and a symbolic link only as workspace/LinkRule.h lets
    // a file be written through one.
    message::Failure open(const std::string& path);
    bool isOpen() const { return fd_.valid(); }
    // Appends the record as one line and waits for the disk to have it; nothing or why, as
    // "<path>: <reason>".
    message::Failure append(const QJsonObject& record);

  private:
    // Takes back the written bytes of a record the disk took only part of.
    void cutBack(off_t written);

    std::string path_;
    workspace::UniqueFd fd_;
};

} // namespace tessaro::station
