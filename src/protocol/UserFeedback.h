// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What detection and the printer commands show besides messages: the status bar and the
// detection result line, each text as a
// value the front end words. The window shows them with widgets, the command line as lines
// on the terminal, tests record them.

#include "link/Notifier.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::protocol {

// The status bar panel where a transmission shows its progress (the fourth).
inline constexpr int kStatusPanel = 3;

class PrinterView {
  public:
    virtual ~PrinterView() = default;
    // Replaces every panel of the status bar.
    virtual void showStatusPanels(const std::vector<message::Message>& panels) = 0;
    // Text of one panel (0 = the first); the transmission writes its progress to panel 3.
    virtual void showPanelText(int panel, const message::Message& text) = 0;
    // The detection result line of the port selection window.
    virtual void showDetectionResult(const message::Message& result) = 0;
    // The same line while the automatic search runs: what it is trying now.
    virtual void showDetectionProgress(const message::Message& step) { showDetectionResult(step); }
    // A command of a transmission has gone to the printer: its bytes, as they were written.
    virtual void commandSent(std::string_view bytes) { (void)bytes; }
};

// Both halves, as the window and the command line give them.
class UserFeedback : public link::Notifier, public PrinterView {
  public:
    // A lost printer leaves the status bar saying so, alone.
    void portLost(std::string_view port) override {
        showStatusPanels({message::Message(message::MessageId::NoPrinterOnPanel,
                                           {message::Part::verbatim(std::string(port))})});
    }
};

} // namespace tessaro::protocol
