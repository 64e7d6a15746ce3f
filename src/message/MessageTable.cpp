// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/MessageTable.h"

#include <QtGlobal>

namespace tessaro::message {
namespace {

// Whether the English text has nothing of its own besides its parts ("%1: %2").
bool onlyJoins(std::string_view english) {
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english[i] == '%' && i + 1 < english.size()) {
            ++i;
        } else if ((english[i] >= 'A' && english[i] <= 'Z') ||
                   (english[i] >= 'a' && english[i] <= 'z')) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view messageWord(const Message& message) {
    switch (message.id) {
    case MessageId::Shown:
    case MessageId::CommandStep:
        return {};
    default:
        break;
    }
    const MessageText text = textOf(message.id);
    if (onlyJoins(text.english) && message.id != MessageId::SystemError) {
        for (auto part = message.parts.rbegin(); part != message.parts.rend(); ++part) {
            if (part->kind == Part::Kind::Nested && part->nested) {
                return messageWord(*part->nested);
            }
        }
    }
    return text.word;
}

MessageText textOf(MessageId id) {
    switch (id) {
    case MessageId::Shown:
        return {"text", "%1"};
    case MessageId::NoPrinterFound:
        return {"no_printer", QT_TRANSLATE_NOOP("Message", "No printer found")};
    case MessageId::NoPrinterOn:
        return {"no_printer_on_port", QT_TRANSLATE_NOOP("Message", "No printer found on %1")};
    case MessageId::NoPrinterOnAtSpeed:
        return {"no_printer_at_speed",
                QT_TRANSLATE_NOOP("Message", "No printer found on %1 at %2 bauds")};
    case MessageId::NoPrinterAtAnySpeed:
        return {"no_printer_at_any_speed",
                QT_TRANSLATE_NOOP("Message", "No printer found on %1 at any speed")};
    case MessageId::PrinterFoundOn:
        return {"printer_found", QT_TRANSLATE_NOOP("Message", "%1 found on %2")};
    case MessageId::PrinterFoundOnAtSpeed:
        return {"printer_found_at_speed",
                QT_TRANSLATE_NOOP("Message", "%1 found on %2 at %3 bauds")};
    case MessageId::CommandStep:
        return {"command_step", "%1"};
    case MessageId::NoPrinterFoundPanel:
        return {"no_printer_panel", QT_TRANSLATE_NOOP("Message", "No Printer found")};
    case MessageId::NoPrinterOnPanel:
        return {"printer_lost_panel", QT_TRANSLATE_NOOP("Message", "NO Printer on %1 :")};
    case MessageId::PortPanelAtSpeed:
        return {"port_panel", QT_TRANSLATE_NOOP("Message", "%1 ,  %2 BAUDS ")};
    case MessageId::PowerFiveVolts:
        return {"power_5v", QT_TRANSLATE_NOOP("Message", "Power: 5V")};
    case MessageId::PowerTwentyFourVolts:
        return {"power_24v", QT_TRANSLATE_NOOP("Message", "Power: 24V")};
    case MessageId::PortDoesNotExist:
        return {"port_does_not_exist",
                QT_TRANSLATE_NOOP("Message", "This port does not exist\r%1")};
    case MessageId::SelectSerialPort:
        return {"select_serial_port",
                QT_TRANSLATE_NOOP("Message", "You must select a serial port")};
    case MessageId::SelectParallelPort:
        return {"select_parallel_port",
                QT_TRANSLATE_NOOP("Message", "You must select a parallel port")};
    case MessageId::WakingPrinters:
        return {"waking_printers", QT_TRANSLATE_NOOP("Message", "Trying to wake-up the printer")};
    case MessageId::ContactingPrinterOn:
        return {"contacting_printer",
                QT_TRANSLATE_NOOP("Message", "Attempting to contact printer on %1")};
    case MessageId::ContactingPrinterOnPort:
        return {"contacting_printer_port",
                QT_TRANSLATE_NOOP("Message", "Attempting to contact printer on %1.")};
    case MessageId::ContactingPrinterAtSpeed:
        return {"contacting_printer_at_speed",
                QT_TRANSLATE_NOOP("Message", "Attempting to contact printer on %1 at %2 bauds.")};
    case MessageId::SearchLeavesPortOut:
        return {"search_leaves_port_out",
                QT_TRANSLATE_NOOP("Message", "%1\rThe automatic search leaves this port out.")};
    case MessageId::NeedPrinterConnected:
        return {"need_printer",
                QT_TRANSLATE_NOOP("Message", "Need a Printer Connected\rDetect Printer Please")};
    case MessageId::NothingWasSent:
        return {"nothing_sent", QT_TRANSLATE_NOOP("Message", "%1\rNothing was sent.")};
    case MessageId::SavingParameters:
        return {"saving_parameters", QT_TRANSLATE_NOOP("Message", "Saving parameters")};
    case MessageId::ParametersSaved:
        return {"parameters_saved", QT_TRANSLATE_NOOP("Message", "Parameters saved...   ")};
    case MessageId::SavingFailedPanel:
        return {"saving_failed_panel", QT_TRANSLATE_NOOP("Message", "Saving sequence failed")};
    case MessageId::SavingSucceeded:
        return {"saving_succeeded", QT_TRANSLATE_NOOP("Message", "Saving Sequence Successful !")};
    case MessageId::SavingRefused:
        return {"saving_refused",
                QT_TRANSLATE_NOOP("Message", " Saving Sequence Failed\r Please verify that your "
                                             "software revision allow parameters modificaiton")};
    case MessageId::SavingUnanswered:
        return {"saving_unanswered",
                QT_TRANSLATE_NOOP("Message", "Saving Sequence Failed\rPlease verify that your "
                                             "software revision\rallow parameters modificaiton")};
    case MessageId::RebootPrinter:
        return {"reboot_printer",
                QT_TRANSLATE_NOOP("Message",
                                  "Please reboot your printer by powering it down, then up.\r\n"
                                  "Then, perform a printer detection again...")};
    case MessageId::ConfirmSend:
        return {"confirm_send",
                QT_TRANSLATE_NOOP("Message", "This will set the modified parameters as printer "
                                             "default.\r\n\r\nDo you want to continue?")};
    case MessageId::ConfirmRecover:
        return {"confirm_recover",
                QT_TRANSLATE_NOOP("Message",
                                  "This will load the factory settings into the workspace\r\n"
                                  "and transfer them to the printer.\r\n\r\nDo you want to "
                                  "continue?")};
    case MessageId::SpeedRefusedAt5V:
        return {"speed_refused_5v",
                QT_TRANSLATE_NOOP("Message",
                                  "It is not possible to configure the baudrate at 28800 bauds\r\n"
                                  "if the printer chipset is powered on 5V.\r\n\r\n"
                                  "Available baudrates are: \r\n"
                                  "          1200, 2400, 4800, 9600, 19200, 38400, 57600, "
                                  "115200.\r\n\r\nThe baudrate parameter will not be modified.")};
    case MessageId::SpeedRefusedAt3V3:
        return {"speed_refused_3v3",
                QT_TRANSLATE_NOOP("Message",
                                  "It is not possible to configure the baudrate at 38400 or "
                                  "115200 bauds\r\nif the printer chipset is powered on "
                                  "3.3V.\r\n\r\nAvailable baudrates are: \r\n"
                                  "          1200, 2400, 4800, 9600, 19200, 28800, 57600.\r\n\r\n"
                                  "The baudrate parameter will not be modified.")};
    case MessageId::SpeedRefusedChipsetUnknown:
        return {"speed_refused_chipset_unknown",
                QT_TRANSLATE_NOOP("Message",
                                  "It is not possible to configure the baudrate at %1 bauds\r\n"
                                  "while the printer has not said whether its chipset is "
                                  "powered on 5V or 3.3V.\r\n\r\nAvailable baudrates are: \r\n"
                                  "          1200, 2400, 4800, 9600, 19200, 57600.\r\n\r\n"
                                  "The baudrate parameter will not be modified.")};
    case MessageId::ByteModeError:
        return {"byte_mode_error",
                QT_TRANSLATE_NOOP("Message", "%1 : BYTE Mode Error\rPlease check you LPT setup ")};
    case MessageId::LptUnusable:
        return {"lpt_unusable",
                QT_TRANSLATE_NOOP("Message", "The LPT ports will be unusable !\rPlease check "
                                             "your LPT port configuration !")};
    case MessageId::LptCommunicationError:
        return {"lpt_error", QT_TRANSLATE_NOOP("Message", "LPT Communication Port Error !")};
    case MessageId::ParallelErrorTitle:
        return {"parallel_error_title", QT_TRANSLATE_NOOP("Message", "Parallel Object Error")};
    case MessageId::PortReason:
        return {"port_reason", QT_TRANSLATE_NOOP("Message", "%1: %2")};
    case MessageId::SystemError:
        return {"system_error", "%1"};
    case MessageId::NoSuchPort:
        return {"no_such_port", QT_TRANSLATE_NOOP("Message", "no such port")};
    case MessageId::NoSuchDevice:
        return {"no_such_device", QT_TRANSLATE_NOOP("Message", "no such device")};
    case MessageId::NoDeviceHasNumber:
        return {"no_device_with_number", QT_TRANSLATE_NOOP("Message", "%1: no %2 has this number")};
    case MessageId::KindSerialPort:
        return {"kind_serial_port", QT_TRANSLATE_NOOP("Message", "serial port")};
    case MessageId::KindUsbPrinter:
        return {"kind_usb_printer", QT_TRANSLATE_NOOP("Message", "USB printer")};
    case MessageId::KindParallelPort:
        return {"kind_parallel_port", QT_TRANSLATE_NOOP("Message", "parallel port")};
    case MessageId::KindNetworkPrinter:
        return {"kind_network_printer", QT_TRANSLATE_NOOP("Message", "network printer")};
    case MessageId::KindSerialServer:
        return {"kind_serial_server", QT_TRANSLATE_NOOP("Message", "serial server")};
    case MessageId::SpeedRefused:
        return {"speed_refused", QT_TRANSLATE_NOOP("Message", "speed refused")};
    case MessageId::NotASerialPort:
        return {"not_a_serial_port", QT_TRANSLATE_NOOP("Message", "not a serial port")};
    case MessageId::DeviceDisconnected:
        return {"device_disconnected", QT_TRANSLATE_NOOP("Message", "the device was disconnected")};
    case MessageId::InUseByAnotherProgram:
        return {"in_use", QT_TRANSLATE_NOOP("Message", "in use by another program")};
    case MessageId::InUseByNamedProcess:
        return {"in_use_by_named_process",
                QT_TRANSLATE_NOOP("Message", "in use by %1 (process %2)")};
    case MessageId::InUseByProcess:
        return {"in_use_by_process", QT_TRANSLATE_NOOP("Message", "in use by process %1")};
    case MessageId::InUseLockFileHeld:
        return {"in_use_lock_file",
                QT_TRANSLATE_NOOP("Message", "in use by another program (%1 is held)")};
    case MessageId::InUseByDriverOrProgram:
        return {"parallel_in_use",
                QT_TRANSLATE_NOOP("Message", "the port is in use by another driver or program")};
    case MessageId::MayBeHeldByModemManager:
        return {"may_be_held_by_modem_manager",
                QT_TRANSLATE_NOOP("Message", "%1 (ModemManager, which probes new modems, may hold "
                                             "it: `sudo fuser -v %2` names the holder)")};
    case MessageId::MayBeTakenByModemManager:
        return {"may_be_taken_by_modem_manager",
                QT_TRANSLATE_NOOP("Message", "%1 (if it was not unplugged, ModemManager or brltty "
                                             "may have taken it: `dmesg` shows which)")};
    case MessageId::JoinDialoutGroup:
        return {"join_dialout",
                QT_TRANSLATE_NOOP("Message", "permission denied; join the dialout group (sudo "
                                             "adduser $USER dialout, then log in again)")};
    case MessageId::JoinLpGroup:
        return {
            "join_lp",
            QT_TRANSLATE_NOOP(
                "Message",
                "permission denied; join the lp group (sudo adduser $USER lp, then log in again)")};
    case MessageId::PermissionYours:
        return {"permission_yours",
                QT_TRANSLATE_NOOP("Message", "permission denied: %1 is yours%2")};
    case MessageId::PermissionGroupMember:
        return {
            "permission_group_member",
            QT_TRANSLATE_NOOP(
                "Message", "permission denied: %1 belongs to the group %2, and you are in it%3")};
    case MessageId::PermissionEveryone:
        return {"permission_everyone", QT_TRANSLATE_NOOP("Message", "permission denied: %1%2")};
    case MessageId::PermissionGroup:
        return {"permission_group",
                QT_TRANSLATE_NOOP("Message", "permission denied: %1 belongs to the group %2%3")};
    case MessageId::PermissionJoinedLater:
        return {"permission_joined_later",
                QT_TRANSLATE_NOOP("Message",
                                  "permission denied: %1 belongs to the group %2, which you joined "
                                  "after this session started: log in again (or run newgrp %2)")};
    case MessageId::PermissionNotInGroup:
        return {
            "permission_not_in_group",
            QT_TRANSLATE_NOOP(
                "Message", "permission denied: %1 belongs to the group %2, and you are not in it")};
    case MessageId::PermissionJoinGroup:
        return {"permission_join_group",
                QT_TRANSLATE_NOOP("Message",
                                  "permission denied: %1 belongs to the group %2, and you are not "
                                  "in it; join it (sudo adduser $USER %2), then log in again")};
    case MessageId::ModeLetsButRefused:
        return {"mode_lets_but_refused",
                QT_TRANSLATE_NOOP(
                    "Message", "; its mode (%1) lets %2 read and write, so something else refuses "
                               "it (an access control list, a security policy or a sandbox)")};
    case MessageId::ModeAllowsNo:
        return {"mode_allows_no",
                QT_TRANSLATE_NOOP("Message", ", but the device allows %1 no %2 (mode %3)")};
    case MessageId::WhoOwner:
        return {"who_owner", QT_TRANSLATE_NOOP("Message", "its owner")};
    case MessageId::WhoGroup:
        return {"who_group", QT_TRANSLATE_NOOP("Message", "its group")};
    case MessageId::WhoEveryone:
        return {"who_everyone", QT_TRANSLATE_NOOP("Message", "everyone")};
    case MessageId::AccessReadAndWrite:
        return {"access_read_write", QT_TRANSLATE_NOOP("Message", "read and write")};
    case MessageId::AccessRead:
        return {"access_read", QT_TRANSLATE_NOOP("Message", "read")};
    case MessageId::AccessWrite:
        return {"access_write", QT_TRANSLATE_NOOP("Message", "write")};
    case MessageId::NameLeadsElsewhere:
        return {"name_leads_elsewhere",
                QT_TRANSLATE_NOOP("Message", "the name now leads to another device (%1%2) than the "
                                             "printer was found on; detect the printer again")};
    case MessageId::NameLeadsToAnotherAddress:
        return {"name_leads_to_another_address",
                QT_TRANSLATE_NOOP("Message",
                                  "the name now leads to another address (%1, not %2) than the "
                                  "printer was found at; detect the printer again")};
    case MessageId::NameLedTo:
        return {"name_led_to", QT_TRANSLATE_NOOP("Message", ", not %1")};
    case MessageId::AnotherDevice:
        return {"another_device", QT_TRANSLATE_NOOP("Message", "another device")};
    case MessageId::NoAnswerWithin:
        return {"no_answer_within", QT_TRANSLATE_NOOP("Message", "no answer within %1 s")};
    case MessageId::NoAddress:
        return {"no_address", QT_TRANSLATE_NOOP("Message", "no address")};
    case MessageId::NameLookupFailed:
        return {"name_lookup_failed", QT_TRANSLATE_NOOP("Message", "the name lookup failed")};
    case MessageId::NotANetworkAddress:
        return {"not_a_network_address",
                QT_TRANSLATE_NOOP("Message", "not a network address (HOST or HOST:PORT)")};
    case MessageId::NotASerialServerAddress:
        return {"not_a_serial_server_address",
                QT_TRANSLATE_NOOP("Message", "not a serial server address (HOST:PORT)")};
    case MessageId::PrinterClosedConnection:
        return {"printer_closed_connection",
                QT_TRANSLATE_NOOP("Message", "the printer closed the connection")};
    case MessageId::PrinterWentAway:
        return {"printer_went_away", QT_TRANSLATE_NOOP("Message", "the printer went away (%1)")};
    case MessageId::PrinterStoppedTakingData:
        return {"printer_stopped_taking_data",
                QT_TRANSLATE_NOOP("Message", "the printer stopped taking data")};
    case MessageId::ServerSetsNoLines:
        return {"server_sets_no_lines",
                QT_TRANSLATE_NOOP("Message", "the server does not set serial lines (no RFC 2217)")};
    case MessageId::ServerClosedConnection:
        return {"server_closed_connection",
                QT_TRANSLATE_NOOP("Message", "the serial server closed the connection")};
    case MessageId::EarlyDataTooLong:
        return {
            "early_data_too_long",
            QT_TRANSLATE_NOOP(
                "Message", "the printer sent more than 64 KiB before the server had set the line")};
    case MessageId::ServerSetLineOtherwise:
        return {"server_set_line_otherwise",
                QT_TRANSLATE_NOOP("Message", "the server set the line to %1, not %2")};
    case MessageId::LineParityNone:
        return {"parity_none", QT_TRANSLATE_NOOP("Message", "no parity")};
    case MessageId::LineParityOdd:
        return {"parity_odd", QT_TRANSLATE_NOOP("Message", "odd parity")};
    case MessageId::LineParityEven:
        return {"parity_even", QT_TRANSLATE_NOOP("Message", "even parity")};
    case MessageId::LineParityMark:
        return {"parity_mark", QT_TRANSLATE_NOOP("Message", "mark parity")};
    case MessageId::LineParitySpace:
        return {"parity_space", QT_TRANSLATE_NOOP("Message", "space parity")};
    case MessageId::LineParityCode:
        return {"parity_code", QT_TRANSLATE_NOOP("Message", "parity %1")};
    case MessageId::LineOneStopBit:
        return {"stop_bits_1", QT_TRANSLATE_NOOP("Message", "1 stop bit")};
    case MessageId::LineTwoStopBits:
        return {"stop_bits_2", QT_TRANSLATE_NOOP("Message", "2 stop bits")};
    case MessageId::LineOneAndHalfStopBits:
        return {"stop_bits_1_5", QT_TRANSLATE_NOOP("Message", "1.5 stop bits")};
    case MessageId::LineStopSize:
        return {"stop_size", QT_TRANSLATE_NOOP("Message", "stop size %1")};
    case MessageId::LineNoFlowControl:
        return {"flow_none", QT_TRANSLATE_NOOP("Message", "no flow control")};
    case MessageId::LineXonXoff:
        return {"flow_xon_xoff", QT_TRANSLATE_NOOP("Message", "XON/XOFF flow control")};
    case MessageId::LineHardwareFlow:
        return {"flow_hardware", QT_TRANSLATE_NOOP("Message", "hardware flow control")};
    case MessageId::LineDataBits:
        return {"data_bits", QT_TRANSLATE_NOOP("Message", "%1 data bits")};
    case MessageId::LineSpeed:
        return {"line_speed", QT_TRANSLATE_NOOP("Message", "%1 bit/s")};
    case MessageId::ParallelNoError:
        return {"parallel_no_error", QT_TRANSLATE_NOOP("Message", "no error")};
    case MessageId::ParallelNotImplemented:
        return {"parallel_not_implemented",
                QT_TRANSLATE_NOOP("Message", "not implemented by this port")};
    case MessageId::ParallelNoCapability:
        return {"parallel_no_capability",
                QT_TRANSLATE_NOOP("Message",
                                  "a capability the program needs is not available on this port")};
    case MessageId::ParallelTimedOut:
        return {"parallel_timed_out",
                QT_TRANSLATE_NOOP("Message", "the port did not answer in time")};
    case MessageId::ParallelRejected:
        return {"parallel_rejected",
                QT_TRANSLATE_NOOP("Message", "the printer rejected the request")};
    case MessageId::ParallelNegotiationFailed:
        return {"parallel_negotiation_failed",
                QT_TRANSLATE_NOOP("Message", "negotiation with the printer failed")};
    case MessageId::ParallelNoMemory:
        return {"parallel_no_memory", QT_TRANSLATE_NOOP("Message", "not enough memory")};
    case MessageId::ParallelInitFailed:
        return {"parallel_init_failed",
                QT_TRANSLATE_NOOP("Message", "the port could not be initialised")};
    case MessageId::ParallelSystemError:
        return {"parallel_system_error", QT_TRANSLATE_NOOP("Message", "system error")};
    case MessageId::ParallelNoDeviceId:
        return {"parallel_no_device_id",
                QT_TRANSLATE_NOOP("Message", "the printer gave no device ID")};
    case MessageId::ParallelNotOpen:
        return {"parallel_not_open", QT_TRANSLATE_NOOP("Message", "the port is not open")};
    case MessageId::ParallelLibraryError:
        return {"parallel_library_error", QT_TRANSLATE_NOOP("Message", "libieee1284 error %1")};
    case MessageId::ParallelNoSupport:
        return {"parallel_no_support",
                QT_TRANSLATE_NOOP("Message", "no parallel port support: %1")};
    case MessageId::ParallelNotListed:
        return {"parallel_not_listed",
                QT_TRANSLATE_NOOP("Message", "the parallel port library does not list it")};
    case MessageId::ParallelNoPortAtAddress:
        return {"parallel_no_port_at_address",
                QT_TRANSLATE_NOOP("Message", "no parallel port at this address")};
    case MessageId::ParallelNoPortAtNumber:
        return {"parallel_no_port_at_number",
                QT_TRANSLATE_NOOP("Message", "no parallel port at this number")};
    case MessageId::ParallelCannotClaim:
        return {"parallel_cannot_claim",
                QT_TRANSLATE_NOOP("Message", "%1: cannot claim the port: %2")};
    case MessageId::Stopped:
        return {"stopped", QT_TRANSLATE_NOOP("Message", "stopped")};
    case MessageId::LinesOneAfterAnother:
        return {"lines", "%1\r%2"};
    case MessageId::FileReason:
        return {"file_reason", QT_TRANSLATE_NOOP("Message", "%1: %2")};
    case MessageId::NotARegularFile:
        return {"not_a_regular_file", QT_TRANSLATE_NOOP("Message", "not a regular file")};
    case MessageId::FileLargerThanBytes:
        return {"file_larger_than_bytes",
                QT_TRANSLATE_NOOP("Message", "file is larger than %1 bytes")};
    case MessageId::FileLargerThanOneByte:
        return {"file_larger_than_one_byte",
                QT_TRANSLATE_NOOP("Message", "file is larger than 1 byte")};
    case MessageId::FileLargerThanKiB:
        return {"file_larger_than_kib", QT_TRANSLATE_NOOP("Message", "file is larger than %1 KiB")};
    case MessageId::FileLargerThanMiB:
        return {"file_larger_than_mib", QT_TRANSLATE_NOOP("Message", "file is larger than %1 MiB")};
    case MessageId::LinkToAnotherUsersFile:
        return {"link_to_another_users_file",
                QT_TRANSLATE_NOOP("Message",
                                  "a symbolic link to a file of another user; not followed")};
    case MessageId::LinkToMissingFile:
        return {"link_to_missing_file",
                QT_TRANSLATE_NOOP("Message",
                                  "a symbolic link to a file that does not exist; not followed")};
    case MessageId::FileReadOnly:
        return {"file_read_only", QT_TRANSLATE_NOOP("Message", "%1 is read only !")};
    case MessageId::ProfileKeysSkipped:
        return {"profile_keys_skipped",
                QT_TRANSLATE_NOOP("Message",
                                  "Some keys of %1 were skipped: their values are not valid.")};
    case MessageId::SkippedKeyOnItsLine:
        // The layout of the list alone: each key on a line of its own, indented.
        return {"skipped_key_line", QT_TRANSLATE_NOOP("Message", "%1\r\n   %2")};
    case MessageId::PrintModeKeyAlone:
        return {"print_mode_key_alone", QT_TRANSLATE_NOOP("Message", "%1 (%2 is missing)")};
    case MessageId::UnitStopped:
        return {"unit_stopped",
                QT_TRANSLATE_NOOP("Message", "The unit was stopped before its end")};
    case MessageId::UnitFailedWith:
        return {"unit_failed", QT_TRANSLATE_NOOP("Message", "The unit failed: %1")};
    case MessageId::StationStoppedServing:
        return {"station_stopped_serving",
                QT_TRANSLATE_NOOP("Message", "The station stopped serving this port: %1")};
    case MessageId::PrinterReportsFault:
        return {"printer_reports_fault",
                QT_TRANSLATE_NOOP("Message", "The printer on %1 reports a fault: %2")};
    case MessageId::NoStatusReply:
        return {"no_status_reply",
                QT_TRANSLATE_NOOP("Message", "No reply to the status request on %1")};
    case MessageId::NoStatusReplyAtAnySpeed:
        return {"no_status_reply_at_any_speed",
                QT_TRANSLATE_NOOP("Message", "No reply to the status request on %1 at any speed")};
    case MessageId::AuditLogCannotOpen:
        return {"audit_log_cannot_open",
                QT_TRANSLATE_NOOP("Message", "Cannot open the audit log %1: %2")};
    case MessageId::AuditLogCannotWrite:
        return {"audit_log_cannot_write",
                QT_TRANSLATE_NOOP("Message", "Cannot write the audit log %1")};
    case MessageId::StationNoPort:
        return {"station_no_port", QT_TRANSLATE_NOOP("Message", "No port is chosen")};
    case MessageId::StationPortTwice:
        return {"station_port_twice", QT_TRANSLATE_NOOP("Message", "The port %1 is given twice")};
    case MessageId::CannotReadFile:
        return {"cannot_read_file", QT_TRANSLATE_NOOP("Message", "Cannot read %1")};
    case MessageId::NotAProfile:
        return {"not_a_profile",
                QT_TRANSLATE_NOOP("Message", "Cannot send %1: not a profile: it has none of the "
                                             "sections of a .pcf file")};
    case MessageId::SearchStepOf:
        return {"search_step", "[%1/%2] %3"};
    case MessageId::FaultHeadTemperature:
        return {"fault_head_temperature", QT_TRANSLATE_NOOP("Message", "°C Head Problem")};
    case MessageId::FaultHeadUp:
        return {"fault_head_up", QT_TRANSLATE_NOOP("Message", "Head Up")};
    case MessageId::FaultNoPaper:
        return {"fault_no_paper", QT_TRANSLATE_NOOP("Message", "No Paper")};
    case MessageId::FaultSupply:
        return {"fault_supply", QT_TRANSLATE_NOOP("Message", "Vbat Problem")};
    case MessageId::FaultMark:
        return {"fault_mark", QT_TRANSLATE_NOOP("Message", "Mark Error")};
    case MessageId::FaultCutter:
        return {"fault_cutter", QT_TRANSLATE_NOOP("Message", "Cutter failure")};
    case MessageId::OneAndNext:
        return {"one_and_next", QT_TRANSLATE_NOOP("Message", "%1, %2")};
    case MessageId::PrintModeIncomplete:
        return {"print_mode_incomplete",
                QT_TRANSLATE_NOOP("Message", "print mode (%1 to %2): a group of options has no "
                                             "option selected")};
    }
    return {"text", "%1"};
}

} // namespace tessaro::message
