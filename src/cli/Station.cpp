// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Station.h"

#include "cli/InterruptWatch.h"
#include "cli/JsonOutput.h"
#include "cli/Outcome.h"
#include "cli/UnitReport.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <algorithm>
#include <iostream>
#include <unistd.h>

namespace tessaro::cli {
namespace {

// How long a child that is stopped may take to go.
constexpr int kStopWaitMs = 2000;

QStringList qtArguments(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list.append(QString::fromStdString(argument));
    }
    return list;
}

// The record a unit printed: its last line that is a JSON object.
QJsonObject unitRecord(const QByteArray& output) {
    const QList<QByteArray> lines = output.split('\n');
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const QJsonDocument document = QJsonDocument::fromJson(*line);
        if (document.isObject()) {
            return document.object();
        }
    }
    return {};
}

std::string seconds(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", static_cast<double>(ms) / 1000.0);
    return text;
}

std::string tallyText(const PortTally& tally) {
    return std::to_string(tally.done) + " done, " + std::to_string(tally.failed) + " failed" +
           (tally.done > 0 ? ", mean " + seconds(tally.totalMs / tally.done) : "");
}

} // namespace

Station::Station(StationPlan plan, StationDisplay& display)
    : plan_(std::move(plan)), display_(display), loop_(std::make_unique<QEventLoop>()) {
    for (std::size_t i = 0; i < plan_.ports.size(); ++i) {
        auto worker = std::make_unique<Worker>();
        worker->index = i;
        worker->poll.setSingleShot(true);
        Worker* self = worker.get();
        QObject::connect(&worker->poll, &QTimer::timeout, [this, self] { askStatus(*self); });
        workers_.push_back(std::move(worker));
        tallies_.push_back({plan_.ports[i], 0, 0, 0});
    }
}

Station::~Station() {
    for (auto& worker : workers_) {
        if (worker->process) {
            worker->process->disconnect();
            worker->process->kill();
            worker->process->waitForFinished(kStopWaitMs);
        }
    }
}

int Station::run() {
    for (auto& worker : workers_) {
        if (plan_.repeat) {
            worker->state = State::WaitingForPrinter;
            show(*worker, "waiting for a printer");
            askStatus(*worker);
        } else {
            startUnit(*worker);
        }
    }
    if (!allThrough()) {
        loop_->exec();
    }
    display_.finish();
    return worstExit_;
}

void Station::interrupt() {
    ++interrupts_;
    if (interrupts_ == 1) {
        display_.diagnostic("Interrupted: the units under way finish, then the station stops "
                            "(Ctrl-C again stops them too)");
    }
    for (auto& worker : workers_) {
        if (worker->state == State::Provisioning) {
            if (interrupts_ > 1 && worker->process) {
                worker->process->terminate();
            }
        } else if (worker->state != State::Through) {
            worker->poll.stop();
            if (worker->process) {
                worker->process->disconnect();
                worker->process->kill();
                worker->process->waitForFinished(kStopWaitMs);
                worker->process.reset();
            }
            through(*worker);
        }
    }
}

QProcess& Station::startChild(Worker& worker, std::vector<std::string> arguments) {
    arguments.push_back("--port");
    arguments.push_back(plan_.ports[worker.index]);
    worker.process = std::make_unique<QProcess>();
    QProcess& process = *worker.process;
    process.setProgram(QString::fromStdString(plan_.program));
    process.setArguments(qtArguments(arguments));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] {
        ::setpgid(0, 0);
        InterruptWatch::unblockInChild();
    });
    // A child that cannot start (this program gone from its place) ends as one that
    // stopped: finished() is not emitted for it.
    QObject::connect(&process, &QProcess::errorOccurred, [&process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            QMetaObject::invokeMethod(
                &process, [&process] { emit process.finished(-1, QProcess::CrashExit); },
                Qt::QueuedConnection);
        }
    });
    return process;
}

void Station::startUnit(Worker& worker) {
    worker.state = State::Provisioning;
    show(worker, "provisioning");
    QProcess& process = startChild(worker, plan_.unitArguments);
    QObject::connect(&process, &QProcess::finished,
                     [this, &worker](int exitCode, QProcess::ExitStatus status) {
                         unitFinished(worker, exitCode, status);
                     });
    process.start();
}

