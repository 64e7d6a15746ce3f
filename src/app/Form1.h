// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the parameter pages, the list of modified parameters, the two printer
// command buttons, the menus and the status bar. It is a view of the workspace: each edit
// goes to the model, then refresh() reads everything back from it.

#include "app/FileDialogs.h"
#include "app/PortsInUse.h"
#include "app/PrinterActions.h"
#include "app/RememberedSettings.h"
#include "workspace/Workspace.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QMenu;
class QTimer;

namespace tessaro::app {

class ClientArea;
class Helpfrm;
class StationWindow;
class QtUserFeedback;
class StatusPanelBar;
class frmAbout;

class Form1 final : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr const char* kClosingQuestion =
        QT_TRANSLATE_NOOP("tessaro::app::Form1", "Do you want to save changes before closing?");
    // Closing while the production station has units under way.
    static constexpr const char* kStationClosingQuestion = QT_TRANSLATE_NOOP(
        "tessaro::app::Form1",
        "The production station has units under way. Stop it once they have ended, "
        "then close Tessaro?");
    static constexpr const char* kNoPortPanel =
        QT_TRANSLATE_NOOP("tessaro::app::Form1", "NO Port is openned. Please open a port.");

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Install before the window is shown; the defaults do nothing / show Qt's dialogs.
    void setPrinterActions(std::unique_ptr<PrinterActions> actions);
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // Also before the window is shown: the default remembers for this run only; the program
    // gives the user's settings file.
    void setRememberedSettings(std::unique_ptr<RememberedSettings> remembered);
    // The profile given on the command line: loaded as the Load menu loads a file, just after
    // the window first appears.
    void openOnStartUp(const QString& file);

    workspace::Workspace& workspace() { return model_; }
    const workspace::Workspace& workspace() const { return model_; }
    QtUserFeedback& feedback() { return *feedback_; }
    StatusPanelBar* statusPanels() const { return statusBar_; }
    const QString& startupDirectory() const { return startupDir_; }
    RememberedSettings& remembered() { return *remembered_; }
    FileDialogs& fileDialogs() { return *dialogs_; }
    // The production station's window while it is open.
    StationWindow* stationWindow() const;
    // True while a printer operation runs (ours or one the printer side reports).
    bool isBusy() const;

  public slots:
    void Form_Load();
    void refresh();

    void load_Click();
    // Loads a profile into the workspace: the Load menu's chosen file, a dropped file, a
    // recent profile and the command line's file all come here.
    void loadProfile(const QString& file);
    void openRecentProfile(const QString& file);
    void Save_Click();
    void defaultparam_Click();
    void quit_Click();
    void DetectPrinter_Click();
    void RecovDefault_Click();
    void saveparam_Click();
    void help_Click();
    void about_Click();
    void SetToPrinterButton_Click();
    void RecoverfactoryButton_Click();
    void EnablePrinterCommands(bool enabled);
    // "Production station...": opens the station's window, or brings it to the front.
    void station_Click();
    // The ports a running station holds: the printer commands stay off while the window's
    // printer is on one of them.
    void setStationPorts(const std::vector<link::PortRef>& ports);
    const std::vector<link::PortRef>& stationPorts() const { return stationPorts_; }
    // The ports the printer operation under way uses, as the printer side says; none once it
    // has ended.
    void setPortsInUse(PortsInUse ports) { portsInUse_ = std::move(ports); }
    const PortsInUse& portsInUse() const { return portsInUse_; }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    enum class SaveOutcome { Saved, Cancelled, Failed };

    void buildClientArea();
    void fitToContents();
    void updateRecentMenu();
    void rememberProfile(const QString& file, bool exists);
    QString profileFolder() const;
    SaveOutcome saveWorkspace();
    bool refuseWhileBusy();
    bool stationHoldsPrinterPort() const;
    // Starts an operation of the printer side: the window is busy until it calls back.
    void runOperation(void (PrinterActions::*operation)(PrinterActions::Done));
    void startOperation(const std::function<void(PrinterActions::Done)>& operation);
    void operationEnded();
    void shutDown();

    workspace::Workspace model_;
    std::unique_ptr<PrinterActions> actions_;
    std::unique_ptr<FileDialogs> dialogs_;
    std::unique_ptr<QtUserFeedback> feedback_;
    std::unique_ptr<RememberedSettings> remembered_;

    // Owned by the window through Qt.
    ClientArea* area_ = nullptr;
    StatusPanelBar* statusBar_ = nullptr;
    QAction* saveparam_ = nullptr;
    QAction* recovDefault_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::array<QAction*, RememberedSettings::kRecentLimit> recentEntries_{};
    QPointer<frmAbout> about_;
    QPointer<Helpfrm> help_;
    QPointer<StationWindow> station_;
    std::vector<link::PortRef> stationPorts_;
    PortsInUse portsInUse_;

    QString startupDir_;
    QString startupProfile_;
    bool loaded_ = false;
    // An operation of the printer side is under way: nothing starts another one or replaces
    // the workspace under it, and closing waits for its end.
    bool busy_ = false;
    bool printerCommandsEnabled_ = false; // as the printer side last set them
    bool closePending_ = false;           // closing as soon as the operation has ended
    bool closeAfterStation_ = false;      // closing as soon as the station has ended
    bool shutDown_ = false;
};

} // namespace tessaro::app
