// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/StateFile.h"

#include "message/English.h"
#include "sim/CommandParser.h"
#include "workspace/AtomicFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tessaro::sim {
namespace {

// std::toupper takes the byte as an unsigned char: a plain char above 0x7F is negative.
char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::optional<std::string> fromHex(std::string_view text) {
    if (text.empty() || text.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto high = kHexDigits.find(upper(text[i]));
        const auto low = kHexDigits.find(upper(text[i + 1]));
        if (high == std::string_view::npos || low == std::string_view::npos) {
            return std::nullopt;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// Reads one entry into memory; false when the line is not a valid entry.
bool readEntry(const std::string& line, PrinterMemory& memory) {
    std::istringstream words(line);
    std::string key, first, second, extra;
    words >> key >> first >> second >> extra;
    if (key == "serial" && second.empty()) {
        const auto byte = fromHex(first);
        if (byte && byte->size() == 1) {
            memory.serial = SerialSettings::fromByte(static_cast<std::uint8_t>((*byte)[0]));
            return true;
        }
        return false;
    }
    if (key != "param" || !extra.empty()) {
        return false;
    }
    const auto code = fromHex(first);
    const auto argument = fromHex(second);
    const protocol::CommandRow* row = code ? parameterCommand(*code) : nullptr;
    if (!row || !argument || argument->size() != argumentLength(*row)) {
        return false;
    }
    memory.defaults[*code] = *argument;
    return true;
}

bool blank(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

} // namespace

PrinterMemory parseMemory(std::string_view text, const std::filesystem::path& nameForMessages) {
    PrinterMemory memory;
    // Lines as std::getline splits them: a last line without its '\n' counts too.
    std::size_t start = 0;
    for (std::size_t number = 1; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line(text.substr(start, end - start));
        start = end + 1;
        if (!blank(line) && !readEntry(line, memory)) {
            throw std::runtime_error(nameForMessages.string() + ": line " + std::to_string(number) +
                                     ": not a printer memory entry");
        }
    }
    return memory;
}

std::optional<PrinterMemory> loadMemory(const std::filesystem::path& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        throw std::runtime_error(path.string() + ": is a directory");
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw std::runtime_error(path.string() + ": " +
                                 (errno != 0 ? std::strerror(errno) : "cannot be opened"));
    }
    std::string text;
    std::array<char, 4096> chunk{};
    do {
        in.read(chunk.data(), chunk.size());
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    } while (in);
    if (in.bad()) {
        throw std::runtime_error(path.string() + ": read error");
    }
    return parseMemory(text, path);
}

std::string saveMemory(const std::filesystem::path& path, const PrinterMemory& memory) {
    std::string text = "# tessaro-printer-sim memory\n";
    const char serial = static_cast<char>(memory.serial.byte());
    text += "serial " + hexBytes(std::string_view(&serial, 1), "") + "\n";
    for (const auto& [code, argument] : memory.defaults) {
        text += "param " + hexBytes(code, "") + " " + hexBytes(argument, "") + "\n";
    }
    const auto failure = workspace::writeFileAtomically(path, text);
    return failure ? message::english(*failure) : std::string();
}

} // namespace tessaro::sim
