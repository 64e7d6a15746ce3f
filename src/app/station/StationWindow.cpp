// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/station/StationWindow.h"

#include "app/DisplayText.h"
#include "app/Form1.h"
#include "app/LayoutMemory.h"
#include "app/MessageWording.h"
#include "app/QtUserFeedback.h"
#include "app/station/AlertSound.h"
#include "app/station/FittedLines.h"
#include "app/station/StationDriver.h"
#include "app/station/StationProfile.h"
#include "app/station/StationSetup.h"
#include "app/station/StationTile.h"
#include "station/ProfileInput.h"
#include "station/StationChecks.h"
#include "workspace/ConfigFile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro::app {
namespace {

using link::MessageIcon;

// The most tiles side by side; fewer where the screen is narrower.
constexpr int kMostTileColumns = 4;
// The lines of messages shown; more scroll.
constexpr int kMessageLines = 4;

const char* const kClosingQuestion = QT_TRANSLATE_NOOP(
    "tessaro::app::StationWindow",
    "Units are under way. Stop the station once they have ended, then close this window?");

} // namespace

StationWindow::StationWindow(Form1& main, const std::vector<link::PortLine>& ports)
    : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("StationWindow"));
    setWindowTitle(tr("Production station"));
    setModal(false);
    setup_ = new StationSetup(ports, this);
    start_ = new QPushButton(tr("&Start"), this);
    start_->setObjectName(QStringLiteral("stationStart"));
    stop_ = new QPushButton(tr("S&top"), this);
    stop_->setObjectName(QStringLiteral("stationStop"));
    stop_->setEnabled(false);
    // Heard two metres away; an operator may turn it off, also while the station runs.
    sound_ = new QCheckBox(tr("S&ound on a failure"), this);
    sound_->setObjectName(QStringLiteral("failureSound"));
    sound_->setChecked(main_.remembered().station().sound);
    alert_ = desktopAlertSound();
    // The counts go on across runs until reset.
    resetCounts_ = new QPushButton(tr("Reset &counts"), this);
    resetCounts_->setObjectName(QStringLiteral("stationResetCounts"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sound_);
    buttons->addWidget(resetCounts_);
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    // The tiles scroll once the window would be larger than the screen.
    tileScroll_ = new QScrollArea(this);
    tileScroll_->setObjectName(QStringLiteral("stationTileScroll"));
    tileScroll_->setFrameShape(QFrame::NoFrame);
    tileScroll_->setWidgetResizable(true);
    tileArea_ = new QWidget(tileScroll_);
    tileArea_->setObjectName(QStringLiteral("stationTiles"));
    tileScroll_->setWidget(tileArea_);
    tiles_ = new QGridLayout(tileArea_);
    tiles_->setContentsMargins(0, 0, 0, 0);
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("stationTotal"));
    total_->setTextFormat(Qt::PlainText);
    QFont bold; // bold only: the size follows the window's font
    bold.setBold(true);
    total_->setFont(bold);
    auto* messagesLabel = new QLabel(tr("&Messages:"), this);
    messagesLabel->setObjectName(QStringLiteral("messagesLabel"));
    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName(QStringLiteral("stationMessages"));
    messages_->setReadOnly(true);
    messagesLabel->setBuddy(messages_);
    fitLines(*messages_, kMessageLines);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setup_);
    layout->addLayout(buttons);
    layout->addWidget(tileScroll_, 1);
    layout->addWidget(total_);
    layout->addWidget(messagesLabel);
    layout->addWidget(messages_);
    // Return in a field (a network printer's address) must not start the station.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    driver_ = new StationDriver(this);
    connect(start_, &QPushButton::clicked, this, &StationWindow::start);
    connect(resetCounts_, &QPushButton::clicked, this, &StationWindow::resetCounts);
    connect(stop_, &QPushButton::clicked, this, &StationWindow::stop);
    connect(driver_, &StationDriver::finished, this, &StationWindow::stationEnded);
    connect(driver_, &StationDriver::unitFailed, this, [this] {
        if (sound_->isChecked() && alert_) {
            alert_->unitFailed();
        }
    });
    connect(sound_, &QCheckBox::toggled, this, [this](bool on) {
        RememberedSettings::Station remembered = main_.remembered().station();
        remembered.sound = on;
        main_.remembered().setStation(remembered);
    });
    connect(setup_, &StationSetup::browseProfile, this, &StationWindow::chooseProfile);
    connect(setup_, &StationSetup::browseLog, this, &StationWindow::chooseLog);
    const RememberedSettings::Station& remembered = main_.remembered().station();
    setup_->restore(remembered.ports, remembered.repeat,
                    remembered.log.isEmpty() ? defaultLog() : remembered.log);
    setup_->restoreProfile(remembered.profile, remembered.label);
    workspaceChanged();
}

StationWindow::~StationWindow() = default;

void StationWindow::setAlertSound(std::unique_ptr<AlertSound> sound) {
    alert_ = std::move(sound);
}

QString StationWindow::defaultLog() {
    return QDir::home().filePath(QStringLiteral("Tessaro/audit.jsonl"));
}

