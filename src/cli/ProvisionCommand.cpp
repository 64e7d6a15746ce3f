// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProvisionCommand.h"

#include "cli/InterruptWatch.h"
#include "cli/PrintJson.h"
#include "cli/Refusal.h"
#include "cli/SerialSpeedOption.h"
#include "cli/Station.h"
#include "cli/TerminalCodes.h"
#include "message/ShownText.h"
#include "station/AuditLog.h"
#include "station/JsonOutput.h"
#include "station/Outcome.h"
#include "station/ProfileInput.h"
#include "station/StationChecks.h"

#include <iostream>
#include <unistd.h>

namespace tessaro::cli {
namespace {

bool confirmed(const ProvisionOptions& options) {
    if (options.yes) {
        return true;
    }
    std::cerr << "This will set the parameters of " << message::oneLine(options.file)
              << " as printer default in the printers on " << options.ports.size()
              << (options.ports.size() == 1 ? " port" : " ports")
              << (options.repeat ? ", printer after printer" : "")
              << ".\nDo you want to continue? [y/N] " << std::flush;
    std::string answer;
    return std::getline(std::cin, answer) && !answer.empty() &&
           (answer[0] == 'y' || answer[0] == 'Y');
}

station::StationPlan planOf(const ProvisionOptions& options, std::vector<link::PortRef> ports) {
    station::StationPlan plan;
    plan.ports = std::move(ports);
    plan.unit.file = options.file;
    plan.unit.speed = options.speed;
    plan.unit.handshake =
        station::handshakeNamed(options.handshake).value_or(station::Handshake::Hardware);
    plan.unit.all = options.all;
    plan.unit.log = options.log;
    plan.unit.setLabel(options.label);
    plan.unit.yes = true;         // confirmed once for the station
    plan.unit.json = true;        // the record is the station's to print
    plan.unit.showSearch = false; // the port's live line says what it does
    plan.repeat = options.repeat;
    plan.json = options.json;
    return plan;
}

void printSummary(const Station& station, bool json) {
    if (json) {
        QJsonArray ports;
        for (const station::PortTally& tally : station.tallies()) {
            ports.append(QJsonObject{{"port", station::jsonText(tally.port.text())},
                                     {"done", tally.done},
                                     {"failed", tally.failed},
                                     {"mean_ms", tally.done > 0 ? QJsonValue(static_cast<qint64>(
                                                                      tally.totalMs / tally.done))
                                                                : QJsonValue(QJsonValue::Null)}});
        }
        printJson(QJsonObject{{"summary", ports}});
        return;
    }
    std::cout << "Summary:\n";
    for (const station::PortTally& tally : station.tallies()) {
        std::cout << message::oneLine(Station::summaryLine(tally)) << "\n";
    }
}

} // namespace

CLI::App* addProvisionCommand(CLI::App& app, ProvisionOptions& options) {
    CLI::App* provision = app.add_subcommand(
        "provision", "Store a .pcf file's parameters in the printers on several ports at once, "
                     "recording every unit in an audit log");
    provision->add_option("FILE", options.file, ".pcf file to store")->required();
    provision
        ->add_option("-p,--port", options.ports,
                     "a port as detect takes it; repeat for every port the station serves")
        ->envname("TESSARO_PORT")
        ->required()
        ->allow_extra_args(false);
    provision
        ->add_option("-b,--speed", options.speed,
                     "serial speed to detect at (default 9600), or auto: each speed in turn")
        ->envname("TESSARO_SPEED")
        ->check(serialSpeedValidator(true));
    provision->add_option("--handshake", options.handshake, "xonxoff or hardware (default)")
        ->envname("TESSARO_HANDSHAKE")
        ->check(CLI::IsMember({"xonxoff", "hardware"}));
    provision->add_option("--log", options.log, "append an audit record per unit to this file")
        ->type_name("FILE.jsonl");
    provision
        ->add_option("--label", options.label,
                     "what the run is for (an order, a batch, an operator), in every record")
        ->type_name("TEXT");
    provision->add_flag("--repeat", options.repeat,
                        "after each unit, wait for the printer to leave and the next to answer, "
                        "until interrupted");
    provision->add_flag("--all", options.all, "send every parameter, not only modified ones");
    provision->add_flag("--yes", options.yes, "do not ask for confirmation");
    provision->add_flag("--json", options.json,
                        "print each unit's record as a JSON line, then the summary");
    return provision;
}

int runProvision(const ProvisionOptions& options) {
    station::GivenPorts given = station::parsePorts(options.ports);
    // The profile is read once: every printer gets these bytes, whatever happens to the file.
    const std::shared_ptr<const station::ProfileRead> profile = station::readProfile(options.file);
    if (const auto problem =
            station::problemBeforeStart(options.file, *profile, given, options.log)) {
        return refuse(options.json, problem->outcome, problem->said);
    }
    if (!options.yes && ::isatty(STDIN_FILENO) == 0) {
        return refuse(options.json, station::Outcome::BadUsage,
                      "Refusing to change the printers without a terminal to confirm on: add "
                      "--yes");
    }
    if (!confirmed(options)) {
        if (options.json) { // the answer was said on the terminal: no more on stderr
            printJson(refusalJson(station::Outcome::Declined, "Nothing was sent"));
        }
        return station::exitStatus(station::Outcome::Declined);
    }
    StationDisplay display(takesCursorCodes(STDERR_FILENO), !options.json, given.ports);
    station::StationPlan plan = planOf(options, std::move(given.ports));
    plan.unit.profile = profile;
    station::AuditLog log;
    if (!options.log.empty() && !log.open(options.log)) {
        plan.keepLostRecord = [&log, &display, stamp = profile->stamp](const QJsonObject& record) {
            if (const message::Failure failure = log.append(station::auditRecord(record, stamp))) {
                display.diagnostic(message::english(station::cannotWrite(*failure)));
            }
        };
    }
    InterruptWatch watch; // before the workers: their threads inherit its blocking
    Station station(std::move(plan), display);
    const int status = station.run(watch);
    printSummary(station, options.json);
    return status;
}

} // namespace tessaro::cli
