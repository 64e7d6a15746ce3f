// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/MessageTable.h"

#include <QtGlobal>

namespace tessaro::message {

MessageText textOf(MessageId id) {
    switch (id) {
    case MessageId::Said:
        return {"said", "%1"};
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
    case MessageId::PrintModeIncomplete:
        return {"print_mode_incomplete",
                QT_TRANSLATE_NOOP("Message", "print mode (%1 to %2): a group of options has no "
                                             "option selected")};
    }
    return {"said", "%1"};
}

} // namespace tessaro::message
