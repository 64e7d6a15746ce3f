// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/IniText.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tessaro::workspace {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kMaxValueLength = 254; // Windows reads into a 255-character buffer

// Hand-written scans: these run over every byte of files of many megabytes, and the
// character-set searches of std::string_view test each byte with a call.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// Walks the lines of a text without copying them; each line comes without its line end.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {
        if (text_.starts_with(kByteOrderMark)) {
            pos_ = kByteOrderMark.size();
        }
    }

    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) {
            return false;
        }
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') {
            ++end;
        }
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') {
            ++pos_;
        }
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

enum class LineKind { Other, Section, Key };

struct IniLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

IniLine parseLine(std::string_view raw) {
    const std::string_view line = trimBlanks(raw);
    if (line.empty() || line.front() == ';') {
        return {};
    }
    if (line.front() == '[') {
        const std::string_view inside = line.substr(1);
        return {LineKind::Section, trimBlanks(inside.substr(0, inside.find(']'))), {}};
    }
    std::size_t equals = 0;
    while (equals < line.size() && line[equals] != '=') {
        ++equals;
    }
    if (equals == line.size() || equals == 0) {
        return {};
    }
    return {LineKind::Key, trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

std::string readValue(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxValueLength));
}

// A wanted key waits for its section, is looked for inside the first one, and is done once
// found or once that section ends.
enum class LookupState { Waiting, Inside, Done };

struct Lookup {
    std::string_view section;
    std::string_view key;
    LookupState state = LookupState::Waiting;
};

// Returns how many lookups this header finished.
std::size_t enterSection(std::span<Lookup> lookups, std::string_view name) {
    std::size_t finished = 0;
    for (Lookup& lookup : lookups) {
        if (lookup.state == LookupState::Inside) {
            lookup.state = LookupState::Done;
            ++finished;
        } else if (lookup.state == LookupState::Waiting && sameName(lookup.section, name)) {
            lookup.state = LookupState::Inside;
        }
    }
    return finished;
}

// Returns how many lookups this key line answered.
std::size_t matchKey(std::span<Lookup> lookups, const IniLine& line,
                     std::span<std::string> results) {
    std::size_t answered = 0;
    for (std::size_t i = 0; i < lookups.size(); ++i) {
        if (lookups[i].state == LookupState::Inside && sameName(lookups[i].key, line.name)) {
            results[i] = readValue(line.value);
            lookups[i].state = LookupState::Done;
            ++answered;
        }
    }
    return answered;
}

} // namespace

std::vector<std::string> readIniKeys(std::string_view text, std::span<const IniKeyRef> wanted) {
    std::vector<std::string> results(wanted.size());
    std::vector<Lookup> lookups;
    lookups.reserve(wanted.size());
    std::size_t open = 0;
    for (const IniKeyRef& ref : wanted) {
        const Lookup lookup{trimBlanks(ref.section), trimBlanks(ref.key)};
        const bool findable = !lookup.key.empty();
        lookups.push_back(findable ? lookup : Lookup{{}, {}, LookupState::Done});
        open += findable ? 1 : 0;
    }
    LineReader lines(text);
    std::string_view raw;
    while (open > 0 && lines.next(raw)) {
        const IniLine line = parseLine(raw);
        if (line.kind == LineKind::Section) {
            open -= enterSection(lookups, line.name);
        } else if (line.kind == LineKind::Key) {
            open -= matchKey(lookups, line, results);
        }
    }
    return results;
}

bool hasIniSection(std::string_view text, std::span<const std::string_view> sections) {
    LineReader lines(text);
    std::string_view raw;
    while (lines.next(raw)) {
        const IniLine line = parseLine(raw);
        if (line.kind == LineKind::Section &&
            std::ranges::any_of(sections, [&](auto name) { return sameName(line.name, name); })) {
            return true;
        }
    }
    return false;
}

std::string profileBytes(std::string text) {
    const bool little = text.starts_with("\xFF\xFE");
    const bool big = text.starts_with("\xFE\xFF");
    if (!little && !big) {
        return text;
    }
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
        const auto first = static_cast<unsigned char>(text[i]);
        const auto second = static_cast<unsigned char>(text[i + 1]);
        const unsigned unit = little ? first | (second << 8) : (first << 8) | second;
        bytes += unit < 0x100 ? static_cast<char>(unit) : '?';
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < text.size()) {
            i += 2; // the low half of a surrogate pair: one character, one '?'
        }
    }
    return bytes;
}

std::string readIniKey(std::string_view text, std::string_view section, std::string_view key) {
    const IniKeyRef wanted[] = {{std::string(section), std::string(key)}};
    return std::move(readIniKeys(text, wanted).front());
}

namespace {

enum class WriteAction { Replace, InsertAfter, Append };

struct WritePlan {
    WriteAction action = WriteAction::Append;
    std::size_t line = 0;      // the line to replace or to insert after
    std::string_view fileName; // the key name as the file spells it, for Replace
};

WritePlan planWrite(std::string_view text, std::string_view section, std::string_view key) {
    WritePlan plan;
    bool inside = false;
    LineReader lines(text);
    std::string_view raw;
    for (std::size_t index = 0; lines.next(raw); ++index) {
        const IniLine line = parseLine(raw);
        if (line.kind == LineKind::Section && inside) {
            return plan; // the first matching section ended; later ones are not written
        }
        if (line.kind == LineKind::Section && sameName(line.name, section)) {
            inside = true;
            plan = {WriteAction::InsertAfter, index, {}};
        } else if (line.kind == LineKind::Key && inside) {
            if (sameName(line.name, key)) {
                return {WriteAction::Replace, index, line.name};
            }
            plan.line = index;
        }
    }
    return plan;
}

// Whether "[section]" and "key=value" read back as the same section, key and value.
bool storable(std::string_view section, std::string_view key, std::string_view value) {
    const auto has = [](std::string_view text, std::string_view chars) {
        return text.find_first_of(chars) != std::string_view::npos;
    };
    const bool keyFits =
        !key.empty() && key.front() != ';' && key.front() != '[' && !has(key, "=\r\n");
    return keyFits && !has(section, "]\r\n") && !has(value, "\r\n");
}

void appendLine(std::string& out, std::string_view a, std::string_view b = {},
                std::string_view c = {}) {
    out.append(a).append(b).append(c).append("\r\n");
}

// Copies the text line by line with CR LF line ends, carrying out the plan on the way.
std::string applyPlan(std::string_view text, const WritePlan& plan, std::string_view section,
                      std::string_view key, std::string_view value) {
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 16);
    if (text.starts_with(kByteOrderMark)) {
        out.append(kByteOrderMark);
    }
    LineReader lines(text);
    std::string_view raw;
    for (std::size_t index = 0; lines.next(raw); ++index) {
        const bool atPlan = index == plan.line;
        if (atPlan && plan.action == WriteAction::Replace) {
            appendLine(out, plan.fileName, "=", value);
        } else {
            appendLine(out, raw);
        }
        if (atPlan && plan.action == WriteAction::InsertAfter) {
            appendLine(out, key, "=", value);
        }
    }
    if (plan.action == WriteAction::Append) {
        appendLine(out, "[", section, "]");
        appendLine(out, key, "=", value);
    }
    return out;
}

} // namespace

std::string writeIniKey(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    section = trimBlanks(section);
    key = trimBlanks(key);
    if (!storable(section, key, value)) {
        return std::string(text);
    }
    return applyPlan(text, planWrite(text, section, key), section, key, value);
}

} // namespace tessaro::workspace
