// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "app/ClientArea.h"
#include "app/DisplayText.h"
#include "app/Helpfrm.h"
#include "app/Icons.h"
#include "app/LayoutMemory.h"
#include "app/MainMenu.h"
#include "app/MessageWording.h"
#include "app/ParameterPages.h"
#include "app/PictureButton.h"
#include "app/QtFileDialogs.h"
#include "app/QtUserFeedback.h"
#include "app/Scaling.h"
#include "app/StatusPanelBar.h"
#include "app/TableText.h"
#include "app/frmAbout.h"
#include "app/station/StationWindow.h"
#include "link/PortRef.h"
#include "workspace/ConfigFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <utility>

namespace tessaro::app {
namespace {

using link::MessageIcon;

constexpr int kStatusBarHeight = 25;

// The first local .pcf file among the dropped ones, or an empty string.
QString droppedProfile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (url.isLocalFile() && file.endsWith(QStringLiteral(".pcf"), Qt::CaseInsensitive)) {
            return file;
        }
    }
    return {};
}

// A menu entry shows "&" only when it is doubled.
QString menuText(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), actions_(std::make_unique<PrinterActions>()),
      dialogs_(std::make_unique<QtFileDialogs>()),
      feedback_(std::make_unique<QtUserFeedback>(*this)),
      remembered_(std::make_unique<RememberedSettings>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(Icons::window());
    setAcceptDrops(true);
    const MainMenu::Entries entries = MainMenu::build(*this);
    saveparam_ = entries.saveparam;
    recovDefault_ = entries.RecovDefault;
    recentMenu_ = entries.recentProfiles;
    recentEntries_ = entries.recent;
    buildClientArea();
    statusBar_ = new StatusPanelBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(statusBar_);
    fitToContents();
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    updateRecentMenu();
    refresh();
}

// The port driver is closed even when the window goes without a close event.
Form1::~Form1() {
    if (loaded_) {
        shutDown();
    }
    // The printer side goes first: its port window and its worker use the window's feedback.
    actions_.reset();
}

void Form1::setPrinterActions(std::unique_ptr<PrinterActions> actions) {
    actions_ = actions ? std::move(actions) : std::make_unique<PrinterActions>();
}

void Form1::setFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    dialogs_ = dialogs ? std::move(dialogs) : std::make_unique<QtFileDialogs>();
}

void Form1::setRememberedSettings(std::unique_ptr<RememberedSettings> remembered) {
    remembered_ = remembered ? std::move(remembered) : std::make_unique<RememberedSettings>();
    updateRecentMenu();
}

void Form1::openOnStartUp(const QString& file) {
    startupProfile_ = file;
}

void Form1::buildClientArea() {
    area_ = new ClientArea(model_, this);
    connect(area_->pages(), &ParameterPages::edited, this, &Form1::refresh);
    connect(area_->setToPrinterButton(), &QPushButton::clicked, this,
            &Form1::SetToPrinterButton_Click);
    connect(area_->recoverFactoryButton(), &QPushButton::clicked, this,
            &Form1::RecoverfactoryButton_Click);
    setCentralWidget(area_);
}

// The window is as large as its client area needs, at least as designed (711 x 387 at
// 96 DPI with the status bar), and the user cannot resize it.
void Form1::fitToContents() {
    ensurePolished(); // the style may still change fonts and sizes
    const Scaling scale(this);
    statusBar_->setFixedHeight(
        std::max(scale.px(kStatusBarHeight), statusBar_->minimumSizeHint().height()));
    const QSize client = area_->minimumSizeHint();
    const int menu = menuBar()->heightForWidth(client.width());
    setFixedSize(client.width(), (menu > 0 ? menu : menuBar()->sizeHint().height()) +
                                     client.height() + statusBar_->height());
}

// Another font or style changes what every widget needs; what the layouts remember of it is
// forgotten before the window is fitted again.
void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (changesSizes(*event)) {
        forgetSizes(*this);
        fitToContents();
    }
}

void Form1::showEvent(QShowEvent* event) {
    Form_Load(); // runs once, before the window first appears
    QMainWindow::showEvent(event);
    if (!startupProfile_.isEmpty()) {
        // Loaded once the window is up, so its messages stand over it.
        QMetaObject::invokeMethod(
            this, [this, file = std::exchange(startupProfile_, {})] { loadProfile(file); },
            Qt::QueuedConnection);
    }
}

void Form1::Form_Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    setWindowTitle(QString::fromUtf8(workspace::kProductName.data(),
                                     qsizetype(workspace::kProductName.size())));
    startupDir_ = QDir::currentPath();
    model_.startUp();
    statusBar_->setPanels({tr(kNoPortPanel)});
    fitToContents(); // the bar is as high as its panel now
    EnablePrinterCommands(false);
    runOperation(&PrinterActions::startUp);
}

