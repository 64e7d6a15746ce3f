// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial control on QSerialPort: real ports, USB adapters and pseudo-terminals alike.
// The device is opened by its name once per opening and held, locked against other programs,
// while the port is open; QSerialPort opens that very device through the descriptor.

#include "link/DevicePins.h"
#include "link/PortLock.h"
#include "link/PortMap.h"
#include "link/SerialControl.h"
#include "workspace/UniqueFd.h"

#include <QSerialPort>
#include <cstddef>

namespace tessaro::link {

class QtSerialControl final : public SerialControl {
  public:
    explicit QtSerialControl(const PortMap& ports);

    void setCommPort(const PortRef& port) override { commPort_ = port; }
    void setSettings(std::string_view text) override;
    void setHandshaking(int mode) override { handshaking_ = mode; }
    void startOperation() override { pins_.forget(); }
    bool portOpen() const override { return port_.isOpen(); }
    std::string open() override;
    void close() override;
    void setInputLen(int length) override { inputLen_ = length; }
    void setInputMode(int) override {} // text and bytes are the same bytes here
    int inBufferCount() override;
    void discardInput() override;
    void output(std::string_view bytes) override;
    std::string input() override;
    bool waitForInput(int ms) override;
    std::string takeFault() override;
    PortProblem problem() const override { return problem_; }

  private:
    std::string describePort() const;
    std::string claim(const std::string& device);
    std::string refusal(const std::string& device, int error);
    std::string openFailure(const std::string& device);
    void letGo();
    void pullFromDriver();
    void drainOutput();
    void closeKeepingSettings();
    void noteError(QSerialPort::SerialPortError error);

    const PortMap& ports_;
    QSerialPort port_;
    PortRef commPort_;
    int baud_ = 9600;
    int handshaking_ = 0;
    int inputLen_ = 100;
    std::size_t unsentBytes_ = 0; // written since the port opened: what close waits for
    std::string fault_;
    PortProblem problem_ = PortProblem::None;
    DevicePins pins_;
    workspace::UniqueFd device_; // the device held while the port is open
    PortLock lock_;
};

} // namespace tessaro::link
