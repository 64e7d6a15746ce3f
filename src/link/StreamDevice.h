// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer on a descriptor of its own (a serial device, a USB printer device, a TCP
// connection): what the printer sends is pulled into a buffer without waiting, counted and
// read from there; the wait for a reply is bounded with poll, a write by the link's clock.
// Speed and handshake are taken and ignored unless the device has a line to set. A printer
// that goes away, or stops taking bytes, is a fault, reported once, and the descriptor is
// let go.

#include "link/Clock.h"
#include "link/SerialControl.h"
#include "workspace/UniqueFd.h"

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace tessaro::link {

class Cancellation;

class StreamDevice : public SerialControl {
  public:
    // How long a write may wait for the printer to take its bytes.
    static constexpr int kWriteTimeoutMs = 5000;
    static constexpr std::size_t kReceiveCapacity = 4096;

    // A write that cannot finish is judged on clock.
    explicit StreamDevice(Clock& clock) : clock_(clock) {}
    StreamDevice(const StreamDevice&) = delete;
    StreamDevice& operator=(const StreamDevice&) = delete;
    ~StreamDevice() override = default;

    void setCommPort(const PortRef& port) override { port_ = port; }
    void setSettings(std::string_view) override {}
    void setHandshaking(int) override {}
    bool portOpen() const override { return fd_.valid(); }
    message::Failure open() override;
    void close() final;
    void setInputLen(int length) override { inputLen_ = length; }
    void setInputMode(int) override {}
    int inBufferCount() override;
    void discardInput() override;
    // Every byte, or none of the rest once the printer has taken nothing for
    // kWriteTimeoutMs: that is a fault, "the printer stopped taking data".
    void output(std::string_view bytes) override;
    std::string input() override;
    bool waitForInput(int ms) override;
    message::Failure takeFault() override;
    PortProblem problem() const override { return problem_; }
    // A cancellation that ends the connect under way at once, from any thread; it stays
    // raised for later connects. Set it on the device's own thread and keep it alive while
    // set; nullptr: none.
    void setCancellation(const Cancellation* stop) override { stop_ = stop; }

  protected:
    const PortRef& port() const { return port_; }
    // What connect watches beside its own waits; null when nothing can cancel it.
    const Cancellation* cancellation() const { return stop_; }
    // Opens the descriptor (non-blocking, close-on-exec); none, with why and what kind of
    // problem it is, when it cannot.
    virtual workspace::UniqueFd connect(message::Message& why, PortProblem& problem) = 0;
    // One non-blocking read or write, as read(2) and write(2) answer.
    virtual ssize_t readSome(int fd, char* buffer, std::size_t size) = 0;
    virtual ssize_t writeSome(int fd, const char* bytes, std::size_t size) = 0;
    // Whether a read of 0 bytes means the printer went away (a closed connection).
    virtual bool endOfStreamIsLoss() const = 0;
    // The port as messages name it: "USB1 (/dev/usb/lp0)", "192.168.1.20:9100".
    virtual std::string describe() const = 0;
    // How the loss of the printer is told, given what the read or write saw ("the printer
    // closed the connection").
    virtual message::Message lossReason(message::Message seen) const { return seen; }
    // A port that works is about to close: the bytes written leave first.
    virtual void finish(int fd) { (void)fd; }
    // The descriptor is closed, the port working or lost: what the opening held goes too.
    virtual void released() {}

  private:
    void pull();
    void lost(const message::Message& why);
    void drop();

    Clock& clock_;
    PortRef port_;
    const Cancellation* stop_ = nullptr;
    workspace::UniqueFd fd_;
    int inputLen_ = 100;
    std::string received_;
    message::Failure fault_;
    PortProblem problem_ = PortProblem::None;
};

// Waits for events on fd, at most ms; true when they (or an error or hang-up) came.
bool waitForEvents(int fd, short events, int ms);

} // namespace tessaro::link