void Form1::refresh() {
    area_->pages()->sync();
    setWindowTitle(displayText(model_.title())); // a file's name may hold anything
    area_->showModifiedList(modifiedListText(model_));
    if (station_) {
        station_->workspaceChanged();
    }
}

void Form1::EnablePrinterCommands(bool enabled) {
    printerCommandsEnabled_ = enabled;
    enabled = enabled && !busy_ && !stationHoldsPrinterPort();
    saveparam_->setEnabled(enabled);
    recovDefault_->setEnabled(enabled);
    area_->setToPrinterButton()->setEnabled(enabled);
    area_->recoverFactoryButton()->setEnabled(enabled);
}

// The port of the window's printer, as the last detection from the port window chose it.
bool Form1::stationHoldsPrinterPort() const {
    const auto& chosen = remembered_->port();
    if (!chosen) {
        return false;
    }
    return std::find(stationPorts_.begin(), stationPorts_.end(), chosen->port) !=
           stationPorts_.end();
}

StationWindow* Form1::stationWindow() const {
    return station_;
}

void Form1::setStationPorts(const std::vector<link::PortRef>& ports) {
    stationPorts_ = ports;
    EnablePrinterCommands(printerCommandsEnabled_);
    if (ports.empty() && closeAfterStation_) {
        closeAfterStation_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void Form1::station_Click() {
    if (station_ && (station_->isVisible() || station_->running())) {
        station_->show();
        station_->raise();
        station_->activateWindow();
        return;
    }
    if (refuseWhileBusy()) {
        return; // the ports are read on the printer's worker, which is busy
    }
    delete station_; // the ports are read again: an adapter may have come or gone
    startOperation([this](const PrinterActions::Done& done) {
        actions_->presentPorts([this, done](std::vector<link::PortLine> ports) {
            done();
            if (closePending_ || shutDown_) {
                return;
            }
            station_ = new StationWindow(*this, std::move(ports));
            connect(station_, &StationWindow::heldPortsChanged, this, &Form1::setStationPorts);
            station_->show();
        });
    });
}

bool Form1::isBusy() const {
    return busy_;
}

// While a printer operation runs, anything that would start another one or replace the
// workspace under it is turned away.
bool Form1::refuseWhileBusy() {
    if (!isBusy() && !closePending_) {
        return false;
    }
    QApplication::beep();
    return true;
}

void Form1::runOperation(void (PrinterActions::*operation)(PrinterActions::Done)) {
    if (refuseWhileBusy()) {
        return;
    }
    startOperation([this, operation](PrinterActions::Done done) {
        ((*actions_).*operation)(std::move(done));
    });
}

// An error escaping the printer side is shown, never let through the event loop; the
// operation has then ended.
void Form1::startOperation(const std::function<void(PrinterActions::Done)>& operation) {
    busy_ = true;
    EnablePrinterCommands(printerCommandsEnabled_);
    // Called once, on the window's thread; not after the window has gone.
    auto ended = std::make_shared<bool>(false);
    PrinterActions::Done done = [this, self = QPointer<Form1>(this), ended] {
        if (self && !std::exchange(*ended, true)) {
            operationEnded();
        }
    };
    try {
        operation(done);
    } catch (const std::exception& error) {
        feedback_->show(MessageIcon::Critical, QString::fromUtf8(error.what()));
        done();
    }
}

void Form1::operationEnded() {
    busy_ = false;
    portsInUse_ = {};
    EnablePrinterCommands(printerCommandsEnabled_);
    refresh();
    if (closePending_) {
        // Closed from the event loop, not from inside the printer side's call.
        closePending_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void Form1::DetectPrinter_Click() {
    runOperation(&PrinterActions::detect);
}

void Form1::SetToPrinterButton_Click() {
    runOperation(&PrinterActions::sendModified);
}

void Form1::saveparam_Click() {
    SetToPrinterButton_Click();
}

void Form1::RecoverfactoryButton_Click() {
    runOperation(&PrinterActions::recoverFactory);
}

void Form1::RecovDefault_Click() {
    RecoverfactoryButton_Click();
}

void Form1::load_Click() {
    if (refuseWhileBusy()) {
        return;
    }
    const QString file = dialogs_->openFile(this, profileFolder());
    if (!file.isEmpty()) {
        loadProfile(file);
    }
}

void Form1::loadProfile(const QString& file) {
    if (refuseWhileBusy()) {
        return;
    }
    const workspace::LoadReport report = workspace::LoadConfig(model_, toPath(file));
    refresh();
    if (report.status == workspace::LoadReport::Status::Unreadable) {
        feedback_->show(MessageIcon::Critical,
                        tr("The configuration could not be loaded.\r\n%1")
                            .arg(worded(report.error.value_or(
                                message::Message::shown(toPath(file).string())))));
        return;
    }
    // A name that does not exist starts a new profile there: its folder is remembered, but
    // there is no file to list among the recent ones yet.
    rememberProfile(file, report.status == workspace::LoadReport::Status::Loaded);
    if (report.warning) {
        feedback_->say(MessageIcon::Exclamation, *report.warning);
    }
}

void Form1::openRecentProfile(const QString& file) {
    if (!QFileInfo::exists(file)) {
        remembered_->removeRecentProfile(file);
        updateRecentMenu();
        feedback_->show(MessageIcon::Exclamation,
                        tr("%1 no longer exists; it is removed from the recent profiles.")
                            .arg(QDir::toNativeSeparators(file)));
        return;
    }
    loadProfile(file);
}

void Form1::rememberProfile(const QString& file, bool exists) {
    const QFileInfo info(file);
    remembered_->setProfileFolder(info.absolutePath());
    if (exists) {
        remembered_->addRecentProfile(info.absoluteFilePath());
        updateRecentMenu();
    }
}

// The folder of the last profile loaded or saved while it is there, else the start-up one.
QString Form1::profileFolder() const {
    const QString& folder = remembered_->profileFolder();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : startupDir_;
}

void Form1::updateRecentMenu() {
    const QStringList& recent = remembered_->recentProfiles();
    for (std::size_t i = 0; i < recentEntries_.size(); ++i) {
        QAction* entry = recentEntries_[i];
        const bool used = std::cmp_less(i, recent.size());
        entry->setVisible(used);
        if (used) {
            const QString& file = recent.at(static_cast<qsizetype>(i));
            entry->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(menuText(QDir::toNativeSeparators(file))));
            entry->setData(file);
        }
    }
    recentMenu_->setEnabled(!recent.isEmpty());
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedProfile(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString file = droppedProfile(event->mimeData());
    if (file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Loaded once the drop has ended, so the program the file came from is not held by the
    // questions and messages of the load.
    QMetaObject::invokeMethod(
        this, [this, file] { loadProfile(file); }, Qt::QueuedConnection);
}

void Form1::Save_Click() {
    saveWorkspace();
}

Form1::SaveOutcome Form1::saveWorkspace() {
    const QString file = dialogs_->saveFile(this, profileFolder());
    if (file.isEmpty()) {
        return SaveOutcome::Cancelled;
    }
    const workspace::SaveReport report = workspace::Save_ConfigToFile(model_, toPath(file));
    refresh();
    // A failure names the file and says why (the name alone, should it not).
    const message::Message why =
        report.message.value_or(message::Message::shown(toPath(file).string()));
    switch (report.status) {
    case workspace::SaveReport::Status::ReadOnly:
        feedback_->say(MessageIcon::Exclamation, why);
        return SaveOutcome::Failed;
    case workspace::SaveReport::Status::Failed:
        feedback_->show(MessageIcon::Critical,
                        tr("The configuration could not be saved.\r\n%1").arg(worded(why)));
        return SaveOutcome::Failed;
    case workspace::SaveReport::Status::Saved:
    case workspace::SaveReport::Status::Empty:
        break;
    }
    // Nothing modified writes no file: only its folder is remembered then.
    rememberProfile(file, report.status == workspace::SaveReport::Status::Saved);
    return SaveOutcome::Saved;
}

void Form1::defaultparam_Click() {
    if (refuseWhileBusy()) {
        return;
    }
    model_.defaultparam_Click();
    refresh();
}

void Form1::quit_Click() {
    close();
}

void Form1::help_Click() {
    if (help_) {
        help_->raise();
        help_->activateWindow();
        return;
    }
    help_ = new Helpfrm(startupDir_, this);
    help_->show();
}

void Form1::about_Click() {
    if (about_) {
        about_->raise();
        about_->activateWindow();
        return;
    }
    about_ = new frmAbout(this);
    about_->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    // A station with units under way asks first; then both windows close once its units have
    // ended.
    if (station_ && station_->running()) {
        event->ignore();
        if (!closeAfterStation_ && feedback_->askText(tr(kStationClosingQuestion))) {
            closeAfterStation_ = true;
            station_->stopThenClose();
        }
        return;
    }
    if (isBusy()) {
        // The operation is stopped at its next wait; the window closes as soon as it has
        // ended.
        event->ignore();
        closePending_ = true;
        actions_->stop();
        return;
    }
    if (!shutDown_ && model_.hasUnsavedChanges() && feedback_->askText(tr(kClosingQuestion)) &&
        saveWorkspace() == SaveOutcome::Failed) {
        event->ignore(); // the changes are not saved: stay open so they are not lost
        return;
    }
    shutDown();
    event->accept();
}

void Form1::shutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    if (about_) {
        about_->close();
    }
    if (help_) {
        help_->close();
    }
    try {
        actions_->shutDown();
    } catch (const std::exception& error) {
        feedback_->show(MessageIcon::Critical, QString::fromUtf8(error.what()));
    }
}

} // namespace tessaro::app
