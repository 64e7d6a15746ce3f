// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial port on a descriptor of its own: real ports, USB adapters and pseudo-terminals
// alike. Each opening opens the device once by the name the port map gives, checks that it is
// the device this operation found there, takes the locks other programs respect (flock, UUCP
// lock file) and exclusive use, and sets the line with termios; the close lets the written
// bytes leave at the speed they were written at, gives up exclusive use and closes the
// device once, its settings left as they are (whoever opens it next sets their own).

#include "link/DevicePins.h"
#include "link/LineSettings.h"
#include "link/PortLock.h"
#include "link/PortMap.h"
#include "link/StreamDevice.h"

#include <cstddef>

namespace tessaro::link {

class SerialDevice final : public StreamDevice {
  public:
    SerialDevice(const PortMap& ports, Clock& clock) : StreamDevice(clock), ports_(ports) {}
    ~SerialDevice() override { close(); }

    void setSettings(std::string_view text) override;
    void setHandshaking(int mode) override;
    void startOperation() override { pins_.forget(); }

  protected:
    workspace::UniqueFd connect(message::Message& why, PortProblem& problem) override;
    ssize_t readSome(int fd, char* buffer, std::size_t size) override;
    ssize_t writeSome(int fd, const char* bytes, std::size_t size) override;
    // A terminal that hung up reads as ended: its adapter unplugged, or the far end of a
    // pseudo-terminal closed.
    bool endOfStreamIsLoss() const override { return true; }
    std::string describe() const override { return ports_.describe(port()); }
    message::Message lossReason(message::Message seen) const override;
    void finish(int fd) override;
    void released() override;

  private:
    // "" when the device open on fd may be used, else why not.
    message::Failure claim(const std::string& device, int fd, PortProblem& problem);

    const PortMap& ports_;
    LineSettings line_;
    bool speedKnown_ = true;
    std::size_t unsentBytes_ = 0; // written since the port opened: what the close waits for
    DevicePins pins_;
    PortLock lock_;
};

} // namespace tessaro::link
