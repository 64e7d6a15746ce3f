// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer side that records what the window asks of it. An operation may run a test's
// code while it is under way, and may be held until the test ends it, as the real one ends
// when its printer has answered.

#include "app/PrinterActions.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tessaro::test {

struct PrinterLog {
    std::vector<std::string> calls;
    std::function<void()> during; // run inside the next operation, then cleared
    bool hold = false;            // the next operation ends only at finish()
    bool fail = false;            // the next operation throws
    app::PrinterActions::Done held;
    // Ends the operation held.
    void finish() {
        if (auto done = std::exchange(held, nullptr)) {
            done();
        }
    }
};

class FakePrinterActions final : public app::PrinterActions {
  public:
    explicit FakePrinterActions(PrinterLog& log) : log_(log) {}

    void startUp(Done done) override { operation("startUp", std::move(done)); }
    void shutDown() override { log_.calls.push_back("shutDown"); }
    void detect(Done done) override { operation("detect", std::move(done)); }
    void sendModified(Done done) override { operation("sendModified", std::move(done)); }
    void recoverFactory(Done done) override { operation("recoverFactory", std::move(done)); }

  private:
    void operation(const std::string& name, Done done) {
        log_.calls.push_back(name);
        if (auto during = std::exchange(log_.during, nullptr)) {
            during();
        }
        if (std::exchange(log_.fail, false)) {
            throw std::runtime_error("the port went away");
        }
        if (std::exchange(log_.hold, false)) {
            log_.held = std::move(done);
        } else {
            done();
        }
    }

    PrinterLog& log_;
};

} // namespace tessaro::test
