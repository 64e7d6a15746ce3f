#pragma once
// "Communication Port Selection": the serial ports with speed and handshake, the parallel
// ports, and the three detection buttons. A view over the detection code; it closes itself
// once a printer has been found and described.

#include "detect/Autodetect.h"
#include "detect/Detection.h"
#include "detect/PortSelectionView.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaro::app {

class QtUserFeedback;

class PortSelection final : public QDialog, public detect::PortSelectionView {
    Q_OBJECT

  public:
    PortSelection(link::SubCom& link, link::PortIO& portIO, const link::PortMap& ports,
                  protocol::PrinterFacts& facts, QtUserFeedback& feedback,
                  QWidget* parent = nullptr);
    ~PortSelection() override;

    std::optional<int> selectedComPort() const override;
    std::optional<int> selectedLptPort() const override;
    std::string selectedSpeed() const override;
    int selectedHandshake() const override;
    void selectComPort(int n) override;
    void selectLptPort(int n) override;
    void selectSpeedIndex(int index) override;
    void selectHandshake(int index) override;
    void setDetectionButtonsEnabled(bool enabled) override;
    void closeWindow() override { accept(); }

  public slots:
    void DetectSerialPrinter_Click();
    void DetectParallelPrinter_Click();
    void Autodetect_Click();

  protected:
    void reject() override; // Escape or the close box: not while a detection runs

  private:
    QWidget* buildSerialFrame(const link::PortMap& ports);
    QWidget* buildParallelFrame();
    void Form_Load();
    bool running() const { return !buttonsEnabled_; }

    QtUserFeedback& feedback_;
    detect::Detection detection_;
    detect::Autodetect autodetect_;
    std::array<QRadioButton*, 6> com_{};
    std::array<QRadioButton*, 2> lpt_{};
    QButtonGroup* ports_ = nullptr;
    QComboBox* serialspeed_ = nullptr;
    QComboBox* serialhandshakeconf_ = nullptr;
    QPushButton* detectSerial_ = nullptr;
    QPushButton* detectParallel_ = nullptr;
    QPushButton* autodetectButton_ = nullptr;
    QLabel* DetectedPrinter = nullptr;
    bool buttonsEnabled_ = true;
};

} // namespace tessaro::app
