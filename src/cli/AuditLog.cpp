// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AuditLog.h"

#include "cli/JsonOutput.h"
#include "tessaro/Version.h"
#include "workspace/TextFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace tessaro::cli {

ProfileStamp stampProfile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    ProfileStamp stamp{ec ? path : absolute.string(), ""};
    const workspace::TextFile file = workspace::readTextFile(path);
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

std::string AuditLog::open(const std::string& path) {
    path_ = path;
    fd_ = workspace::UniqueFd(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644));
    if (!fd_.valid()) {
        return "Cannot open the audit log " + path + ": " + std::strerror(errno);
    }
    return "";
}

std::string AuditLog::append(const QJsonObject& record) {
    const std::string line = jsonLine(record) + "\n";
    // One write: a record is either wholly in the file or not at all.
    ssize_t written = 0;
    do {
        written = ::write(fd_.get(), line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    if (written != static_cast<ssize_t>(line.size())) {
        const int error = written < 0 ? errno : ENOSPC;
        if (written > 0) {
            // The disk filled up within the line: end it, so that the next record that
            // fits starts a line of its own.
            (void)!::write(fd_.get(), "\n", 1);
        }
        return "Cannot write the audit log " + path_ + ": " + std::strerror(error);
    }
    if (::fdatasync(fd_.get()) != 0) {
        return "Cannot write the audit log " + path_ + ": " + std::strerror(errno);
    }
    return "";
}

} // namespace tessaro::cli
