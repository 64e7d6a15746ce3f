// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a production station for the window, on the window's thread: the same workers,
// mailbox and tallies as "tessaro-cli provision" (station/StationRun.h), the mailbox's event
// descriptor watched by a notifier so that the window never waits on a printer. What the
// workers say reaches the port's tile, the total line and the message list; every unit's
// record goes to the audit log through the same code as the command line's.

#include "station/AuditLog.h"
#include "station/StationRun.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QSocketNotifier;

namespace tessaro::app {

class StationTile;

class StationDriver final : public QObject, private station::StationObserver {
    Q_OBJECT

  public:
    // Where the station shows what happens; owned by the window.
    struct Board {
        std::vector<StationTile*> tiles; // one per port, in the plan's order
        QLabel* total = nullptr;
        QPlainTextEdit* messages = nullptr;
    };

    explicit StationDriver(QObject* parent);
    ~StationDriver() override;

    // Starts the workers; the checks are the caller's. "" or why it could not start.
    std::string start(station::StationPlan plan, const station::ProfileStamp& profile, Board board);
    bool running() const { return run_ != nullptr; }
    // Units under way end first; a second call stops them at their next step.
    void stop();
    // The counts of the runs before start over at zero, on the tiles given and the total.
    void resetCounts(const std::vector<StationTile*>& tiles);

  signals:
    // Every worker is through: the station has ended.
    void finished();
    // A unit ended without its printer storing the profile, or without its record.
    void unitFailed(std::size_t port);

  private:
    void mailArrived();
    void stateChanged(std::size_t port, station::PortState state) override;
    void diagnostic(std::size_t port, const message::Message& said) override;
    void unitEnded(std::size_t port, const QJsonObject& record, int exitCode,
                   const message::Message& said) override;
    void unitStep(std::size_t port, station::UnitStepKind kind,
                  const message::Message& text) override;
    void cannotServe(std::size_t port, const std::string& why) override;
    void showCounts(std::size_t port);
    void showCountsOf(StationTile* shownTile, const link::PortRef& port);
    // A port's units in the runs before and in this one.
    station::PortTally counted(const link::PortRef& port) const;
    void moveOn(std::size_t port, StationTile& shownTile, const QString& state);
    StationTile* tile(std::size_t port) const;

    Board board_;
    // Per port: the last unit's result as its state said it; "" before the first.
    std::vector<QString> lastResult_;
    station::AuditLog log_; // keeps the records of units that ended without their own
    std::unique_ptr<station::StationRun> run_;
    // The units of the runs before, by port, until the counts are reset.
    std::map<std::string, station::PortTally> earlier_;
    QSocketNotifier* notifier_ = nullptr; // a child; watches run_'s descriptor
};

} // namespace tessaro::app
