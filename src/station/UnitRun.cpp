// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/UnitRun.h"

#include "message/English.h"
#include "message/MessageTable.h"
#include "message/ShownText.h"
#include "protocol/Identity.h"
#include "station/PrinterSession.h"
#include "station/ProfileInput.h"

namespace tessaro::station {

UnitRun::UnitRun(const PrinterOptions& options, bool assumeYes, FeedbackOutput output)
    : options_(options), feedback_(assumeYes, output), start_(std::chrono::steady_clock::now()) {
    feedback_.setJson(options.json);
    report_.port = options.givenPort();
    report_.label = options.label;
}

message::Failure UnitRun::openLog() {
    if (options_.log.empty()) {
        return std::nullopt;
    }
    profile_ = options_.profile
                   ? options_.profile->stamp
                   : stampProfile(options_.file, workspace::readTextFile(options_.file));
    return log_.open(options_.log);
}

UnitResult UnitRun::fail(Outcome outcome, std::string_view text) {
    feedback_.error(text);
    report_.message = text;
    return finish(outcome);
}

UnitResult UnitRun::fail(Outcome outcome, const message::Message& said) {
    return fail(outcome, feedback_.word(said));
}

void UnitRun::warnOfFaults(PrinterSession& session) {
    const auto status = session.facts().StatusByte;
    if (const message::Failure faults = status ? protocol::faultsOf(*status) : std::nullopt) {
        const std::string warning =
            feedback_.word({message::MessageId::PrinterReportsFault,
                            {message::Part::verbatim(message::oneLine(session.portName())),
                             message::Part::framed(*faults)}});
        feedback_.error(warning);
        report_.warnings.push_back(warning);
    }
}

UnitResult UnitRun::finish(Outcome outcome) {
    report_.outcome = outcome;
    report_.sent = feedback_.sent();
    if (report_.message.empty()) {
        report_.message = defaultMessage(outcome);
    }
    if (const auto said = feedback_.valueOf(report_.message)) {
        report_.messageId = message::messageWord(*said);
        report_.said = said;
    }
    report_.durationMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - start_)
                             .count();
    return record(outcome);
}

UnitResult UnitRun::stopped() {
    report_ = lostUnitReport(options_);
    return record(Outcome::NotStored);
}

// Appends the record to the audit log, if there is one. Nothing after the append may fail:
// the record is moved out, so that a run has exactly one record in the log. One the log did
// not take keeps what the printer did, and says it was not recorded: a warning, and why.
UnitResult UnitRun::record(Outcome outcome) {
    if (log_.isOpen()) {
        if (const message::Failure failure = log_.append(auditRecord(report_, profile_))) {
            const std::string warning = feedback_.word(cannotWrite(*failure));
            feedback_.error(warning);
            report_.warnings.push_back(warning);
            report_.logError = message::english(*failure);
            outcome = Outcome::FileError;
        }
    }
    return {std::move(report_), outcome};
}

std::string UnitRun::defaultMessage(Outcome outcome) const {
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

UnitReport lostUnitReport(const PrinterOptions& options) {
    UnitReport report;
    report.port = options.givenPort();
    report.label = options.label;
    report.outcome = Outcome::NotStored;
    report.said = message::Message(message::MessageId::UnitStopped);
    report.message = message::english(*report.said);
    report.messageId = message::messageWord(*report.said);
    return report;
}

} // namespace tessaro::station
