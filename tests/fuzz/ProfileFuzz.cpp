// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles (.pcf) of any content. Loading reads whatever it can and never fails on the content;
// what was loaded saves, and the saved file loads back into the very same workspace. The
// profile text functions keep their word on the same bytes: reading many keys at once agrees
// with reading each alone, and writing a key changes that key only.

#include "FuzzSupport.h"
#include "message/English.h"
#include "workspace/Catalogue.h"
#include "workspace/ConfigFile.h"
#include "workspace/IniText.h"
#include "workspace/ProfileKeys.h"
#include "workspace/Workspace.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tessaro::workspace;
using tessaro::fuzz::fail;
using tessaro::fuzz::require;
using tessaro::fuzz::shown;

// What a report says, in English; "" when it says nothing.
std::string said(const std::optional<tessaro::message::Message>& message) {
    return message ? tessaro::message::english(*message) : std::string();
}

// Every key a profile may hold, as the loader asks for them, and two more: names are trimmed
// and matched without regard to case, and a section no profile has.
std::vector<IniKeyRef> profileKeys() {
    std::vector<IniKeyRef> keys;
    for (const ProfileRow& row : profileRows()) {
        for (const auto key : row.keys) {
            keys.push_back({std::string(row.section), std::string(key)});
        }
        if (row.param == Param::MarkLength) {
            keys.push_back({std::string(row.section), std::string(kContinuousPaperKey)});
        }
    }
    keys.push_back({" setup AND hardware control\t", "\tSLIDERMAXCURRENT "});
    keys.push_back({"Fuzz", "key"});
    return keys;
}

std::string paramName(std::size_t p) {
    for (const ProfileRow& row : profileRows()) {
        if (index(row.param) == p) {
            return std::string(row.keys.front());
        }
    }
    return "parameter " + std::to_string(p);
}

void sameWorkspace(const Workspace& loaded, const Workspace& reloaded) {
    const auto defs = controls();
    for (ControlId id = 0; id < defs.size(); ++id) {
        if (loaded.value(id) != reloaded.value(id)) {
            fail(std::string(defs[id].key) + " is " + std::to_string(loaded.value(id)) +
                 " when loaded but " + std::to_string(reloaded.value(id)) +
                 " once saved and loaded again");
        }
        if (loaded.isEnabled(id) != reloaded.isEnabled(id)) {
            fail(std::string(defs[id].key) + ": enabled differs after the round trip");
        }
    }
    for (std::size_t f = 0; f < frames().size(); ++f) {
        if (loaded.frameCaption(f) != reloaded.frameCaption(f)) {
            fail("caption \"" + loaded.frameCaption(f) + "\" became \"" + reloaded.frameCaption(f) +
                 "\" after the round trip");
        }
    }
    for (std::size_t p = 0; p < kParamCount; ++p) {
        const auto param = static_cast<Param>(p);
        if (loaded.arguments(param) != reloaded.arguments(param)) {
            fail("the argument bytes of " + paramName(p) + " differ after the round trip");
        }
        if (loaded.isModified(param) != reloaded.isModified(param)) {
            fail("the modified flag of " + paramName(p) + " differs after the round trip");
        }
    }
    const PrintModeBytes a = loaded.printMode();
    const PrintModeBytes b = reloaded.printMode();
    require(a.height == b.height && a.width == b.width && a.underline == b.underline,
            "the print mode bytes differ after the round trip");
    const SerialBytes s = loaded.serial();
    const SerialBytes t = reloaded.serial();
    require(s.speedIndex == t.speedIndex && s.handshake == t.handshake && s.ir == t.ir,
            "the serial bytes differ after the round trip");
    require(loaded.modifiedListText() == reloaded.modifiedListText(),
            "the modified list differs after the round trip");
}

void roundTrip(const std::filesystem::path& input, const std::filesystem::path& saved) {
    Workspace loaded;
    loaded.startUp();
    const LoadReport first = LoadConfig(loaded, input);
    if (first.status != LoadReport::Status::Loaded) {
        fail("a readable profile was not loaded: " + said(first.error));
    }

    const SaveReport save = Save_ConfigToFile(loaded, saved);
    if (!save.ok()) {
        fail("the loaded workspace does not save: " + said(save.message));
    }

    Workspace reloaded;
    reloaded.startUp();
    const LoadReport second = LoadConfig(reloaded, saved);
    if (save.status == SaveReport::Status::Empty) {
        require(second.status == LoadReport::Status::Missing, "an empty save left a file");
    } else if (second.status != LoadReport::Status::Loaded) {
        fail("the saved profile does not load: " + said(second.error));
    }
    if (!second.skipped.empty()) {
        fail("the saved profile has a key its own loader skips: " +
             shown(tessaro::message::english(second.skipped.front())));
    }
    sameWorkspace(loaded, reloaded);
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") + 1 - first);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether a profile reader takes the two names as one.
bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void onlyCrLf(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool badCr = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
        const bool badLf = text[i] == '\n' && (i == 0 || text[i - 1] != '\r');
        if (badCr || badLf) {
            fail("a written profile has a line end other than CR LF at byte " + std::to_string(i));
        }
    }
}

void profileText(std::string_view text) {
    static const std::vector<IniKeyRef> keys = profileKeys();
    const std::vector<std::string> values = readIniKeys(text, keys);
    require(values.size() == keys.size(), "readIniKeys returned a value count of its own");
    for (const std::string& value : values) {
        require(value.size() <= 254, "a value longer than 254 characters was read");
    }

    // One key alone reads as it reads among the others. Which one follows from the text, so
    // that every key gets its turn over a run.
    const IniKeyRef& key = keys[text.size() % keys.size()];
    const std::size_t pick = text.size() % keys.size();
    if (const std::string alone = readIniKey(text, key.section, key.key); alone != values[pick]) {
        fail("readIniKey and readIniKeys disagree on " + key.key + ": \"" + shown(alone) +
             "\" and \"" + shown(values[pick]) + "\"");
    }

    // Writing a key: it reads back as written, every other key reads as before, every line
    // ends in CR LF, and writing the same again changes nothing.
    const std::string written = std::to_string(text.size() * 7 % 1000);
    const std::string after = writeIniKey(text, key.section, key.key, written);
    const std::vector<std::string> reread = readIniKeys(after, keys);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool same = sameName(keys[i].section, key.section) && sameName(keys[i].key, key.key);
        const std::string& expected = same ? written : values[i];
        if (reread[i] != expected) {
            fail("after writing " + key.key + "=" + written + ", " + keys[i].key + " reads \"" +
                 shown(reread[i]) + "\" instead of \"" + shown(expected) + "\"");
        }
    }
    onlyCrLf(after);
    require(writeIniKey(after, key.section, key.key, written) == after,
            "writing the same key and value a second time changes the text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tessaro::fuzz::ScratchDir scratch("profile");
    static tessaro::fuzz::MemoryFile input("profile.pcf");
    input.assign(data, size);
    roundTrip(input.path(), scratch.path() / "saved.pcf");
    profileText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
