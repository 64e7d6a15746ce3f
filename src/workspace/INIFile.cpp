// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/INIFile.h"

#include "workspace/AtomicFile.h"
#include "workspace/IniText.h"
#include "workspace/TextFile.h"

#include <system_error>
#include <unistd.h>

namespace tessaro::workspace::INIFile {

namespace {

namespace fs = std::filesystem;

// The file behind a symbolic link, so that replacing the file keeps the link.
fs::path resolveLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

} // namespace

std::string ReadIniKey(std::string_view section, std::string_view key,
                       const std::filesystem::path& path) {
    const TextFile file = readTextFile(path);
    if (file.status != TextFile::Status::Ok) {
        return {};
    }
    return readIniKey(file.text, section, key);
}

void WriteIniKey(std::string_view section, std::string_view key, std::string_view value,
                 const std::filesystem::path& path) {
    const fs::path target = resolveLink(path);
    const TextFile file = readTextFile(target);
    if (file.status == TextFile::Status::Unreadable) {
        return; // overwriting what could not be read would lose it
    }
    const std::string text = writeIniKey(file.text, section, key, value);
    if (text == file.text || text.size() > kMaxProfileBytes) {
        return; // nothing changed, or the result could not be read back
    }
    if (file.status == TextFile::Status::Ok && ::access(target.c_str(), W_OK) != 0) {
        return; // a read-only profile stays as it is
    }
    // Errors are not reported here: callers that must know write through AtomicFile.
    writeFileAtomically(target, text);
}

} // namespace tessaro::workspace::INIFile
