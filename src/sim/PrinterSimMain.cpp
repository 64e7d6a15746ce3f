// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-printer-sim: a thermal printer on a pseudo-terminal (or a TCP socket), for trying
// and testing the program without hardware. Prints "PTY <slave device>" (or "TCP <address>")
// first, then one line per command the printer decodes; stops on SIGTERM or SIGINT, or when
// the time limit is reached.

#include "link/Clock.h"
#include "sim/PrinterModel.h"
#include "sim/PtyPrinter.h"
#include "sim/TcpPrinter.h"
#include "sim/VirtualPrinterOptions.h"
#include "tessaro/Version.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>

namespace {

using tessaro::sim::parseByte;
using tessaro::sim::PrinterConfig;

CLI::Validator byteValidator() {
    return CLI::Validator(
        [](std::string& text) {
            return parseByte(text) ? std::string() : "not a byte (0..255 or 0x00..0xFF): " + text;
        },
        "BYTE");
}

constexpr long long kMaxSeconds = 366LL * 24 * 3600;
constexpr long long kDayMs = 24LL * 3600 * 1000;

// An amount of time from 0 to most, refused in the program's words.
CLI::Validator amountValidator(std::string unit, long long most, bool whole) {
    return CLI::Validator(
        [unit, most, whole](std::string& text) -> std::string {
            double value = -1;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            const bool read = !text.empty() && error == std::errc{} &&
                              end == text.data() + text.size() && value >= 0 &&
                              value <= static_cast<double>(most);
            if (read && (!whole || value == static_cast<double>(static_cast<long long>(value)))) {
                return "";
            }
            return text + " is not " + (whole ? "a whole number of " : "a number of ") + unit +
                   " from 0 to " + std::to_string(most);
        },
        whole ? "N" : "SECONDS");
}

struct Options {
    PrinterConfig config;
    std::string chipset = "5";
    std::string status = "0xA0";
    std::string handshake = "hardware";
    std::string saveReply = "0";
    std::string link;
    std::string tcp;
    double timeLimit = 0;
};

void addPrinterOptions(CLI::App& app, Options& options) {
    PrinterConfig& config = options.config;
    // The default is named in the text: shown as "=VALUE", its double blank would split the
    // option from its description for a reader of the help such as help2man.
    app.add_option("--identity", config.identity,
                   "Identity text; its first 16 characters name the printer (default: the "
                   "name \"R62 VIRTUAL PRN\" and the version \"V1.04\")")
        ->type_name("TEXT");
    app.add_option("--chipset", options.chipset, "Chipset supply in volts")
        ->check(CLI::IsMember({"5", "3.3"}))
        ->capture_default_str();
    app.add_option("--status", options.status, "Status byte ESC v answers")
        ->check(byteValidator())
        ->capture_default_str();
    app.add_option("--speed", config.baud, "Serial speed at power-on, bit/s")
        ->capture_default_str();
    app.add_option("--handshake", options.handshake, "Serial handshake at power-on")
        ->check(CLI::IsMember({"xonxoff", "hardware"}))
        ->capture_default_str();
    app.add_flag("--ir", config.ir, "IR on at power-on");
    app.add_flag("--usb", config.usb,
                 "Be a USB printer: every byte is heard, whatever speed the terminal has");
    app.add_option("--state", config.stateFile, "File that keeps the printer's memory")
        ->type_name("FILE");
    app.add_option("--link", options.link, "Symbolic link to create to the pseudo-terminal")
        ->type_name("PATH");
    app.add_option("--tcp", options.tcp,
                   "Serve on TCP instead, at [HOST:]PORT (host 127.0.0.1; port 0: any free one)")
        ->type_name("[HOST:]PORT");
    app.add_option("--time-limit", options.timeLimit, "Stop after this many seconds (0: never)")
        ->check(amountValidator("seconds", kMaxSeconds, false));
}

void addFaultOptions(CLI::App& app, Options& options) {
    PrinterConfig& config = options.config;
    app.add_option("--save-reply", options.saveReply, "Byte ESC s answers (0: stored)")
        ->check(byteValidator())
        ->capture_default_str();
    app.add_flag("--no-save-reply", config.saveReplyMissing, "ESC s is not answered");
    app.add_flag("--no-chipset-reply", config.chipsetReplyMissing, "GS S C is not answered");
    app.add_flag("--silent", config.silent, "Never reply");
    app.add_option("--reply-delay", config.replyDelayMs, "Reply this many ms late")
        ->check(amountValidator("milliseconds", kDayMs, true));
    app.add_option("--busy-hold", config.busyHoldSeconds,
                   "Busy for this many seconds after each read: nothing more is read meanwhile")
        ->check(amountValidator("seconds", kDayMs / 1000, true));
    app.add_flag("--garbage", config.garbage, "Every reply byte arrives as 0xFF");
    app.add_flag("--endless", config.endless, "Replies never end");
    app.add_flag("--line-low", config.lineLow,
                 "The line is held low: the host reads zero bytes without end, and no reply");
    app.add_option("--hang-up-after", config.hangUpAfter,
                   "With --tcp: close each connection after this many bytes")
        ->type_name("BYTES");
}

void finish(Options& options) {
    options.config.chipset5V = options.chipset == "5";
    options.config.status = *parseByte(options.status);
    options.config.saveReply = *parseByte(options.saveReply);
    options.config.hardwareHandshake = options.handshake == "hardware";
}

// On standard error: standard output is for the device line and the command log.
void reportMemory(const tessaro::sim::PrinterModel& printer) {
    const PrinterConfig& config = printer.config();
    if (!config.stateFile.empty()) {
        std::cerr << "tessaro-printer-sim: memory " << config.stateFile.string() << ": "
                  << printer.stored().size() << " stored defaults; serial "
                  << describeSettings(printer.serialSettings(), config.chipset5V) << '\n';
    }
}

void printLine(const std::string& line) {
    std::cout << line << std::endl;
}

// SIGTERM and SIGINT stay blocked and are collected between rounds: no handler needed.
sigset_t blockStopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

bool stopRequested(const sigset_t& signals) {
    const timespec now{};
    return sigtimedwait(&signals, nullptr, &now) > 0;
}

// Rounds of the printer's side (one pollOnce each) until stopped or out of time.
template <typename Side>
void serve(Side& side, tessaro::link::Clock& clock, const sigset_t& signals, double timeLimit) {
    const auto start = clock.now();
    const auto limit = std::chrono::microseconds(static_cast<long long>(timeLimit * 1e6));
    while (!stopRequested(signals)) {
        if (timeLimit > 0 && clock.now() - start >= limit) {
            return;
        }
        side.pollOnce(50);
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"A virtual thermal printer on a pseudo-terminal, or on a TCP socket with --tcp.",
                 "tessaro-printer-sim"};
    app.set_version_flag("--version", std::string("tessaro-printer-sim ") + tessaro::kVersion,
                         "print the program's name and version and exit");
    Options options;
    addPrinterOptions(app, options);
    addFaultOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version exit 0; bad usage exits 2, as tessaro-cli does.
        return app.exit(e) == 0 ? 0 : 2;
    }
    finish(options);
    std::signal(SIGPIPE, SIG_IGN);
    const sigset_t signals = blockStopSignals();
    try {
        tessaro::link::SteadyClock clock;
        tessaro::sim::PrinterModel printer(options.config, clock, printLine);
        reportMemory(printer);
        if (!options.tcp.empty()) {
            tessaro::sim::TcpPrinter tcp(printer, clock, options.tcp, printLine);
            printLine("TCP " + tcp.address());
            serve(tcp, clock, signals, options.timeLimit);
        } else {
            tessaro::sim::PtyPrinter pty(printer, clock, options.link, printLine);
            printLine("PTY " + pty.slavePath());
            serve(pty, clock, signals, options.timeLimit);
        }
    } catch (const std::exception& error) {
        std::cerr << "tessaro-printer-sim: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