void Station::unitFinished(Worker& worker, int exitCode, QProcess::ExitStatus status) {
    forwardDiagnostics(worker);
    QJsonObject unit = unitRecord(worker.process->readAllStandardOutput());
    worker.process.release()->deleteLater(); // its signal is still being delivered
    if (status != QProcess::NormalExit || unit.isEmpty()) {
        exitCode = kExitPrinter;
        UnitReport lost;
        lost.port = plan_.ports[worker.index];
        lost.outcome = Outcome::NotStored;
        lost.message = status != QProcess::NormalExit ? "The unit was stopped before its end"
                                                      : "The unit ended without its record";
        unit = toJson(lost);
        if (plan_.keepLostRecord) {
            plan_.keepLostRecord(unit);
        }
    }
    record(worker, unit, exitCode);
    if (plan_.repeat && interrupts_ == 0) {
        wait(worker, State::WaitingForLeave);
    } else {
        through(worker);
    }
}

void Station::record(Worker& worker, const QJsonObject& unit, int exitCode) {
    PortTally& tally = tallies_[worker.index];
    worstExit_ = std::max(worstExit_, exitCode);
    const std::string message = unit.value("message").toString().toStdString();
    if (exitCode == kExitDone) {
        ++tally.done;
        tally.totalMs += unit.value("duration_ms").toInteger();
    } else {
        ++tally.failed;
    }
    if (plan_.json) {
        std::cout << jsonLine(unit) << std::endl;
        return;
    }
    const std::string identity = unit.value("identity").toString().toStdString();
    display_.result(
        tally.port + ": " +
        (exitCode == kExitDone
             ? (identity.empty() ? "" : identity + ": ") + message + " (" +
                   seconds(unit.value("duration_ms").toInteger()) + ")"
             : "failed (" + unit.value("result").toString().toStdString() + "): " + message));
}

void Station::wait(Worker& worker, State state) {
    worker.state = state;
    show(worker, state == State::WaitingForLeave ? "waiting for the printer to leave"
                                                 : "waiting for the next printer");
    worker.poll.start(plan_.pollIntervalMs);
}

void Station::askStatus(Worker& worker) {
    QProcess& process = startChild(worker, plan_.statusArguments);
    QObject::connect(&process, &QProcess::finished,
                     [this, &worker](int exitCode, QProcess::ExitStatus status) {
                         worker.process.release()->deleteLater();
                         statusAnswered(worker, status == QProcess::NormalExit ? exitCode : -1);
                     });
    process.start();
}

// A printer answers the status request with or without a fault; no answer, or a port that
// is gone (an adapter unplugged with its printer), means no printer.
void Station::statusAnswered(Worker& worker, int exitCode) {
    const bool answers = exitCode == kExitDone || exitCode == kExitFault;
    if (worker.state == State::WaitingForPrinter && answers) {
        startUnit(worker);
    } else if (worker.state == State::WaitingForLeave && !answers) {
        wait(worker, State::WaitingForPrinter);
    } else {
        worker.poll.start(plan_.pollIntervalMs);
    }
}

void Station::through(Worker& worker) {
    worker.state = State::Through;
    show(worker, "finished");
    if (allThrough()) {
        loop_->quit();
    }
}

bool Station::allThrough() const {
    return std::all_of(workers_.begin(), workers_.end(),
                       [](const auto& w) { return w->state == State::Through; });
}

void Station::forwardDiagnostics(Worker& worker) {
    const QList<QByteArray> lines = worker.process->readAllStandardError().split('\n');
    for (const QByteArray& line : lines) {
        if (!line.isEmpty()) {
            display_.diagnostic(tallies_[worker.index].port + ": " + line.toStdString());
        }
    }
}

void Station::show(Worker& worker, const std::string& state) {
    display_.setState(worker.index, state + " (" + tallyText(tallies_[worker.index]) + ")");
}

std::string Station::summaryLine(const PortTally& tally) {
    return tally.port + ": " + tallyText(tally);
}

} // namespace tessaro::cli
