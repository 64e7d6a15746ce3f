// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer side that records what the window asks of it. An operation may run a test's
// code while it is under way, as the real one runs a nested event loop while it waits.

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
    bool busy = false;            // an operation the printer side runs on its own
    bool fail = false;            // the next operation throws
};

class FakePrinterActions final : public app::PrinterActions {
  public:
    explicit FakePrinterActions(PrinterLog& log) : log_(log) {}

    void startUp() override { log_.calls.push_back("startUp"); }
    void shutDown() override { log_.calls.push_back("shutDown"); }
    void detect() override { operation("detect"); }
    void sendModified() override { operation("sendModified"); }
    void recoverFactory() override { operation("recoverFactory"); }
    bool busy() const override { return log_.busy; }

  private:
    void operation(const std::string& name) {
        log_.calls.push_back(name);
        if (auto during = std::exchange(log_.during, nullptr)) {
            during();
        }
        if (std::exchange(log_.fail, false)) {
            throw std::runtime_error("the port went away");
        }
    }

    PrinterLog& log_;
};

} // namespace tessaro::test
