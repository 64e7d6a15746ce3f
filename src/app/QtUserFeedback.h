// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user feedback of the desktop program: message boxes over the main window, its status
// bar panels, the busy pointer and the printer commands. The pointer is busy while the window
// waits for a printer, except over a message box, which waits for the user.

#include "protocol/UserFeedback.h"

#include <QMessageBox>
#include <functional>

namespace tessaro::app {

class Form1;

class QtUserFeedback final : public protocol::UserFeedback {
  public:
    // Shows a prepared message box and returns the button pressed. The program runs the
    // box modally; tests answer it themselves.
    using DialogRunner = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
    // Receives the detection result line (the port selection window shows it).
    using ResultSink = std::function<void(const QString& text)>;

    explicit QtUserFeedback(Form1& window);
    ~QtUserFeedback() override;
    QtUserFeedback(const QtUserFeedback&) = delete;
    QtUserFeedback& operator=(const QtUserFeedback&) = delete;

    void setDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }
    void setResultSink(ResultSink sink) { sink_ = std::move(sink); }

    void sayTitled(link::MessageIcon icon, const message::Message& text,
                   const message::Message& title) override;
    bool askWhether(const message::Message& question) override;
    void showStatusPanels(const std::vector<message::Message>& panels) override;
    void showPanelText(int panel, const message::Message& text) override;
    // The four printer commands: Send and Recover, in the menu and as buttons; the window's
    // reaction to a detection's result and to its own operations.
    void enablePrinterCommands(bool enabled);
    void showDetectionResult(const message::Message& result) override;

    // A message or a question of the window's own, already in the user's language.
    void show(link::MessageIcon icon, const QString& text);
    bool askText(const QString& question);

    // While the window waits for the printer (a detection, a transmission).
    void setBusy(bool busy);
    bool isBusy() const { return busy_; }
    const QString& detectionResult() const { return detectionResult_; }

  private:
    QMessageBox::StandardButton run(QMessageBox& box);
    // Sets or restores the override pointer as busy_ and the boxes open ask.
    void showPointer();

    Form1& window_;
    DialogRunner runner_;
    ResultSink sink_;
    QString detectionResult_;
    bool busy_ = false;
    int boxesOpen_ = 0;
    bool pointerBusy_ = false; // the override pointer set
};

} // namespace tessaro::app
