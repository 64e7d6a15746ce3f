// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the printer side says happened, as a value: an id and its parts. Each front end words
// it: the command line, the JSON output and the audit log in English (message/English.h), the
// window in the user's language. What a printer or a person supplied (an identity, a port's
// name, a file name) is a part shown as it is, never a sentence of its own.

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace tessaro::message {

enum class MessageId {
    // A sentence the printer side does not give as a value yet: its one part, as it is.
    Said,
    // What a printer or a person supplied, shown as it is in every language: its one part.
    Shown,
    // A command's line in the status bar as the command table has it: its one part.
    CommandStep,
    // Detection
    NoPrinterFound,        // "No printer found"
    NoPrinterOn,           // on a port: "No printer found on LPT 1"
    NoPrinterOnAtSpeed,    // on a port at a speed
    NoPrinterAtAnySpeed,   // on a port, every speed tried
    PrinterFoundOn,        // an identity, a port
    PrinterFoundOnAtSpeed, // an identity, a port, a speed
    NoPrinterFoundPanel,   // the status bar after a detection that found nothing
    NoPrinterOnPanel,      // the status bar after a printer was lost: a port
    PortPanelAtSpeed,      // the status bar's port panel: a port, a speed
    PowerFiveVolts,        // the status bar: "Power: 5V"
    PowerTwentyFourVolts,  // "Power: 24V"
    PortDoesNotExist,      // framing the port's own reason
    SelectSerialPort,
    SelectParallelPort,
    WakingPrinters,           // the automatic search's first step
    ContactingPrinterOn,      // a port
    ContactingPrinterOnPort,  // a port, the step of a printer port ("... on USB 1.")
    ContactingPrinterAtSpeed, // a port, a speed
    SearchLeavesPortOut,      // framing why the port cannot be used
    // Sending
    NeedPrinterConnected,
    NothingWasSent, // framing why
    SavingParameters,
    ParametersSaved,
    SavingFailedPanel,
    SavingSucceeded,
    SavingRefused,    // the printer answered the saving sequence with other than 0
    SavingUnanswered, // no answer to the saving sequence
    RebootPrinter,
    ConfirmSend,
    ConfirmRecover,
    SpeedRefusedAt5V,
    SpeedRefusedAt3V3,
    // The parallel port
    ByteModeError, // a port
    LptUnusable,
    LptCommunicationError,
    ParallelErrorTitle,
    // Profile files: loading and saving
    FileReason,          // a file's path, framing why it cannot be read or written
    NotARegularFile,     // a pipe, a device: no file to read or replace
    FileLargerThanBytes, // a number of bytes
    FileLargerThanOneByte,
    FileLargerThanKiB, // a number of KiB
    FileLargerThanMiB, // a number of MiB
    LinkToAnotherUsersFile,
    LinkToMissingFile,
    FileReadOnly,        // a path
    ProfileKeysSkipped,  // a path: the first line of the warning
    SkippedKeyOnItsLine, // framing the warning so far, framing one key skipped
    PrintModeKeyAlone,   // "key=value", the print mode's first key (the one missing)
    PrintModeIncomplete, // the print mode's first and last keys
};
// How many ids there are: every id above is below it (keep it after the last).
inline constexpr int kMessageIdCount = static_cast<int>(MessageId::PrintModeIncomplete) + 1;

struct Message;

// One part: a text shown as it is (a port's name, an identity, a speed as the printer's list
// writes it), a number, a system error (errno), or a message this one frames.
struct Part {
    enum class Kind { Verbatim, Number, SystemError, Nested };
    Kind kind = Kind::Verbatim;
    std::string text;
    long long number = 0;
    int error = 0;
    std::shared_ptr<const Message> nested;

    static Part verbatim(std::string text);
    static Part count(long long number);
    static Part systemError(int error);
    static Part framed(Message message);
};

struct Message {
    MessageId id = MessageId::Said;
    std::vector<Part> parts;

    Message() = default;
    Message(MessageId id, std::initializer_list<Part> parts) : id(id), parts(parts) {}
    // A sentence as it is (MessageId::Said).
    static Message said(std::string text);
    // A text a printer or a person supplied (MessageId::Shown).
    static Message shown(std::string text);
};

} // namespace tessaro::message
