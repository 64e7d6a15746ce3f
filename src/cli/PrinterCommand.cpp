// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrinterCommand.h"

#include "cli/AuditLog.h"
#include "cli/JsonOutput.h"
#include "cli/PrinterSession.h"
#include "cli/ProfileInput.h"
#include "cli/SerialSpeedOption.h"
#include "cli/TerminalText.h"
#include "cli/UnitReport.h"
#include "detect/Autodetect.h"
#include "protocol/CommandTable.h"
#include "protocol/Identity.h"
#include "protocol/PrinterCommands.h"
#include "workspace/ConfigFile.h"

#include <chrono>
#include <iostream>
#include <memory>

namespace tessaro::cli {
namespace {

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
    command->add_flag("--json", options.json, "print the result as one JSON object");
    command->callback([&options, own] {
        options.port = own->port;
        options.speed = own->speed;
        options.handshake = own->handshake;
    });
}

// One printer command from its start to its record: the feedback it shows, what it learns
// of the printer, and how it ends (the JSON record with --json).
class Run {
  public:
    Run(const PrinterOptions& options, bool assumeYes)
        : options_(options), feedback_(assumeYes), start_(std::chrono::steady_clock::now()) {
        feedback_.setJson(options.json);
        report_.port = options.port;
    }

    TerminalFeedback& feedback() { return feedback_; }

    // Opens the audit log --log names, before the printer is touched: a unit that cannot be
    // recorded is not configured. "" when there is none or it is open.
    std::string openLog() {
        if (options_.log.empty()) {
            return "";
        }
        profile_ = stampProfile(options_.file);
        return log_.open(options_.log);
    }
    UnitReport& report() { return report_; }

    // A failure of the command line itself: said on stderr, and the record's message.
    int fail(Outcome outcome, std::string_view text) {
        feedback_.error(text);
        report_.message = text;
        return finish(outcome);
    }

    // The printer's status byte, once detection has read it: its faults are a warning.
    void warnOfFaults(PrinterSession& session) {
        const auto status = session.facts().StatusByte;
        const std::string faults = status ? faultText(*status) : "";
        if (!faults.empty()) {
            const std::string warning =
                "The printer on " + session.portName() + " reports a fault: " + faults;
            feedback_.error(warning);
            report_.warnings.push_back(warning);
        }
    }

    // Ends the command: the record is completed (its message, unless set, the last notice
    // when it succeeded and the first failure said otherwise) and printed with --json.
    int finish(Outcome outcome) {
        report_.outcome = outcome;
        report_.sent = feedback_.sent();
        if (report_.message.empty()) {
            report_.message = defaultMessage(outcome);
        }
        report_.durationMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start_)
                                 .count();
        if (log_.isOpen()) {
            if (const std::string failure = log_.append(auditRecord(report_, profile_));
                !failure.empty()) {
                feedback_.error(failure);
                outcome = Outcome::FileError;
            }
        }
        if (options_.json) {
            printJson(toJson(report_));
        }
        return exitStatus(outcome);
    }

  private:
    std::string defaultMessage(Outcome outcome) const {
        const auto& notices = feedback_.notices();
        const auto& errors = feedback_.errors();
        if (outcome == Outcome::Ok && !notices.empty()) {
            return notices.back();
        }
        if (outcome != Outcome::Ok && !errors.empty()) {
            return errors.front();
        }
        return feedback_.result();
    }

    const PrinterOptions& options_;
    TerminalFeedback feedback_;
    UnitReport report_;
    AuditLog log_;
    ProfileStamp profile_;
    std::chrono::steady_clock::time_point start_;
};

// The handshake as the port window's list numbers it: 0 Xon-Xoff, 1 DSR/DTR Mode.
int handshakeIndex(const PrinterOptions& options) {
    return options.handshake == "xonxoff" ? 0 : 1;
}

// How a detection ended: found, nothing answered, or the port could not be used.
Outcome detectionOutcome(const detect::DetectionResult& result) {
    if (result.found) {
        return Outcome::Ok;
    }
    return result.problem == link::PortProblem::None ? Outcome::NoAnswer
                                                     : outcomeOf(result.problem);
}

// Detects on the chosen port. The detect command prints its result line, then the
// printer's panels; the commands that go on print a failure as their diagnostic.
Outcome detectAndReport(PrinterSession& session, const PrinterOptions& options, Run& run,
                        bool resultIsFailure) {
    TerminalFeedback& feedback = run.feedback();
    feedback.holdNotices(true);
    const detect::DetectionResult result = session.detect(options.speed, handshakeIndex(options));
    const bool found = result.found;
    describeSession(run.report(), session);
    if (!found && resultIsFailure && !feedback.result().empty()) {
        feedback.error(feedback.result());
    }
    feedback.printDetection(found);
    if (found) {
        run.warnOfFaults(session);
    }
    return detectionOutcome(result);
}

} // namespace

PrinterSubcommands addPrinterCommands(CLI::App& app, PrinterOptions& options) {
    PrinterSubcommands commands;
    commands.detect = app.add_subcommand("detect", "Find the printer on a port, or search all");
    addLinkOptions(commands.detect, options, false);
    commands.detect->add_flag(
        "--auto", options.autodetect,
        "search every COM port at every speed, then the USB printers USB1..USB4, "
        "then LPT1 and LPT2");
    commands.send = app.add_subcommand(
        "send", "Detect the printer, load a .pcf file and store its parameters in the printer");
    commands.send->add_option("FILE", options.file, ".pcf file to send")->required();
    addLinkOptions(commands.send, options, true);
    commands.send->add_flag("--all", options.all, "send every parameter, not only modified ones");
    commands.send->add_flag("--yes", options.yes, "do not ask for confirmation");
    commands.send->add_option("--log", options.log, "append an audit record to this file")
        ->type_name("FILE.jsonl");
    commands.recover =
        app.add_subcommand("recover", "Detect the printer and store the factory settings in it");
    addLinkOptions(commands.recover, options, true);
    commands.recover->add_flag("--yes", options.yes, "do not ask for confirmation");
    commands.status = app.add_subcommand("status", "Ask the printer for its status byte");
    addLinkOptions(commands.status, options, true);
    return commands;
}

