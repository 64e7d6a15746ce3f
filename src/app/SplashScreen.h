// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash screen: a picture and the revision for a moment, then the main window.

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace tessaro::app {

class Form1;

class SplashScreen final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kShowMs = 1500;

    // prepare, if given, sets up the main window (its printer side) before it is shown.
    explicit SplashScreen(std::function<void(Form1&)> prepare = {}, QWidget* parent = nullptr);

    // The main window once the splash has shown it; it deletes itself when closed.
    Form1* mainWindow() const;

  public slots:
    void Timer_Timer();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void addRevision();

    std::function<void(Form1&)> prepare_;
    QTimer* timer_;
    QPointer<Form1> main_;
};

} // namespace tessaro::app
