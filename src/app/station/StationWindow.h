// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Production station...": the window that stores one profile in the printers on many ports
// at once, printer after printer with repeat, as "tessaro-cli provision" does, recording
// every unit in the audit log. Above, what to do (app/station/StationSetup.h); below, a tile per
// port, the total line and the messages. Start checks the profile, the ports and the log as
// provision does before touching a printer; Stop lets the units under way finish (a second
// Stop stops them too). The main window stays usable meanwhile.

#include "link/PortMap.h"
#include "station/PrinterOptions.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QGridLayout;
class QScrollArea;

namespace tessaro::app {

class AlertSound;
class Form1;
class StationDriver;
class StationSetup;
class StationTile;

// The serial speed the station detects its printers at: each speed in turn.
inline constexpr std::string_view kStationSpeed = station::kAnySpeed;

class StationWindow final : public QDialog {
    Q_OBJECT

  public:
    StationWindow(Form1& main, const std::vector<link::PortLine>& ports);
    ~StationWindow() override;

    bool running() const;
    // What is heard when a unit fails (the desktop's sound unless set).
    void setAlertSound(std::unique_ptr<AlertSound> sound);
    // The workspace changed: what it would store is shown again.
    void workspaceChanged();
    // The default audit log: ~/Tessaro/audit.jsonl.
    static QString defaultLog();

  signals:
    // The ports the station holds; none once it has ended.
    void heldPortsChanged(const std::vector<link::PortRef>& ports);

  public slots:
    void start();
    void stop();
    // Stops the station and closes the window once its units have ended, asking nothing.
    void stopThenClose();

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    QString prepareProfile(const QString& log, std::string& profile);
    bool launch(const std::vector<link::PortRef>& ports,
                const std::function<std::vector<StationTile*>()>& tilesFor);
    void runAgain(std::size_t tile);
    void runAgainShown(bool after);
    int tileColumns(int tileWidth) const;
    void resetCounts();
    void showTiles(const std::vector<link::PortRef>& ports);
    void stationEnded();
    void fit();
    void chooseProfile();
    void chooseLog();

    Form1& main_;
    StationSetup* setup_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* resetCounts_ = nullptr;
    QCheckBox* sound_ = nullptr;
    std::unique_ptr<AlertSound> alert_;
    QScrollArea* tileScroll_ = nullptr;
    QWidget* tileArea_ = nullptr;
    QGridLayout* tiles_ = nullptr;
    QLabel* total_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    StationDriver* driver_ = nullptr;
    std::vector<StationTile*> shownTiles_;
    std::vector<link::PortRef> tilePorts_; // the port of each tile
    bool repeating_ = false;               // the last run repeats
    bool stopAsked_ = false;
    bool closeWhenEnded_ = false;
};

} // namespace tessaro::app
