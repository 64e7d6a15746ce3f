// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/station/StationDriver.h"

#include "app/DisplayText.h"
#include "app/LocalNumbers.h"
#include "app/MessageWording.h"
#include "app/station/StationTile.h"
#include "message/ShownText.h"
#include "protocol/Identity.h"
#include "station/Outcome.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSocketNotifier>

namespace tessaro::app {
namespace {

using Look = StationTile::Look;

// Text on the lines of a tile: its control characters shown escaped, its line breaks a blank.
QString oneLine(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
}

// What a printer or a record gave as it is.
QString shown(std::string_view text) {
    return oneLine(displayText(text));
}

// A message worded in the window's language.
QString shown(const message::Message& said) {
    return oneLine(worded(said));
}

// "stored 3, failed 1, mean 1.21 s"
QString countsText(int done, int failed, std::int64_t totalMs) {
    if (done == 0) {
        return StationDriver::tr("stored %1, failed %2").arg(done).arg(failed);
    }
    return StationDriver::tr("stored %1, failed %2, mean %3")
        .arg(done)
        .arg(failed)
        .arg(localSeconds(totalMs / done));
}

} // namespace

StationDriver::StationDriver(QObject* parent) : QObject(parent) {}

// A window closed while units are under way stops them at their next step and waits for
// them: each step is bounded, and their records are kept.
StationDriver::~StationDriver() {
    delete notifier_;
    run_.reset();
}

std::string StationDriver::start(station::StationPlan plan, const station::ProfileStamp& profile,
                                 Board board) {
    if (run_) {
        return tr("The station is running already").toStdString();
    }
    if (!plan.unit.log.empty()) {
        log_ = station::AuditLog();
        if (const message::Failure failure = log_.open(plan.unit.log)) {
            return worded(*failure).toStdString();
        }
        plan.keepLostRecord = [this, profile](const QJsonObject& record) {
            if (const message::Failure failure = log_.append(station::auditRecord(record, profile));
                failure && board_.messages != nullptr) {
                board_.messages->appendPlainText(shown(station::cannotWrite(*failure)));
            }
        };
    }
    board_ = std::move(board);
    lastResult_.assign(plan.ports.size(), QString());
    run_ = std::make_unique<station::StationRun>(std::move(plan));
    notifier_ = new QSocketNotifier(run_->fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StationDriver::mailArrived);
    for (std::size_t port = 0; port < lastResult_.size(); ++port) {
        showCounts(port);
        if (StationTile* shownTile = tile(port)) {
            shownTile->setState(Look::Busy, tr("Starting"));
        }
    }
    run_->start(*this);
    if (run_->running() == 0) {
        mailArrived(); // no worker could start: the station has ended
    }
    return "";
}

void StationDriver::stop() {
    if (run_) {
        run_->interrupt();
    }
}

void StationDriver::mailArrived() {
    run_->deliver(*this);
    if (run_->running() == 0) {
        delete notifier_; // before the descriptor it watches goes
        notifier_ = nullptr;
        for (const station::PortTally& tally : run_->tallies()) {
            station::PortTally& sum = earlier_[tally.port.text()];
            sum.port = tally.port;
            sum.done += tally.done;
            sum.failed += tally.failed;
            sum.totalMs += tally.totalMs;
        }
        run_.reset();
        emit finished();
    }
}

StationTile* StationDriver::tile(std::size_t port) const {
    return port < board_.tiles.size() ? board_.tiles[port] : nullptr;
}

void StationDriver::stateChanged(std::size_t port, station::PortState state) {
    StationTile* shownTile = tile(port);
    if (shownTile == nullptr) {
        return;
    }
    switch (state) {
    case station::PortState::WaitingForPrinter:
        moveOn(port, *shownTile, tr("Waiting for a printer"));
        return;
    case station::PortState::Provisioning:
        shownTile->setState(Look::Busy, tr("Detecting the printer"));
        return;
    case station::PortState::WaitingForLeave:
        // The result stays the tile's big, coloured text while its printer is still there:
        // an operator sees which printer to put aside.
        if (lastResult_[port].isEmpty()) {
            moveOn(port, *shownTile, tr("Waiting for the printer to leave"));
        } else {
            shownTile->setLastUnit(tr("Waiting for the printer to leave"));
        }
        return;
    case station::PortState::WaitingForNextPrinter:
        moveOn(port, *shownTile, tr("Waiting for the next printer"));
        return;
    case station::PortState::Finished:
        // A port that ends on a unit keeps its result as its state.
        if (lastResult_[port].isEmpty() || shownTile->stateText() != lastResult_[port]) {
            moveOn(port, *shownTile, tr("Stopped"));
        }
        return;
    }
}

// A state after a unit: its result moves to the line below.
void StationDriver::moveOn(std::size_t port, StationTile& shownTile, const QString& state) {
    if (!lastResult_[port].isEmpty()) {
        shownTile.setLastUnit(tr("Last unit: %1").arg(lastResult_[port]));
    }
    shownTile.setState(Look::Idle, state);
}

void StationDriver::unitStep(std::size_t port, station::UnitStepKind kind,
                             const message::Message& text) {
    StationTile* shownTile = tile(port);
    if (shownTile == nullptr) {
        return;
    }
    switch (kind) {
    case station::UnitStepKind::Detecting:
        shownTile->setIdentity({});
        shownTile->setFaults({});
        if (const QString step = shown(text); step.isEmpty()) {
            shownTile->setState(Look::Busy, tr("Detecting the printer"));
        } else {
            shownTile->setState(Look::Busy, tr("Detecting the printer: %1").arg(step));
        }
        return;
    case station::UnitStepKind::Found:
        shownTile->setIdentity(shown(text));
        return;
    case station::UnitStepKind::Sending:
        shownTile->setState(Look::Busy, tr("Sending: %1").arg(shown(text)));
        return;
    }
}

void StationDriver::diagnostic(std::size_t port, const message::Message& said) {
    if (board_.messages != nullptr) {
        const std::string line = worded(said).toStdString();
        board_.messages->appendPlainText(QString::fromStdString(
            station::portLines(message::oneLine(run_->plan().ports[port].text()), line)));
    }
}

void StationDriver::cannotServe(std::size_t port, const std::string& why) {
    lastResult_[port] = tr("Cannot serve the port: %1").arg(shown(why));
    if (StationTile* shownTile = tile(port)) {
        shownTile->setState(Look::Failed, lastResult_[port]);
    }
}

// The result word and message are the command line's: the record's.
void StationDriver::unitEnded(std::size_t port, const QJsonObject& record, int exitCode,
                              const message::Message& said) {
    showCounts(port);
    const QString message = shown(said);
    // A printer that stored the profile when the log did not take its record: stored, but
    // the unit failed (the log's message is among the messages).
    const bool stored = record.value("result").toString().toStdString() ==
                        station::resultWord(station::Outcome::Ok);
    const bool recorded = exitCode == station::kExitDone;
    const QString seconds = localSeconds(record.value("duration_ms").toInteger());
    if (!stored) {
        // The result word in the user's language: the JSON word itself in English.
        const QByteArray word = record.value("result").toString().toUtf8();
        lastResult_[port] =
            tr("Failed (%1): %2")
                .arg(shown(QCoreApplication::translate("Outcome", word.constData()).toStdString()),
                     message);
    } else if (recorded) {
        lastResult_[port] = tr("Stored: %1 (%2)").arg(message, seconds);
    } else {
        lastResult_[port] =
            tr("Stored: %1 (%2), not recorded in the audit log").arg(message, seconds);
    }
    if (!stored || !recorded) {
        emit unitFailed(port);
    }
    StationTile* shownTile = tile(port);
    if (shownTile == nullptr) {
        return;
    }
    if (const QString identity = shown(record.value("identity").toString().toStdString());
        !identity.isEmpty()) {
        shownTile->setIdentity(identity);
    }
    // A printer that stored the profile but reports a fault is shown as such.
    const QJsonValue status = record.value("status_byte");
    const message::Failure faults =
        status.isDouble() ? protocol::faultsOf(static_cast<std::uint8_t>(status.toInt()))
                          : std::nullopt;
    shownTile->setFaults(
        faults
            ? shown(message::Message(message::MessageId::PrinterReportsFault,
                                     {message::Part::verbatim(run_->plan().ports[port].shownName()),
                                      message::Part::framed(*faults)}))
            : QString());
    shownTile->setLastUnit({});
    shownTile->setState(stored && recorded ? Look::Stored : Look::Failed, lastResult_[port]);
}

station::PortTally StationDriver::counted(const link::PortRef& port) const {
    station::PortTally sum;
    sum.port = port;
    if (const auto before = earlier_.find(port.text()); before != earlier_.end()) {
        sum = before->second;
    }
    if (run_) {
        for (const station::PortTally& tally : run_->tallies()) {
            if (tally.port == port) {
                sum.done += tally.done;
                sum.failed += tally.failed;
                sum.totalMs += tally.totalMs;
            }
        }
    }
    return sum;
}

void StationDriver::showCountsOf(StationTile* shownTile, const link::PortRef& port) {
    if (shownTile != nullptr) {
        const station::PortTally tally = counted(port);
        shownTile->setCounts(countsText(tally.done, tally.failed, tally.totalMs));
    }
}

// The port's count and the total of every port counted since the last reset.
void StationDriver::showCounts(std::size_t port) {
    if (run_ && port < run_->plan().ports.size()) {
        showCountsOf(tile(port), run_->plan().ports[port]);
    }
    std::map<std::string, station::PortTally> all = earlier_;
    if (run_) {
        for (const link::PortRef& ref : run_->plan().ports) {
            all[ref.text()] = counted(ref);
        }
    }
    int done = 0;
    int failed = 0;
    std::int64_t totalMs = 0;
    for (const auto& [name, tally] : all) {
        done += tally.done;
        failed += tally.failed;
        totalMs += tally.totalMs;
    }
    if (board_.total != nullptr) {
        board_.total->setText(tr("All ports: %1").arg(countsText(done, failed, totalMs)));
    }
}

void StationDriver::resetCounts(const std::vector<StationTile*>& tiles) {
    if (run_) {
        return; // counted as they end
    }
    earlier_.clear();
    for (StationTile* shownTile : tiles) {
        if (shownTile != nullptr) {
            shownTile->setCounts(countsText(0, 0, 0));
        }
    }
    if (board_.total != nullptr) {
        board_.total->setText(tr("All ports: %1").arg(countsText(0, 0, 0)));
    }
}

} // namespace tessaro::app
