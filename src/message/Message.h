// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the printer side says happened, as a value: an id and its parts. Each front end words
// it: the command line, the JSON output and the audit log in English (message/English.h), the
// window in the user's language. What a printer or a person supplied (an identity, a port's
// name, a file name) is a part shown as it is, never a sentence of its own.

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::message {

enum class MessageId {
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
    SpeedRefusedChipsetUnknown, // the speed chosen
    // The parallel port
    ByteModeError, // a port
    LptUnusable,
    LptCommunicationError,
    ParallelErrorTitle,
    // Why a port cannot be used
    PortReason,  // a port as described, framing its reason
    SystemError, // the C library's text of an errno
    NoSuchPort,
    NoSuchDevice,
    NoDeviceHasNumber, // a port, framing what kind of device ("USB printer")
    KindSerialPort,
    KindUsbPrinter,
    KindParallelPort,
    KindNetworkPrinter,
    KindSerialServer,
    SpeedRefused,
    NotASerialPort,
    DeviceDisconnected,
    InUseByAnotherProgram,
    InUseByNamedProcess,      // a command name, a pid
    InUseByProcess,           // a pid
    InUseLockFileHeld,        // a lock file
    InUseByDriverOrProgram,   // a parallel port
    MayBeHeldByModemManager,  // framing the reason, a device
    MayBeTakenByModemManager, // framing the reason
    JoinDialoutGroup,
    JoinLpGroup,
    PermissionYours,       // a device, framing the mode's refusal
    PermissionGroupMember, // a device, a group, framing the mode's refusal
    PermissionEveryone,    // a device, framing the mode's refusal
    PermissionGroup,       // a device, a group, framing the mode's refusal
    PermissionJoinedLater, // a device, a group
    PermissionNotInGroup,  // a device, a group
    PermissionJoinGroup,   // a device, a group
    ModeLetsButRefused,    // a mode, framing who
    ModeAllowsNo,          // framing who, framing what, a mode
    WhoOwner,
    WhoGroup,
    WhoEveryone,
    AccessReadAndWrite,
    AccessRead,
    AccessWrite,
    NameLeadsElsewhere, // the device now, framing what it was before
    NameLedTo,
    NameLeadsToAnotherAddress, // the address now, the one found at          // ", not /dev/ttyUSB0"
    AnotherDevice,
    // Network printers and serial servers
    NoAnswerWithin, // seconds
    NoAddress,
    NameLookupFailed,
    NotANetworkAddress,
    NotASerialServerAddress,
    PrinterClosedConnection,
    PrinterWentAway, // framing the system error
    PrinterStoppedTakingData,
    ServerSetsNoLines,
    ServerClosedConnection,
    EarlyDataTooLong,
    ServerSetLineOtherwise, // framing what was set, framing what was asked
    LineParityNone,
    LineParityOdd,
    LineParityEven,
    LineParityMark,
    LineParitySpace,
    LineParityCode, // a number
    LineOneStopBit,
    LineTwoStopBits,
    LineOneAndHalfStopBits,
    LineStopSize, // a number
    LineNoFlowControl,
    LineXonXoff,
    LineHardwareFlow,
    LineDataBits, // a number
    LineSpeed,    // a number
    // The parallel port library
    ParallelNoError,
    ParallelNotImplemented,
    ParallelNoCapability,
    ParallelTimedOut,
    ParallelRejected,
    ParallelNegotiationFailed,
    ParallelNoMemory,
    ParallelInitFailed,
    ParallelSystemError,
    ParallelNoDeviceId,
    ParallelNotOpen,
    ParallelLibraryError, // a number
    ParallelNoSupport,    // framing the library's reason
    ParallelNotListed,
    ParallelNoPortAtAddress,
    ParallelNoPortAtNumber,
    ParallelCannotClaim,  // a port, framing the reason
    Stopped,              // the user stopped the operation
    LinesOneAfterAnother, // framing one, framing the next, on a line of its own
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
    // The production station
    UnitStopped,
    UnitFailedWith,          // framing what went wrong
    StationStoppedServing,   // framing what went wrong
    PrinterReportsFault,     // a port, the faults as the status names them
    NoStatusReply,           // a port
    NoStatusReplyAtAnySpeed, // a port
    AuditLogCannotOpen,      // the log, framing why
    AuditLogCannotWrite,     // framing the log and why
    StationNoPort,
    StationPortTwice, // a port
    CannotReadFile,   // framing the file and why
    NotAProfile,      // a file
    SearchStepOf,     // the step, how many, framing what it tries
    // The faults a status byte reports, as the status text names them
    FaultHeadTemperature,
    FaultHeadUp,
    FaultNoPaper,
    FaultSupply,
    FaultMark,
    FaultCutter,
    OneAndNext, // framing one, framing the next: "No Paper, Cutter failure"
};
// How many ids there are: every id above is below it (keep it after the last).
inline constexpr int kMessageIdCount = static_cast<int>(MessageId::OneAndNext) + 1;

struct Message;

// One part: a text shown as it is (a port's name, an identity, a speed as the printer's list
// writes it), a number, a system error (errno), a name lookup's error (getaddrinfo's code), or a
// message this one frames.
struct Part {
    enum class Kind { Verbatim, Number, SystemError, ResolverError, Nested };
    Kind kind = Kind::Verbatim;
    std::string text;
    long long number = 0;
    int error = 0; // errno, or getaddrinfo's error code
    std::shared_ptr<const Message> nested;

    static Part verbatim(std::string text);
    static Part count(long long number);
    static Part systemError(int error);
    static Part resolverError(int code);
    static Part framed(Message message);
};

struct Message {
    MessageId id = MessageId::Shown;
    std::vector<Part> parts;

    Message() = default;
    // An id with its parts; an id alone is a message without parts.
    Message(MessageId id, std::initializer_list<Part> parts = {}) : id(id), parts(parts) {}
    // A text a printer or a person supplied (MessageId::Shown).
    static Message shown(std::string text);
};

// Why something failed, or nothing when it did not.
using Failure = std::optional<Message>;

} // namespace tessaro::message
