// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrinterCommand.h"

#include "cli/PrinterSession.h"
#include "cli/SerialSpeedOption.h"
#include "cli/TerminalText.h"
#include "detect/Autodetect.h"
#include "protocol/CommandTable.h"
#include "protocol/Identity.h"
#include "protocol/PrinterCommands.h"
#include "workspace/ConfigFile.h"

#include <iostream>
#include <memory>

namespace tessaro::cli {
namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

// Each subcommand has its own copy of the link options, handed over when it is the one
// parsed: the environment's defaults are applied to every subcommand's options, and one
// shared copy would let a subcommand not chosen overwrite what the user gave.
void addLinkOptions(CLI::App* command, PrinterOptions& options, bool portRequired) {
    struct Link {
        std::string port;
        std::string speed = "9600";
        std::string handshake = "hardware";
    };
    const auto own = std::make_shared<Link>();
    // A production line sets the station's port once in its environment.
    auto* port = command
                     ->add_option("-p,--port", own->port,
                                  "COM1..COM6, LPT1, LPT2, USB1..USB4, tcp://HOST[:PORT], or a "
                                  "device: serial, /dev/parportN, /dev/usb/lpN")
                     ->envname("TESSARO_PORT");
    if (portRequired) {
        port->required();
    }
    command->add_option("-b,--speed", own->speed, "serial speed to detect at (default 9600)")
        ->envname("TESSARO_SPEED")
        ->check(serialSpeedValidator());
    command->add_option("--handshake", own->handshake, "xonxoff or hardware (default)")
        ->envname("TESSARO_HANDSHAKE")
        ->check(CLI::IsMember({"xonxoff", "hardware"}));
    command->callback([&options, own] {
        options.port = own->port;
        options.speed = own->speed;
        options.handshake = own->handshake;
    });
}

std::optional<PortChoice> choosePort(const PrinterOptions& options) {
    auto port = parsePort(options.port);
    if (!port) {
        std::cerr << "Unknown port \"" << oneLine(options.port)
                  << "\": use COM1..COM6, LPT1, LPT2, USB1..USB4, tcp://HOST[:PORT] or a device "
                     "path\n";
    }
    return port;
}

void configureView(PrinterSession& session, const PrinterOptions& options) {
    session.view().speed = options.speed;
    session.view().handshake = options.handshake == "xonxoff" ? 0 : 1;
}

// Detects on the chosen port; prints the result line, then the printer's panels.
bool detectAndReport(PrinterSession& session, TerminalFeedback& feedback) {
    feedback.holdNotices(true);
    const bool found = session.detect();
    feedback.printDetection(found);
    return found;
}

bool canConfirm(const PrinterOptions& options, const TerminalFeedback& feedback) {
    if (!feedback.canAsk()) {
        std::cerr << "Refusing to change the printer without a terminal to confirm on: "
                     "add --yes\n";
        return false;
    }
    (void)options;
    return true;
}

} // namespace

PrinterSubcommands addPrinterCommands(CLI::App& app, PrinterOptions& options) {
    PrinterSubcommands commands;
    commands.detect = app.add_subcommand("detect", "Find the printer on a port, or search all");
    addLinkOptions(commands.detect, options, false);
    commands.detect->add_flag("--auto", options.autodetect,
                              "search every COM port at every speed, then LPT1 and LPT2");
    commands.send = app.add_subcommand(
        "send", "Detect the printer, load a .pcf file and store its parameters in the printer");
    commands.send->add_option("FILE", options.file, ".pcf file to send")->required();
    addLinkOptions(commands.send, options, true);
    commands.send->add_flag("--all", options.all, "send every parameter, not only modified ones");
    commands.send->add_flag("--yes", options.yes, "do not ask for confirmation");
    commands.recover =
        app.add_subcommand("recover", "Detect the printer and store the factory settings in it");
    addLinkOptions(commands.recover, options, true);
    commands.recover->add_flag("--yes", options.yes, "do not ask for confirmation");
    commands.status = app.add_subcommand("status", "Ask the printer for its status byte");
    addLinkOptions(commands.status, options, true);
    return commands;
}

