// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One printer command from its start to its record: the feedback it shows, what it learns
// of the printer, and how it ends. The record is a value the caller prints (--json) or
// hands on; with --log it is appended to the audit log as the run ends.

#include "station/AuditLog.h"
#include "station/FeedbackOutput.h"
#include "station/Outcome.h"
#include "station/PrinterOptions.h"
#include "station/UnitFeedback.h"
#include "station/UnitReport.h"

#include <chrono>
#include <string>
#include <string_view>

namespace tessaro::station {

class PrinterSession;

// How a run ended: its record, and the outcome its exit status says. They differ when the
// record could not be appended to the audit log: the record keeps what the printer did, the
// outcome is a file error.
struct UnitResult {
    UnitReport report;
    Outcome outcome = Outcome::Ok;
};

class UnitRun {
  public:
    UnitRun(const PrinterOptions& options, bool assumeYes, FeedbackOutput output);

    UnitFeedback& feedback() { return feedback_; }
    UnitReport& report() { return report_; }

    // Opens the audit log --log names, before the printer is touched: a unit that cannot be
    // recorded is not configured. Nothing when there is none or it is open.
    message::Failure openLog();

    // A failure of the command line itself: said on stderr, and the record's message.
    UnitResult fail(Outcome outcome, std::string_view text);
    // The same for a failure given as a value: the record names it by its message_id.
    UnitResult fail(Outcome outcome, const message::Message& said);
    // The printer's status byte, once detection has read it: its faults are a warning.
    void warnOfFaults(PrinterSession& session);
    // Ends the run: the record is completed (its message, unless set, the last notice when
    // it succeeded and the first failure said otherwise) and appended to the audit log.
    UnitResult finish(Outcome outcome);
    // Ends a run that was stopped under way: its record says no more than the port, that it
    // was not stored and why, whatever the run had learnt.
    UnitResult stopped();

  private:
    std::string defaultMessage(Outcome outcome) const;
    UnitResult record(Outcome outcome);

    const PrinterOptions& options_;
    UnitFeedback feedback_;
    UnitReport report_;
    AuditLog log_;
    ProfileStamp profile_;
    std::chrono::steady_clock::time_point start_;
};

// The record of a unit that ended without one of its own (stopped, or failed in a way the
// run could not record): its port, not stored, and why.
UnitReport lostUnitReport(const PrinterOptions& options);

} // namespace tessaro::station
