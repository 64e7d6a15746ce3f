// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading and saving a workspace as a .pcf profile file.

#include "message/Message.h"
#include "workspace/TextFile.h"
#include "workspace/Workspace.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::workspace {

struct LoadReport {
    enum class Status {
        Loaded,     // the file was read and its valid keys applied
        Missing,    // no such file: the factory settings under that file's name
        Unreadable, // the file could not be read: the workspace is untouched
    };
    Status status = Status::Loaded;
    std::optional<message::Message> error; // when not Loaded: the path, framing the reason
    // The keys left out for a bad value, in file order: "key=value" as it is, or why a print
    // mode key was left out.
    std::vector<message::Message> skipped;
    std::optional<message::Message> warning; // one message naming the file and every key skipped
    bool empty = false;                      // the file holds nothing but blanks and line ends
    bool profileSections = false;            // it has a header of at least one profile section
};

// Runs the factory reload, then applies the keys of the file at path through the controls'
// apply steps; the configuration name becomes the file's title without ".pcf".
LoadReport LoadConfig(Workspace& workspace, const std::filesystem::path& path);
// The same for the file at path as it was read once: a run that sends a profile to many
// printers loads each from the same bytes.
LoadReport LoadConfig(Workspace& workspace, const std::filesystem::path& path,
                      const TextFile& file);

struct SaveReport {
    enum class Status {
        Saved,    // the flagged parameters were written
        Empty,    // no flag was set: the old file was deleted and none written
        ReadOnly, // the target is read only: nothing changed
        Failed,   // the file could not be written: the old file is untouched
    };
    Status status = Status::Saved;
    // ReadOnly: the path, said to be read only; Failed: the path, framing the reason; else none.
    std::optional<message::Message> message;
    bool removed = false; // Empty: an old file was there and has been deleted
    bool ok() const { return status == Status::Saved || status == Status::Empty; }
};

// The bytes a save writes for the workspace: its flagged parameters ("" when none is).
std::string profileText(const Workspace& workspace);

// Writes the flagged parameters of the workspace to path, replacing the file whole.
SaveReport Save_ConfigToFile(Workspace& workspace, const std::filesystem::path& path);

} // namespace tessaro::workspace
