// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Communication Port Selection": the serial ports and a serial server's port with speed and
// handshake, the parallel ports, the USB printers and a network printer, and the four
// detection buttons. Each detection runs on the printer's worker while the window goes on;
// the window shows what it came to and closes once a printer has been found and described.
// The automatic search shows its progress on a bar; Stop (or Escape) ends it, or a
// connection under way, at once.

#include "app/PortsInUse.h"
#include "detect/DetectionResult.h"
#include "detect/PortSelectionView.h"
#include "worker/PortInventory.h"
#include "worker/PrinterOperations.h"

#include <QDialog>
#include <array>
#include <deque>
#include <utility>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tessaro::app {

class QtUserFeedback;
class RememberedSettings;

class PortSelection final : public QDialog, public detect::PortSelectionView {
    Q_OBJECT

  public:
    // The window opens on the remembered port, speed and handshake, and remembers those of
    // each detection run from it.
    PortSelection(worker::PrinterOperations& worker, const worker::PortInventory& inventory,
                  QtUserFeedback& feedback, RememberedSettings& remembered,
                  QWidget* parent = nullptr);
    ~PortSelection() override;

    std::optional<int> selectedComPort() const override;
    std::optional<int> selectedLptPort() const override;
    std::string selectedSpeed() const override;
    int selectedHandshake() const override;
    void setDetectionButtonsEnabled(bool enabled);
    // While the production station holds ports, the automatic search, which would reach its
    // printers, is not offered: the button is off and its tip says why.
    void offerSearch(bool offered);
    // Closes the window; a detection under way is stopped first and the window closes once
    // it has ended (the main window is closing).
    void closeWhenEnded();
    // Told of the ports each detection uses as it starts, and of none once it has ended.
    void onPortsInUse(std::function<void(PortsInUse)> told) { portsInUse_ = std::move(told); }
    // Whether a detection is under way.
    bool running() const { return !buttonsEnabled_; }

  public slots:
    void DetectSerialPrinter_Click();
    void DetectParallelPrinter_Click();
    void DetectUsbNetworkPrinter_Click();
    void Autodetect_Click();

  protected:
    // Escape or the close box: while a detection runs, it stops it instead.
    void reject() override;
    // Return in an address field detects on that address (the network printer, the serial
    // server), not on the default button's port.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A port of a kind whose ports are addresses: its option and the field its address is
    // typed in, which checks the option as it is typed in and detects on Return.
    struct AddressEntry {
        link::LinkKind kind;
        const char* name;        // of the option
        const char* addressName; // of its field
        QString caption;
        QString placeholder;
        QString accessibleName;
        QString tip;
        void (PortSelection::*detect)();
    };
    struct AddressOption {
        link::LinkKind kind;
        QRadioButton* option;
        QLineEdit* address;
        void (PortSelection::*detect)();
    };
    const AddressOption& addAddressOption(QWidget* frame, const AddressEntry& entry);

    QWidget* buildSerialFrame(const link::PortMap& ports);
    QWidget* buildParallelFrame();
    QWidget* buildUsbNetworkFrame(const link::PortMap& ports);
    // A port's radio button in the one group of ports: "COM 3 (ttyUSB0)", its device as tip.
    QRadioButton* addPortOption(QWidget* frame, const link::PortRef& port,
                                const std::string& device, const std::string& details = {});
    void Form_Load(const worker::PortInventory& inventory);
    void selectRemembered();
    void remember(const link::PortRef& port, const QString& speed, int handshake);
    // Detects on the port (nothing when none was chosen), shows what came of it, and
    // remembers the port it ran on, whatever was chosen in the window meanwhile.
    void detectOn(const std::optional<link::PortRef>& port);
    // The serial server's port from its address field, "rfc2217://" put before an address
    // typed without it; none, after telling the user, when the field is empty or holds no
    // HOST:PORT (its text then selected).
    std::optional<link::PortRef> chosenSerialServer();
    // The result line, the port and speed a search found, and the window closed once a
    // printer was found.
    void showResult(const detect::DetectionResult& result);

    // Stop, Escape or the main window closing: the detection under way ends at its next wait.
    void stopDetection();
    // Starts a detection on the worker; the window goes on meanwhile, its buttons but Stop
    // off. Once it has ended, shown is given what it came to (unless the window closed).
    void startDetection(PortsInUse ports,
                        std::function<detect::DetectionResult(worker::WorkerLink&)> detection,
                        std::function<void(const detect::DetectionResult&)> shown);

    worker::PrinterOperations& worker_;
    QtUserFeedback& feedback_;
    RememberedSettings& remembered_;
    // Every numbered port's option with the port it stands for.
    std::vector<std::pair<link::PortRef, QRadioButton*>> options_;
    std::array<QRadioButton*, link::kComPorts> com_{};
    std::array<QRadioButton*, link::kLptPorts> lpt_{};
    std::array<QRadioButton*, link::kUsbPorts> usb_{};
    std::deque<AddressOption> addressOptions_; // kept in place as options are added
    QRadioButton* network_ = nullptr;
    QLineEdit* networkAddress_ = nullptr;
    QRadioButton* serialServer_ = nullptr;
    QLineEdit* serialServerAddress_ = nullptr;
    QButtonGroup* ports_ = nullptr;
    QComboBox* serialspeed_ = nullptr;
    QComboBox* serialhandshakeconf_ = nullptr;
    QPushButton* detectSerial_ = nullptr;
    QPushButton* detectParallel_ = nullptr;
    QPushButton* detectUsbNetwork_ = nullptr;
    QPushButton* autodetectButton_ = nullptr;
    QLabel* DetectedPrinter = nullptr;
    QProgressBar* searchProgress_ = nullptr;
    QPushButton* stopSearch_ = nullptr; // enabled while the automatic search runs
    bool buttonsEnabled_ = true;
    bool searchOffered_ = true;
    bool closeWhenEnded_ = false;
    bool stopped_ = false; // the detection under way was asked to stop
    std::function<void(PortsInUse)> portsInUse_;
};

} // namespace tessaro::app
