// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrinterCommand.h"

#include "cli/PrintJson.h"
#include "cli/SerialSpeedOption.h"
#include "cli/TerminalConsole.h"
#include "detect/Autodetect.h"
#include "station/JsonOutput.h"
#include "station/PrinterSession.h"
#include "station/PrinterSteps.h"
#include "station/SendUnit.h"
#include "station/StatusProbe.h"
#include "station/UnitReport.h"
#include "station/UnitRun.h"

#include <memory>

namespace tessaro::cli {
namespace {

// Each subcommand has its own copy of the link options, handed over when it is the one
// parsed: the environment's defaults are applied to every subcommand's options, and one
// shared copy would let a subcommand not chosen overwrite what the user gave.
void addLinkOptions(CLI::App* command, station::PrinterOptions& options, bool portRequired) {
    struct Link {
        std::string port;
        std::string speed = "9600";
        std::string handshake = "hardware";
    };
    const auto own = std::make_shared<Link>();
    // A production line sets the station's port once in its environment.
    auto* port = command
                     ->add_option("-p,--port", own->port,
                                  link::PortRef::spellings() +
                                      ", or a device: " + link::PortRef::deviceSpellings())
                     ->envname("TESSARO_PORT");
    if (portRequired) {
        port->required();
    }
    command
        ->add_option("-b,--speed", own->speed,
                     "serial speed to detect at (default 9600), or auto: each speed in turn")
        ->envname("TESSARO_SPEED")
        ->check(serialSpeedValidator(true));
    command->add_option("--handshake", own->handshake, "xonxoff or hardware (default)")
        ->envname("TESSARO_HANDSHAKE")
        ->check(CLI::IsMember({"xonxoff", "hardware"}));
    command->add_flag("--json", options.json, "print the result as one JSON object");
    command->callback([&options, own] {
        options.port = link::PortRef::parse(own->port);
        options.unknownPort = options.port ? "" : own->port;
        options.speed = own->speed;
        options.handshake =
            station::handshakeNamed(own->handshake).value_or(station::Handshake::Hardware);
    });
}

// Prints the record with --json; the exit status.
int reported(const station::PrinterOptions& options, const station::UnitResult& result) {
    if (options.json) {
        printJson(station::toJson(result.report));
    }
    return station::exitStatus(result.outcome);
}

} // namespace

PrinterSubcommands addPrinterCommands(CLI::App& app, station::PrinterOptions& options) {
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
    commands.send->add_option("--log", options.log, "append an audit record to this file")
        ->type_name("FILE.jsonl");
    commands.send
        ->add_option_function<std::string>(
            "--label", [&options](const std::string& text) { options.setLabel(text); },
            "what the run is for (an order, a batch, an operator), in the record")
        ->type_name("TEXT");
    commands.recover =
        app.add_subcommand("recover", "Detect the printer and store the factory settings in it");
    addLinkOptions(commands.recover, options, true);
    commands.recover->add_flag("--yes", options.yes, "do not ask for confirmation");
    commands.status = app.add_subcommand("status", "Ask the printer for its status byte");
    addLinkOptions(commands.status, options, true);
    return commands;
}

int runDetect(const station::PrinterOptions& options) {
    station::UnitRun run(options, false, terminalOutput());
    station::UnitFeedback& feedback = run.feedback();
    if (options.autodetect) {
        station::PrinterSession session(link::PortRef{}, feedback);
        feedback.holdNotices(true);
        feedback.showProgress(true);
        detect::Autodetect search(session.detection());
        search.onProgress([&feedback](int step, int total, std::string_view text) {
            feedback.showSearchStep(step, total, text);
        });
        const detect::DetectionResult result = search.Autodetect_Click();
        station::showDetection(feedback, result);
        const bool found = result.found;
        feedback.showProgress(false);
        feedback.printDetection(found);
        station::describeSession(run.report(), session);
        if (found) {
            run.report().port = session.portName();
        }
        return reported(options,
                        run.finish(found ? station::Outcome::Ok : station::Outcome::NoAnswer));
    }
    if (options.givenPort().empty()) {
        return reported(options,
                        run.fail(station::Outcome::BadUsage, "detect needs --port PORT or --auto"));
    }
    if (!options.port) {
        return reported(options, run.fail(station::Outcome::BadUsage,
                                          link::PortRef::unknownText(options.unknownPort)));
    }
    station::PrinterSession session(*options.port, feedback);
    return reported(options, run.finish(station::detectAndReport(session, options, run, false)));
}

int runSend(const station::PrinterOptions& options) {
    return reported(options, station::sendUnit(options, terminalOutput()));
}

int runRecover(const station::PrinterOptions& options) {
    station::UnitRun run(options, options.yes, terminalOutput());
    workspace::Workspace ws;
    ws.startUp();
    return reported(options,
                    station::withPrinter(run, options, ws, [](protocol::PrinterCommands& commands) {
                        return commands.RecoverfactoryButton_Click();
                    }));
}

int runStatus(const station::PrinterOptions& options) {
    return reported(options, station::StatusProbe(options, terminalOutput()).ask());
}

} // namespace tessaro::cli
