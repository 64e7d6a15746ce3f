// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RememberedSettings.h"

#include <QDir>
#include <QSettings>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tessaro::app {
namespace {

const QString kPortKey = QStringLiteral("port/name");
const QString kSpeedKey = QStringLiteral("port/speed");
const QString kHandshakeKey = QStringLiteral("port/handshake");
const QString kFolderKey = QStringLiteral("profiles/folder");
const QString kRecentKey = QStringLiteral("profiles/recent");
const QString kStationPortsKey = QStringLiteral("station/ports");
const QString kStationRepeatKey = QStringLiteral("station/repeat");
const QString kStationLogKey = QStringLiteral("station/log");
const QString kStationProfileKey = QStringLiteral("station/profile");
const QString kStationLabelKey = QStringLiteral("station/label");
const QString kStationSoundKey = QStringLiteral("station/sound");

// The handshake by name in the file, so the file reads plainly and survives a change of list.
const QString kXonXoff = QStringLiteral("xonxoff");
const QString kHardware = QStringLiteral("hardware");

QString statusText(QSettings::Status status) {
    return status == QSettings::FormatError ? QStringLiteral("it is not a settings file")
                                            : QStringLiteral("access denied");
}

// A port as the file spells it; none when the text is no port.
std::optional<link::PortRef> portOf(const QString& text) {
    return link::PortRef::parse(text.trimmed().toStdString());
}

} // namespace

RememberedSettings::RememberedSettings() = default;

RememberedSettings::RememberedSettings(const QString& path)
    : RememberedSettings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

RememberedSettings::RememberedSettings(std::unique_ptr<QSettings> store)
    : store_(std::move(store)) {
    read();
}

RememberedSettings::~RememberedSettings() = default;

std::unique_ptr<RememberedSettings> RememberedSettings::forUser() {
    return std::unique_ptr<RememberedSettings>(new RememberedSettings(
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("Tessaro"), QStringLiteral("Tessaro"))));
}

// Whatever the file holds, only what makes sense is taken: a hand-edited or damaged file
// gives fewer remembered values, never wrong ones.
void RememberedSettings::read() {
    if (const auto port = portOf(store_->value(kPortKey).toString())) {
        port_ = Port{*port, store_->value(kSpeedKey).toString().trimmed(),
                     store_->value(kHandshakeKey).toString() == kXonXoff ? 0 : 1};
    }
    const QString folder = store_->value(kFolderKey).toString();
    if (QDir::isAbsolutePath(folder)) {
        folder_ = QDir::cleanPath(folder);
    }
    for (const QString& path : store_->value(kRecentKey).toStringList()) {
        if (recent_.size() < kRecentLimit && QDir::isAbsolutePath(path) &&
            !recent_.contains(path)) {
            recent_.append(path);
        }
    }
    for (const QString& text : store_->value(kStationPortsKey).toStringList()) {
        const auto port = portOf(text);
        if (port && std::find(station_.ports.begin(), station_.ports.end(), *port) ==
                        station_.ports.end()) {
            station_.ports.push_back(*port);
        }
    }
    station_.repeat = store_->value(kStationRepeatKey).toString() == QStringLiteral("true");
    const QString log = store_->value(kStationLogKey).toString();
    if (QDir::isAbsolutePath(log)) {
        station_.log = QDir::cleanPath(log);
    }
    const QString profile = store_->value(kStationProfileKey).toString();
    if (QDir::isAbsolutePath(profile)) {
        station_.profile = QDir::cleanPath(profile);
    }
    station_.label = store_->value(kStationLabelKey).toString();
    station_.sound = store_->value(kStationSoundKey).toString() != QStringLiteral("false");
}

void RememberedSettings::write(const QString& key, const QVariant& value) {
    write({{key, value}});
}

// One sync for all the keys: setValue only stages them.
void RememberedSettings::write(std::initializer_list<std::pair<QString, QVariant>> values) {
    if (!store_) {
        return;
    }
    for (const auto& [key, value] : values) {
        store_->setValue(key, value);
    }
    store_->sync();
    const QSettings::Status status = store_->status();
    if (status != QSettings::NoError && !warned_) {
        warned_ = true;
        qWarning("tessaro: the settings cannot be saved in %s: %s",
                 qUtf8Printable(QDir::toNativeSeparators(store_->fileName())),
                 qUtf8Printable(statusText(status)));
    }
}

void RememberedSettings::setPort(const Port& port) {
    if (port_ == port) {
        return;
    }
    port_ = port;
    write({{kPortKey, QString::fromStdString(port.port.text())},
           {kSpeedKey, port.speed},
           {kHandshakeKey, port.handshake == 0 ? kXonXoff : kHardware}});
}

void RememberedSettings::setStation(const Station& station) {
    if (station == station_) {
        return;
    }
    station_ = station;
    QStringList ports;
    for (const link::PortRef& port : station.ports) {
        ports << QString::fromStdString(port.text());
    }
    write({{kStationPortsKey, ports},
           {kStationRepeatKey, station.repeat},
           {kStationLogKey, station.log},
           {kStationProfileKey, station.profile},
           {kStationLabelKey, station.label},
           {kStationSoundKey, station.sound}});
}

void RememberedSettings::setProfileFolder(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    if (!QDir::isAbsolutePath(clean) || clean == folder_) {
        return;
    }
    folder_ = clean;
    write(kFolderKey, folder_);
}

void RememberedSettings::addRecentProfile(const QString& path) {
    if (!QDir::isAbsolutePath(path)) {
        return;
    }
    QStringList recent = recent_;
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentLimit) {
        recent.removeLast();
    }
    writeRecent(recent);
}

void RememberedSettings::removeRecentProfile(const QString& path) {
    QStringList recent = recent_;
    recent.removeAll(path);
    writeRecent(recent);
}

void RememberedSettings::writeRecent(const QStringList& recent) {
    if (recent == recent_) {
        return;
    }
    recent_ = recent;
    write(kRecentKey, recent_);
}

} // namespace tessaro::app