bool StationWindow::running() const {
    return driver_->running();
}

void StationWindow::workspaceChanged() {
    const workspace::Workspace& model = main_.workspace();
    // "default", or the name of the profile last loaded or saved.
    setup_->setWorkspaceStamp(QString::fromStdString(model.configName()),
                              QString::fromStdString(sha256Hex(workspace::profileText(model))));
}

// The workspace is written beside the log, named by its content; a file is taken as it is.
// Gives why there is no profile, worded for the window ("" when there is one).
QString StationWindow::prepareProfile(const QString& log, std::string& profile) {
    const StationSetup::Choice chosen = setup_->choice();
    if (!chosen.workspace) {
        profile = toPath(chosen.profileFile).string();
        return profile.empty() ? tr("No profile file is chosen") : QString();
    }
    const StationProfile written =
        workspaceProfile(main_.workspace(), toPath(QFileInfo(log).absolutePath()));
    profile = written.path;
    return written.error ? worded(*written.error) : QString();
}

void StationWindow::start() {
    if (running()) {
        return;
    }
    const std::vector<link::PortRef> ports = setup_->choice().ports;
    if (launch(ports, [this, ports] {
            showTiles(ports);
            return shownTiles_;
        })) {
        runAgainShown(false);
    }
}

// A failed unit of a run without repeat runs again on its own tile; the others keep theirs.
void StationWindow::runAgain(std::size_t tile) {
    if (running() || tile >= shownTiles_.size()) {
        return;
    }
    if (launch({tilePorts_[tile]}, [this, tile] { return std::vector{shownTiles_[tile]}; })) {
        runAgainShown(false);
    }
}

void StationWindow::resetCounts() {
    driver_->resetCounts(shownTiles_);
}

// What Start does, for the ports given, on the tiles tilesFor makes once every check holds.
bool StationWindow::launch(const std::vector<link::PortRef>& ports,
                           const std::function<std::vector<StationTile*>()>& tilesFor) {
    StationSetup::Choice chosen = setup_->choice();
    chosen.ports = ports;
    // why: worded for the window.
    const auto refuse = [this](const QString& why) {
        main_.feedback().show(MessageIcon::Critical,
                              tr("The station cannot start.\r\n%1").arg(why));
    };
    if (chosen.log.isEmpty()) {
        refuse(tr("No audit log is chosen"));
        return false;
    }
    // A port the main window's printer operation uses is not the station's: nothing starts,
    // and that operation goes on.
    if (const auto used = main_.portsInUse().firstOf(chosen.ports)) {
        refuse(main_.portsInUse().every
                   ? tr("The main window is searching every port for a printer: start the "
                        "station once the search has ended.")
                   : tr("The main window is using %1: start the station once its operation "
                        "has ended.")
                         .arg(displayText(used->shownName())));
        return false;
    }
    // The log's folder is made, as ~/Tessaro for the default log; a failure shows as the
    // log's own below.
    QDir().mkpath(QFileInfo(chosen.log).absolutePath());
    std::string profile;
    if (const QString problem = prepareProfile(chosen.log, profile); !problem.isEmpty()) {
        refuse(problem);
        return false;
    }
    const std::string log = toPath(chosen.log).string();
    // The profile is read once: every printer gets these bytes, whatever happens to the file.
    const std::shared_ptr<const station::ProfileRead> read = station::readProfile(profile);
    if (const auto problem = station::problemBeforeStart(profile, *read, {chosen.ports, ""}, log)) {
        refuse(worded(problem->said));
        return false;
    }
    // A profile that changes nothing would store the factory settings on every printer: that
    // is asked, not done by default.
    if (station::changesNoSetting(profile, *read) &&
        !main_.feedback().askText(
            tr("The profile changes no setting: every printer would only get the factory "
               "settings' mark length and the saving sequence.\r\n\r\nStart anyway?"))) {
        return false;
    }
    main_.remembered().setStation(
        {setup_->choice().ports, chosen.repeat, chosen.log,
         chosen.workspace ? QString() : QFileInfo(chosen.profileFile).absoluteFilePath(),
         chosen.label, sound_->isChecked()});
    station::StationPlan plan;
    plan.ports = chosen.ports;
    plan.unit.file = profile;
    plan.unit.profile = read;
    plan.unit.setLabel(chosen.label.toStdString());
    plan.unit.log = log;
    plan.unit.speed = kStationSpeed;
    plan.unit.showSearch = false; // the tile says which speed is tried
    plan.unit.handshake = station::Handshake::Hardware;
    plan.unit.yes = true;  // Start is the confirmation
    plan.unit.json = true; // the record is the station's to show
    plan.repeat = chosen.repeat;
    repeating_ = chosen.repeat;
    const std::vector<StationTile*> tiles = tilesFor();
    messages_->clear();
    const std::string failure =
        driver_->start(std::move(plan), read->stamp, {tiles, total_, messages_});
    if (!failure.empty()) {
        refuse(displayText(failure)); // worded by the driver
        return false;
    }
    if (!running()) {
        return true; // no port could be served: stationEnded has said so
    }
    stopAsked_ = false;
    // While the station runs its tiles have the room: what it does is set.
    setup_->setEnabled(false);
    setup_->hide();
    start_->setEnabled(false);
    stop_->setEnabled(true);
    stop_->setText(tr("S&top"));
    resetCounts_->setEnabled(false);
    emit heldPortsChanged(chosen.ports);
    return true;
}

