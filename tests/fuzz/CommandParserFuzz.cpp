// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual printer's command parser and the printer behind it, fed any byte stream one byte
// at a time.
//
// The parser accounts for every byte: each command it completes holds exactly the bytes since
// the previous one (all but a trailing ESC or GS that starts the next command when it skips
// bytes, or only the CAN that cancels a command header under way), a parameter command has its
// argument length, and the parser is idle exactly when no byte waits. Each command has a log
// text. Two printers, on a virtual clock and without a memory file, hear the same stream and
// must answer every query with exactly the bytes a printer of their settings sends, keep every
// parameter received, and store them on ESC s: one plain, one that runs at 3.3 V with XON/XOFF
// at 19200 bit/s, refuses to store and hears a host that keeps to 19200 (after a GS B to
// another speed it hears nothing).

#include "FuzzSupport.h"
#include "link/VirtualClock.h"
#include "protocol/CommandTable.h"
#include "sim/CommandParser.h"
#include "sim/PrinterConfig.h"
#include "sim/PrinterModel.h"
#include "sim/SerialSettings.h"
#include "sim/StateFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tessaro;
using namespace tessaro::sim;
using fuzz::fail;
using fuzz::require;
using fuzz::shown;

void wellFormed(const Command& command) {
    const std::string text = commandText(command);
    require(!text.empty(), "a command without log text");
    switch (command.kind) {
    case CommandKind::Parameter:
        if (command.row == nullptr || parameterCommand(command.code) != command.row ||
            command.argument.size() != argumentLength(*command.row)) {
            fail("parameter command \"" + shown(command.code + command.argument) +
                 "\" with a wrong row or argument length");
        }
        break;
    case CommandKind::Unknown:
        require(!command.code.empty() && command.argument.empty() && command.row == nullptr,
                "skipped bytes that are none");
        require(text == hexBytes(command.code), "skipped bytes not logged in hex");
        break;
    default:
        require(command.argument.empty() && command.row == nullptr,
                "a query or control byte with an argument");
        break;
    }
}

// Feeds the stream to a parser and checks that every byte is accounted for.
void parseStream(std::string_view stream) {
    CommandParser parser;
    std::size_t start = 0; // the first byte no command has taken yet
    for (std::size_t i = 0; i < stream.size(); ++i) {
        const char byte = stream[i];
        if (const auto command = parser.feed(byte)) {
            wellFormed(*command);
            const std::string bytes = command->code + command->argument;
            if (command->kind == CommandKind::Cancel) {
                require(byte == protocol::CAN && bytes == "\x18", "a cancel that is no CAN");
                // A CAN cancels a command header under way, never a parameter command that
                // waits for its argument bytes: there it is an argument like any other.
                if (parameterCommand(stream.substr(start, std::min<std::size_t>(i - start, 2)))) {
                    fail("a CAN among the argument bytes of \"" +
                         shown(stream.substr(start, i - start)) + "\" cancelled the command");
                }
                start = i + 1;
            } else if (bytes == stream.substr(start, i + 1 - start)) {
                start = i + 1;
            } else if ((byte == protocol::ESC || byte == protocol::GS) &&
                       command->kind == CommandKind::Unknown &&
                       bytes == stream.substr(start, i - start)) {
                start = i; // the ESC or GS starts the next command
            } else {
                fail("command \"" + shown(bytes) + "\" at byte " + std::to_string(i) +
                     " is not the bytes \"" + shown(stream.substr(start, i + 1 - start)) +
                     "\" since the previous command");
            }
        }
        if (parser.idle() != (start == i + 1)) {
            fail("the parser says it is " + std::string(parser.idle() ? "" : "not ") +
                 "idle after byte " + std::to_string(i));
        }
    }
    parser.reset();
    require(parser.idle(), "a reset parser is not idle");
}

// A printer and, beside it, what it must have done.
class CheckedPrinter {
  public:
    CheckedPrinter(PrinterConfig config, std::optional<int> senderBaud)
        : config_(config), senderBaud_(senderBaud),
          printer_(config, clock_, [this](std::string line) { log_.push_back(std::move(line)); }),
          settings_{*codeOfBaud(config.baud, config.chipset5V), config.hardwareHandshake,
                    config.ir} {}

    void feed(char byte) {
        const bool heard =
            !senderBaud_ || *senderBaud_ == baudOfCode(settings_.speedCode, config_.chipset5V);
        if (senderBaud_) {
            const std::size_t got =
                printer_.receiveAtSpeed(std::string_view(&byte, 1), *senderBaud_);
            require(got == (heard ? 1u : 0u), "a byte heard at another speed, or not at its own");
        } else {
            printer_.receive(std::string_view(&byte, 1));
        }
        std::string expected;
        if (const auto command = heard ? parser_.feed(byte) : std::nullopt) {
            expected = expect(*command);
            ++commands_;
        }
        const std::string reply = printer_.takeReply(printer_.replyReady());
        if (reply != expected) {
            fail("the printer answers \"" + shown(reply) + "\" where \"" + shown(expected) +
                 "\" is due, at 5 V: " + (config_.chipset5V ? "yes" : "no"));
        }
        require(printer_.serialSettings() == settings_, "serial settings not as GS B set them");
        if (log_.size() != commands_) {
            fail(std::to_string(log_.size()) + " log lines for " + std::to_string(commands_) +
                 " commands");
        }
    }

    void finish() const {
        require(printer_.received() == received_, "parameters received are not kept as sent");
        require(printer_.stored() == stored_, "parameters stored are not those of ESC s");
        require(printer_.settingsByte() == settings_.byte(), "the settings byte is not reported");
    }

  private:
    std::string expect(const Command& command) {
        switch (command.kind) {
        case CommandKind::Parameter:
            received_[command.code] = command.argument;
            if (command.row->param == workspace::Param::Serial) {
                settings_ =
                    SerialSettings::fromByte(static_cast<std::uint8_t>(command.argument[0]));
            }
            return "";
        case CommandKind::Save:
            if (config_.saveReply != 0) {
                return std::string(1, static_cast<char>(config_.saveReply));
            }
            for (const auto& [code, argument] : received_) {
                stored_[code] = argument;
            }
            return std::string(1, '\0');
        case CommandKind::Identity:
            return config_.identity + '\0';
        case CommandKind::Status:
            return std::string(1, static_cast<char>(config_.status));
        case CommandKind::ChipsetQuery:
            return std::string(1, config_.chipset5V ? '\x40' : '\0');
        case CommandKind::SettingsQuery:
            return std::string(1, static_cast<char>(settings_.byte()));
        default:
            return "";
        }
    }

    PrinterConfig config_;
    std::optional<int> senderBaud_;
    link::VirtualClock clock_;
    std::vector<std::string> log_;
    PrinterModel printer_;
    CommandParser parser_;
    SerialSettings settings_;
    Parameters received_;
    Parameters stored_;
    std::size_t commands_ = 0;
};

PrinterConfig fussyPrinter() {
    PrinterConfig config;
    config.identity = "RZ R51 FUSSY";
    config.chipset5V = false;
    config.status = 0x26;
    config.baud = 19200;
    config.hardwareHandshake = false;
    config.saveReply = 0x01;
    return config;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view stream(reinterpret_cast<const char*>(data), size);
    parseStream(stream);
    CheckedPrinter plain(PrinterConfig{}, std::nullopt);
    CheckedPrinter fussy(fussyPrinter(), 19200);
    for (const char byte : stream) {
        plain.feed(byte);
        fussy.feed(byte);
    }
    plain.finish();
    fussy.finish();
    return 0;
}
