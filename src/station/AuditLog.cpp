// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/AuditLog.h"

#include "message/English.h"
#include "station/JsonOutput.h"
#include "tessaro/Version.h"
#include "workspace/LinkRule.h"
#include "workspace/TextFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::station {
namespace {} // namespace

ProfileStamp stampProfile(const std::string& path, const workspace::TextFile& file) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    ProfileStamp stamp{ec ? path : absolute.string(), ""};
    if (file.status == workspace::TextFile::Status::Ok) {
        stamp.sha256 = QCryptographicHash::hash(QByteArray::fromStdString(file.text),
                                                QCryptographicHash::Sha256)
                           .toHex()
                           .toStdString();
    }
    return stamp;
}

QJsonObject auditRecord(const UnitReport& report, const ProfileStamp& profile) {
    return auditRecord(toJson(report), profile);
}

QJsonObject auditRecord(QJsonObject record, const ProfileStamp& profile) {
    record.insert("time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    record.insert("host", QSysInfo::machineHostName());
    record.insert("profile", jsonText(profile.path));
    record.insert("profile_sha256", profile.sha256.empty()
                                        ? QJsonValue(QJsonValue::Null)
                                        : QJsonValue(QString::fromStdString(profile.sha256)));
    record.insert("version", QString(kVersion));
    return record;
}

message::Failure AuditLog::open(const std::string& path) {
    using message::Message;
    using message::MessageId;
    path_ = path;
    const auto refused = [&path](const Message& why) {
        return Message(MessageId::AuditLogCannotOpen,
                       {message::Part::verbatim(path), message::Part::framed(why)});
    };
    const auto system = [](int error) {
        return Message(MessageId::SystemError, {message::Part::systemError(error)});
    };
    if (const auto refusal = workspace::linkRefusal(path)) {
        return refused(*refusal);
    }
    // Only a regular file: a FIFO would hold the open (or the writes) until a reader comes,
    // and a device may be a printer's port.
    struct stat named {};
    const bool exists = ::lstat(path.c_str(), &named) == 0;
    const bool isLink = exists && S_ISLNK(named.st_mode);
    struct stat target {};
    if (exists && ::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
        return refused(MessageId::NotARegularFile);
    }
    // Through a link only the file that is there is opened; else no link is followed. Not
    // blocking, should a FIFO have taken the file's place since.
    const int flags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK |
                      (isLink ? 0 : O_CREAT | O_NOFOLLOW);
    workspace::UniqueFd fd(::open(path.c_str(), flags, 0644));
    if (!fd.valid()) {
        return refused(errno == ENXIO ? Message(MessageId::NotARegularFile) : system(errno));
    }
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0) {
        return refused(system(errno));
    }
    if (!S_ISREG(opened.st_mode)) {
        return refused(MessageId::NotARegularFile);
    }
    if (isLink && opened.st_uid != named.st_uid) { // the link was turned since it was looked at
        return refused(MessageId::LinkToAnotherUsersFile);
    }
    ::fcntl(fd.get(), F_SETFL, O_APPEND);
    fd_ = std::move(fd);
    return std::nullopt;
}

message::Failure AuditLog::append(const QJsonObject& record) {
    const auto failed = [this](int error) {
        return message::Message(message::MessageId::FileReason,
                                {message::Part::verbatim(path_),
                                 message::Part::framed({message::MessageId::SystemError,
                                                        {message::Part::systemError(error)}})});
    };
    const std::string line = jsonLine(record) + "\n";
    // One write: a record is either wholly in the file or not at all.
    ssize_t written = 0;
    do {
        written = ::write(fd_.get(), line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    if (written != static_cast<ssize_t>(line.size())) {
        const int error = written < 0 ? errno : ENOSPC;
        if (written > 0) {
            cutBack(static_cast<off_t>(written));
        }
        return failed(error);
    }
    if (::fdatasync(fd_.get()) != 0) {
        return failed(errno);
    }
    return std::nullopt;
}

// The disk filled up within a record: the part written is cut off again, so that the log
// holds whole lines only and the next record that fits starts a line of its own. When another
// program has appended since (a station and a window may share a log), the part is ended with
// a line break instead: what the other wrote is never cut.
void AuditLog::cutBack(off_t written) {
    const off_t end = ::lseek(fd_.get(), 0, SEEK_CUR); // where this write ended (O_APPEND)
    struct stat now {};
    if (end >= written && ::fstat(fd_.get(), &now) == 0 && now.st_size == end &&
        ::ftruncate(fd_.get(), end - written) == 0) {
        return;
    }
    (void)!::write(fd_.get(), "\n", 1);
}

message::Message cannotWrite(const message::Message& failure) {
    return {message::MessageId::AuditLogCannotWrite, {message::Part::framed(failure)}};
}

} // namespace tessaro::station
