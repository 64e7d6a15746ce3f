#pragma once
// The main window: the parameter pages, the list of modified parameters, the two printer
// command buttons, the menus and the status bar. It is a view of the workspace: each edit
// goes to the model, then refresh() reads everything back from it.

#include "app/FileDialogs.h"
#include "app/PrinterActions.h"
#include "workspace/Workspace.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QTimer;

namespace tessaro::app {

class ClientArea;
class Helpfrm;
class QtUserFeedback;
class StatusPanelBar;
class frmAbout;

class Form1 final : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr const char* kClosingQuestion = "Do you want to save changes before closing?";
    static constexpr const char* kNoPortPanel = "NO Port is openned. Please open a port.";

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Install before the window is shown; the defaults do nothing / show Qt's dialogs.
    void setPrinterActions(std::unique_ptr<PrinterActions> actions);
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    workspace::Workspace& workspace() { return model_; }
    const workspace::Workspace& workspace() const { return model_; }
    QtUserFeedback& feedback() { return *feedback_; }
    StatusPanelBar* statusPanels() const { return statusBar_; }
    const QString& startupDirectory() const { return startupDir_; }
    // True while a printer operation runs (ours or one the printer side reports).
    bool isBusy() const;

  public slots:
    void Form_Load();
    void refresh();

    void load_Click();
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

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum class SaveOutcome { Saved, Cancelled, Failed };

    void buildClientArea();
    SaveOutcome saveWorkspace();
    bool refuseWhileBusy();
    void callPrinterSide(void (PrinterActions::*call)());
    void runOperation(void (PrinterActions::*operation)());
    void retryPendingClose();
    void shutDown();

    workspace::Workspace model_;
    std::unique_ptr<PrinterActions> actions_;
    std::unique_ptr<FileDialogs> dialogs_;
    std::unique_ptr<QtUserFeedback> feedback_;

    // Owned by the window through Qt.
    ClientArea* area_ = nullptr;
    StatusPanelBar* statusBar_ = nullptr;
    QAction* saveparam_ = nullptr;
    QAction* recovDefault_ = nullptr;
    QTimer* closeRetry_ = nullptr;
    QPointer<frmAbout> about_;
    QPointer<Helpfrm> help_;

    QString startupDir_;
    bool loaded_ = false;
    bool operationRunning_ = false;
    bool closePending_ = false;
    bool shutDown_ = false;
};

} // namespace tessaro::app