int runDetect(const PrinterOptions& options) {
    TerminalFeedback feedback(false);
    if (options.autodetect) {
        PrinterSession session(PortChoice{}, feedback);
        configureView(session, options);
        feedback.holdNotices(true);
        feedback.showProgress(true);
        const bool found = detect::Autodetect(session.detection()).Autodetect_Click();
        feedback.showProgress(false);
        feedback.printDetection(found);
        return found ? kDone : kFailed;
    }
    if (options.port.empty()) {
        std::cerr << "detect needs --port PORT or --auto\n";
        return kBadUsage;
    }
    const auto port = choosePort(options);
    if (!port) {
        return kBadUsage;
    }
    PrinterSession session(*port, feedback);
    configureView(session, options);
    return detectAndReport(session, feedback) ? kDone : kFailed;
}

namespace {

// Detects, then runs operation with the printer's commands; the workspace starts as the
// window has it after start-up.
template <typename Operation>
int withPrinter(const PrinterOptions& options, workspace::Workspace& ws, Operation operation) {
    const auto port = choosePort(options);
    if (!port) {
        return kBadUsage;
    }
    TerminalFeedback feedback(options.yes);
    if (!canConfirm(options, feedback)) {
        return kBadUsage;
    }
    PrinterSession session(*port, feedback);
    configureView(session, options);
    if (!detectAndReport(session, feedback)) {
        return kFailed;
    }
    protocol::Transmission transmission(ws, session.link(), session.facts(), feedback);
    protocol::PrinterCommands commands(ws, transmission, feedback);
    return operation(commands) ? kDone : kFailed;
}

} // namespace

int runSend(const PrinterOptions& options) {
    workspace::Workspace ws;
    ws.startUp();
    const auto report = workspace::LoadConfig(ws, options.file);
    if (report.status != workspace::LoadReport::Status::Loaded) {
        std::cerr << "Cannot read " << terminalText(report.error) << "\n";
        return kBadUsage;
    }
    // Any file loads, as "no keys" at worst: a file that is no profile must not configure
    // the printer with the factory settings.
    if (!report.empty && !report.profileSections) {
        std::cerr << "Cannot send " << oneLine(options.file)
                  << ": not a profile: it has none of the sections of a .pcf file\n";
        return kBadUsage;
    }
    if (!report.warning.empty()) {
        std::cerr << terminalText(report.warning) << "\n";
    }
    return withPrinter(options, ws, [&](protocol::PrinterCommands& commands) {
        return commands.confirmAndSend(options.all);
    });
}

int runRecover(const PrinterOptions& options) {
    workspace::Workspace ws;
    ws.startUp();
    return withPrinter(options, ws, [](protocol::PrinterCommands& commands) {
        return commands.RecoverfactoryButton_Click();
    });
}

int runStatus(const PrinterOptions& options) {
    const auto port = choosePort(options);
    if (!port) {
        return kBadUsage;
    }
    TerminalFeedback feedback(false);
    PrinterSession session(*port, feedback);
    link::SubCom& link = session.link();
    link.settings() = {port->kind, port->number, options.speed,
                       options.handshake == "xonxoff" ? 1 : 2};
    if (const std::string failure =
            link.OpenPort(port->number, options.speed, link.settings().PortHandshake);
        !failure.empty()) {
        std::cerr << terminalText(failure) << "\n";
        return kFailed;
    }
    link::PortCloser closer(link);
    link.discardInput(); // a byte left from an earlier exchange is not the status
    link.SendString(protocol::kStatusRequest);
    if (!link.transport().waitForInput(500)) {
        std::cerr << "No reply to the status request on " << oneLine(options.port) << "\n";
        return kFailed;
    }
    std::uint8_t status = link.ReceiveByte();
    protocol::AffichStatus(status, session.facts());
    std::cout << session.facts().PrinterStatusText << "\n";
    return kDone;
}

} // namespace tessaro::cli
