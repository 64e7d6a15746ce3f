// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/station/StationProfile.h"

#include "workspace/AtomicFile.h"
#include "workspace/ConfigFile.h"
#include "workspace/TextFile.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace tessaro::app {

std::string sha256Hex(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

StationProfile workspaceProfile(const workspace::Workspace& workspace,
                                const std::filesystem::path& folder) {
    const std::string text = workspace::profileText(workspace);
    StationProfile profile;
    profile.sha256 = sha256Hex(text);
    const std::filesystem::path path =
        folder / ("profile-" + profile.sha256.substr(0, 12) + ".pcf");
    profile.path = path.string();
    const workspace::TextFile there = workspace::readTextFile(path);
    if (there.status != workspace::TextFile::Status::Ok || there.text != text) {
        profile.error = workspace::writeFileAtomically(path, text);
    }
    return profile;
}

} // namespace tessaro::app
