// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual printer's memory file, of any content. Reading either gives a memory or refuses
// the text with a std::runtime_error that names the file and the line; nothing else may come
// out of it. A memory that was read saves, and loads back equal, also through a file that a
// printer powered on with it would read.

#include "FuzzSupport.h"
#include "sim/StateFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using namespace tessaro::sim;
using tessaro::fuzz::fail;
using tessaro::fuzz::require;
using tessaro::fuzz::shown;

constexpr std::string_view kName = "fuzz.state";

std::optional<PrinterMemory> parsed(std::string_view text) {
    try {
        return parseMemory(text, std::string(kName));
    } catch (const std::runtime_error& refused) {
        const std::string_view message = refused.what();
        if (!message.starts_with(std::string(kName) + ": line ") ||
            !message.ends_with(": not a printer memory entry")) {
            fail("a refused memory file is explained as \"" + shown(message) + "\"");
        }
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tessaro::fuzz::ScratchDir scratch("state");
    static tessaro::fuzz::MemoryFile input("printer.state");
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::optional<PrinterMemory> memory = parsed(text);

    // The file reader reads the same text the same way.
    input.assign(data, size);
    std::optional<PrinterMemory> loaded;
    try {
        loaded = loadMemory(input.path());
        require(loaded.has_value(), "an existing memory file read as missing");
    } catch (const std::runtime_error&) {
        require(!memory, "the file reader refuses a text that parses");
    }
    require(loaded == memory, "the file reader and the text reader disagree");
    if (!memory) {
        return 0;
    }

    const auto saved = scratch.path() / "saved.state";
    if (const std::string error = saveMemory(saved, *memory); !error.empty()) {
        fail("a memory that was read does not save: " + error);
    }
    std::optional<PrinterMemory> again;
    try {
        again = loadMemory(saved);
    } catch (const std::runtime_error& refused) {
        fail(std::string("a saved memory does not load: ") + refused.what());
    }
    require(again == memory, "a memory saved and loaded again differs");
    return 0;
}
