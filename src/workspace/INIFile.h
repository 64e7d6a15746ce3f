// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile functions on files, with the semantics of the Windows
// GetPrivateProfileString and WritePrivateProfileString functions (see IniText.h).

#include <filesystem>
#include <string>
#include <string_view>

namespace tessaro::workspace::INIFile {

// The value of the key, or "" when the file, section or key is missing or the file cannot
// be read (including a file over kMaxProfileBytes).
std::string ReadIniKey(std::string_view section, std::string_view key,
                       const std::filesystem::path& path);

// Writes key=value into the file, creating it when missing. Errors are not reported; a
// caller that needs them writes the file another way. A file that cannot be read, or is
// not writable, is left alone rather than overwritten. An existing file is replaced
// atomically (a new file renamed over it, with the old file's permissions), so a failure
// part way never leaves half a file; a symbolic link keeps pointing at the replaced file.
void WriteIniKey(std::string_view section, std::string_view key, std::string_view value,
                 const std::filesystem::path& path);

} // namespace tessaro::workspace::INIFile
