// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a production station is to do, as the user sets it: the profile to store (the
// workspace, or a .pcf file; its name and SHA-256 shown), the ports (a check box for each
// COM, USB and LPT port there is, with its device, and network printers and printers on
// serial servers in a list), repeat, and the audit log.

#include "link/PortMap.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tessaro::app {

class StationSetup final : public QWidget {
    Q_OBJECT

  public:
    struct Choice {
        bool workspace = true; // else profileFile
        QString profileFile;
        // "COM1", "tcp://HOST:PORT", "rfc2217://HOST:PORT", in the order shown
        std::vector<link::PortRef> ports;
        bool repeat = false;
        QString log;
        QString label; // what the run is for; empty: none
    };

    StationSetup(const std::vector<link::PortLine>& ports, QWidget* parent);

    Choice choice() const;
    // The choices remembered from the last station; a port that is not there now is left
    // out, a network printer or a serial server's port is listed again.
    void restore(const std::vector<link::PortRef>& ports, bool repeat, const QString& log);
    // The profile file and the label remembered; an empty file leaves the workspace chosen.
    void restoreProfile(const QString& file, const QString& label);
    // What the workspace would store now: its name and its SHA-256.
    void setWorkspaceStamp(const QString& name, const QString& sha256);

  signals:
    // The user asks to choose a profile file or the log with a file dialog.
    void browseProfile();
    void browseLog();

  public slots:
    void setProfileFile(const QString& file);
    void setLogFile(const QString& file);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QWidget* profileGroup();
    QWidget* portsGroup(const std::vector<link::PortLine>& ports);
    void addAddressed(const link::PortRef& port);
    QWidget* logRow();
    void addNetworkPrinter();
    void showStamp();

    QRadioButton* useWorkspace_ = nullptr;
    QRadioButton* useFile_ = nullptr;
    QLineEdit* profileFile_ = nullptr;
    QLabel* stamp_ = nullptr;
    std::vector<QCheckBox*> portBoxes_;
    QListWidget* network_ = nullptr;
    QLineEdit* address_ = nullptr;
    QCheckBox* repeat_ = nullptr;
    QLineEdit* log_ = nullptr;
    QLineEdit* label_ = nullptr;
    QString workspaceName_;
    QString workspaceSha_;
};

} // namespace tessaro::app