int runDetect(const PrinterOptions& options) {
    Run run(options, false);
    TerminalFeedback& feedback = run.feedback();
    if (options.autodetect) {
        PrinterSession session(link::PortRef{}, feedback);
        feedback.holdNotices(true);
        feedback.showProgress(true);
        detect::Autodetect search(session.detection());
        search.onProgress([&feedback](int step, int total, std::string_view text) {
            feedback.showSearchStep(step, total, text);
        });
        const detect::DetectionResult result = search.Autodetect_Click();
        feedback.setDetectionResult(result.text);
        const bool found = result.found;
        feedback.showProgress(false);
        feedback.printDetection(found);
        describeSession(run.report(), session);
        if (found) {
            run.report().port = session.portName();
        }
        return run.finish(found ? Outcome::Ok : Outcome::NoAnswer);
    }
    if (options.port.empty()) {
        return run.fail(Outcome::BadUsage, "detect needs --port PORT or --auto");
    }
    const auto port = link::PortRef::parse(options.port);
    if (!port) {
        return run.fail(Outcome::BadUsage, unknownPortText(options.port));
    }
    PrinterSession session(*port, feedback);
    return run.finish(detectAndReport(session, options, run, false));
}

namespace {

// Detects, then runs operation with the printer's commands; the workspace starts as the
// window has it after start-up.
template <typename Operation>
int withPrinter(Run& run, const PrinterOptions& options, workspace::Workspace& ws,
                Operation operation) {
    const auto port = link::PortRef::parse(options.port);
    if (!port) {
        return run.fail(Outcome::BadUsage, unknownPortText(options.port));
    }
    TerminalFeedback& feedback = run.feedback();
    if (!feedback.canAsk()) {
        return run.fail(Outcome::BadUsage,
                        "Refusing to change the printer without a terminal to confirm on: "
                        "add --yes");
    }
    PrinterSession session(*port, feedback);
    if (const Outcome found = detectAndReport(session, options, run, true); found != Outcome::Ok) {
        return run.finish(found);
    }
    protocol::Transmission transmission(ws, session.link(), session.facts(), feedback);
    protocol::PrinterCommands commands(ws, transmission, feedback);
    const bool stored = operation(commands);
    describeSession(run.report(), session); // a speed command moved the link
    if (stored) {
        return run.finish(Outcome::Ok);
    }
    if (transmission.portProblem() != link::PortProblem::None) {
        return run.finish(outcomeOf(transmission.portProblem()));
    }
    return run.finish(feedback.declined() ? Outcome::Declined : Outcome::NotStored);
}

} // namespace

int runSend(const PrinterOptions& options) {
    Run run(options, options.yes);
    if (const std::string failure = run.openLog(); !failure.empty()) {
        return run.fail(Outcome::FileError, failure);
    }
    workspace::Workspace ws;
    ws.startUp();
    const ProfileToSend report = loadProfileToSend(ws, options.file);
    if (!report.error.empty()) {
        return run.fail(Outcome::FileError, report.error);
    }
    if (!report.warning.empty()) {
        run.feedback().error(report.warning);
        run.report().warnings.push_back(report.warning);
    }
    return withPrinter(run, options, ws, [&](protocol::PrinterCommands& commands) {
        return commands.confirmAndSend(options.all);
    });
}

int runRecover(const PrinterOptions& options) {
    Run run(options, options.yes);
    workspace::Workspace ws;
    ws.startUp();
    return withPrinter(run, options, ws, [](protocol::PrinterCommands& commands) {
        return commands.RecoverfactoryButton_Click();
    });
}

int runStatus(const PrinterOptions& options) {
    Run run(options, false);
    const auto port = link::PortRef::parse(options.port);
    if (!port) {
        return run.fail(Outcome::BadUsage, unknownPortText(options.port));
    }
    PrinterSession session(*port, run.feedback());
    link::SubCom& link = session.link();
    link.settings() = {session.port(), true, options.speed, options.handshake == "xonxoff" ? 1 : 2};
    describeSession(run.report(), session);
    if (const std::string failure =
            link.OpenPort(session.port(), options.speed, link.settings().PortHandshake);
        !failure.empty()) {
        return run.fail(outcomeOf(link.transport().problem()), failure);
    }
    link::PortCloser closer(link);
    link.discardInput(); // a byte left from an earlier exchange is not the status
    link.SendString(protocol::kStatusRequest);
    run.feedback().commandSent(protocol::kStatusRequest);
    if (!link.transport().waitForInput(500)) {
        return run.fail(Outcome::NoAnswer,
                        "No reply to the status request on " + oneLine(options.port));
    }
    std::uint8_t status = link.ReceiveByte();
    if (std::string fault = link.transport().takeFault(); !fault.empty()) {
        return run.fail(Outcome::PortLost, fault);
    }
    run.report().statusByte = status;
    protocol::AffichStatus(status, session.facts());
    const std::string& text = session.facts().PrinterStatusText;
    if (!options.json) {
        std::cout << text << "\n";
    }
    if (const std::string faults = faultText(status); !faults.empty()) {
        return run.fail(Outcome::PrinterFault,
                        "The printer on " + session.portName() + " reports a fault: " + faults);
    }
    run.report().message = text;
    return run.finish(Outcome::Ok);
}

} // namespace tessaro::cli