// The first Stop lets the units under way finish; the second stops them at their next step.
void StationWindow::stop() {
    if (!running()) {
        return;
    }
    driver_->stop();
    if (!stopAsked_) {
        stopAsked_ = true;
        stop_->setText(tr("S&top now"));
        messages_->appendPlainText(
            tr("Stopping: the units under way finish (Stop now stops them too)."));
    } else {
        stop_->setEnabled(false);
    }
}

void StationWindow::showTiles(const std::vector<link::PortRef>& ports) {
    for (StationTile* tile : shownTiles_) {
        delete tile;
    }
    shownTiles_.clear();
    tilePorts_ = ports;
    int columns = 0;
    for (int i = 0; i < static_cast<int>(ports.size()); ++i) {
        auto* tile =
            new StationTile(displayText(ports.at(static_cast<std::size_t>(i)).text()), tileArea_);
        tile->setObjectName(QStringLiteral("stationTile%1").arg(i + 1));
        if (columns == 0) {
            columns = tileColumns(tile->minimumSizeHint().width());
        }
        tiles_->addWidget(tile, i / columns, i % columns);
        connect(tile, &StationTile::runAgain, this,
                [this, i] { runAgain(static_cast<std::size_t>(i)); });
        shownTiles_.push_back(tile);
    }
}

// As many tiles side by side as the screen has room for, kMostTileColumns at the most.
int StationWindow::tileColumns(int tileWidth) const {
    const QScreen* display = screen();
    const int room = display != nullptr ? display->availableGeometry().width() : 0;
    const int margins = 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int spacing = std::max(0, tiles_->horizontalSpacing());
    const int fit = (room - margins + spacing) / std::max(1, tileWidth + spacing);
    return std::clamp(fit, 1, kMostTileColumns);
}

// After a run without repeat, each tile whose last unit failed offers to run it again.
void StationWindow::runAgainShown(bool after) {
    for (StationTile* tile : shownTiles_) {
        tile->offerRunAgain(after && !repeating_ && tile->look() == StationTile::Look::Failed);
    }
}

void StationWindow::stationEnded() {
    setup_->setEnabled(true);
    setup_->show();
    start_->setEnabled(true);
    resetCounts_->setEnabled(true);
    runAgainShown(true);
    stop_->setEnabled(false);
    stop_->setText(tr("S&top"));
    emit heldPortsChanged({});
    if (closeWhenEnded_) {
        closeWhenEnded_ = false;
        close();
    }
}

// The window is at least as large as what it shows needs: a longer state, a wrapped line,
// a larger font make it grow; the user may make it larger still.
void StationWindow::fit() {
    // Tiles of one height, the tallest's: a row of tiles reads as one.
    int tallest = 0;
    for (const StationTile* tile : shownTiles_) {
        tallest = std::max(tallest, tile->minimumSizeHint().height());
    }
    for (StationTile* tile : shownTiles_) {
        tile->setMinimumHeight(tallest);
    }
    layout()->activate();
    // What the tiles need beyond what their scroll area shows of them.
    const QSize tiles = tileArea_->minimumSizeHint();
    const QSize shown = tileScroll_->viewport()->size();
    QSize wanted = size() + QSize(std::max(0, tiles.width() - shown.width()),
                                  std::max(0, tiles.height() - shown.height()));
    if (const QScreen* display = screen()) {
        wanted = wanted.boundedTo(display->availableGeometry().size());
    }
    wanted = wanted.expandedTo(minimumSizeHint()).expandedTo(size());
    if (wanted != size()) {
        resize(wanted);
    }
}

bool StationWindow::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::LayoutRequest) {
        fit();
    }
    return handled;
}

void StationWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (changesSizes(*event)) {
        forgetSizes(*this);
        fitLines(*messages_, kMessageLines);
        fit();
    }
}

void StationWindow::closeEvent(QCloseEvent* event) {
    if (!running()) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeWhenEnded_ || !main_.feedback().askText(tr(kClosingQuestion))) {
        return;
    }
    stopThenClose();
}

void StationWindow::stopThenClose() {
    if (!running()) {
        close();
        return;
    }
    closeWhenEnded_ = true;
    if (!stopAsked_) {
        stop();
    }
}

void StationWindow::reject() {
    close();
}

void StationWindow::chooseProfile() {
    const QString file = main_.fileDialogs().openFile(this, main_.remembered().profileFolder());
    if (!file.isEmpty()) {
        setup_->setProfileFile(file);
    }
}

void StationWindow::chooseLog() {
    const QString file = QFileDialog::getSaveFileName(this, tr("Audit log"), setup_->choice().log,
                                                      tr("Audit logs (*.jsonl);;All files (*)"),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty()) {
        setup_->setLogFile(file);
    }
}

} // namespace tessaro::app
