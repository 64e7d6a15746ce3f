// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualPrinterOptions.h"

#include <charconv>

namespace tessaro::sim {
namespace {

std::optional<int> parseCount(std::string_view text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// One "word" or "word=value"; false when it is not an option.
bool applyOption(std::string_view word, std::string_view value, PrinterConfig& printer,
                 VirtualParallelPort::Options& port) {
    if (word == "silent" || word == "garbage" || word == "endless" || word == "no-save-reply" ||
        word == "no-chipset-reply") {
        bool& flag = word == "silent"          ? printer.silent
                     : word == "garbage"       ? printer.garbage
                     : word == "endless"       ? printer.endless
                     : word == "no-save-reply" ? printer.saveReplyMissing
                                               : printer.chipsetReplyMissing;
        flag = true;
        return value.empty();
    }
    if (word == "save-reply" || word == "status") {
        const auto byte = parseByte(value);
        (word == "status" ? printer.status : printer.saveReply) = byte.value_or(0);
        return byte.has_value();
    }
    if (word == "reply-delay" || word == "busy-hold") {
        const auto count = parseCount(value);
        if (word == "reply-delay") {
            printer.replyDelayMs = count.value_or(0);
        } else {
            port.busyHoldSeconds = count.value_or(0);
            port.busyAfterByte = 1; // busy once the printer has taken its first byte
        }
        return count.has_value();
    }
    if (word == "chipset") {
        printer.chipset5V = value == "5";
        return value == "5" || value == "3.3";
    }
    return false;
}

} // namespace

std::optional<std::uint8_t> parseByte(std::string_view text) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const std::string_view digits = hex ? text.substr(2) : text;
    unsigned value = 256;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
        value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::string applyVirtualPrinterOptions(std::string_view text, PrinterConfig& printer,
                                       VirtualParallelPort::Options& port) {
    while (!text.empty()) {
        if (text.starts_with("identity=")) {
            printer.identity = std::string(text.substr(9));
            return "";
        }
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const std::size_t equals = item.find('=');
        const std::string_view word = item.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : item.substr(equals + 1);
        if (!item.empty() && !applyOption(word, value, printer, port)) {
            return std::string(kVirtualPrinterVariable) + ": unknown option \"" +
                   std::string(item) + "\"";
        }
    }
    return "";
}

} // namespace tessaro::sim
