// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window remembers from one run to the next: the port, speed and handshake of the
// last detection run from the port selection window, the folder of the last profile loaded or
// saved, the recent profiles, and the production station's ports, repeat and audit log. The values
// live in memory; a settings file, when there is one, is read once and written only when a value
// changes. A file that cannot be written costs the remembering (one warning on stderr), never the
// run.

#include "link/PortRef.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QSettings;

namespace tessaro::app {

class RememberedSettings {
  public:
    static constexpr int kRecentLimit = 5;

    struct Port {
        link::PortRef port; // in the file as its spelling: "COM3", "tcp://HOST[:PORT]", ...
        QString speed;      // as the speed list shows it: "9600"
        int handshake = 1;  // index in the handshake list: 0 Xon-Xoff, 1 DSR/DTR Mode
        bool operator==(const Port&) const = default;
    };

    struct Station {
        // In the file as their spellings: "COM3", "tcp://HOST[:PORT]", "rfc2217://HOST:PORT".
        std::vector<link::PortRef> ports;
        bool repeat = false;
        QString log;       // the audit log; empty when none is remembered
        QString profile;   // the profile file chosen; empty: the current workspace
        QString label;     // what the runs are for, in every record
        bool sound = true; // a failed unit is heard
        bool operator==(const Station&) const = default;
    };

    // Remembers for this run only.
    RememberedSettings();
    // Remembers in the INI file at path.
    explicit RememberedSettings(const QString& path);
    ~RememberedSettings();
    RememberedSettings(const RememberedSettings&) = delete;
    RememberedSettings& operator=(const RememberedSettings&) = delete;

    // The user's settings file: ~/.config/Tessaro/Tessaro.conf (under $XDG_CONFIG_HOME).
    static std::unique_ptr<RememberedSettings> forUser();

    const std::optional<Port>& port() const { return port_; }
    void setPort(const Port& port);

    // An absolute folder, or empty when none is remembered.
    const QString& profileFolder() const { return folder_; }
    void setProfileFolder(const QString& folder);

    // Absolute paths, the most recent first, kRecentLimit at the most.
    const QStringList& recentProfiles() const { return recent_; }
    // Puts the profile at the head of the list (moved there if it was already in it).
    void addRecentProfile(const QString& path);
    void removeRecentProfile(const QString& path);

    const Station& station() const { return station_; }
    void setStation(const Station& station);

  private:
    explicit RememberedSettings(std::unique_ptr<QSettings> store);
    void read();
    void write(const QString& key, const QVariant& value);
    void write(std::initializer_list<std::pair<QString, QVariant>> values);
    void writeRecent(const QStringList& recent);

    std::unique_ptr<QSettings> store_;
    std::optional<Port> port_;
    QString folder_;
    QStringList recent_;
    Station station_;
    bool warned_ = false;
};

} // namespace tessaro::app
