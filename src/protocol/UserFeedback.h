// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What detection and the printer commands show besides messages: the status bar, the busy
// pointer, the printer commands' availability and the detection result line. The window
// shows them with widgets, the command line as lines on the terminal, tests record them.

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
    virtual void setStatusPanels(const std::vector<std::string>& panels) = 0;
    // The same, each panel given as a value: the window words them in the user's language
    // (a printer's identity shown as it is), everything else in English.
    virtual void showStatusPanels(const std::vector<message::Message>& panels) {
        std::vector<std::string> texts;
        for (const message::Message& panel : panels) {
            texts.push_back(message::english(panel));
        }
        setStatusPanels(texts);
    }
    // Text of one panel (0 = the first); the transmission writes its progress to panel 3.
    virtual void setPanelText(int panel, std::string_view text) = 0;
    virtual void setBusy(bool busy) = 0;
    // The four printer commands: Send and Recover, in the menu and as buttons.
    virtual void enablePrinterCommands(bool enabled) = 0;
    // The detection result line of the port selection window.
    virtual void setDetectionResult(std::string_view text) = 0;
    // The same line worded from what the detection found: the window in the user's language,
    // everything else in English.
    virtual void showDetectionResult(const message::Message& result) {
        setDetectionResult(message::english(result));
    }
    // The same line while the automatic search runs: what it is trying now.
    virtual void setDetectionProgress(std::string_view text) { setDetectionResult(text); }
    // A command of a transmission has gone to the printer: its bytes, as they were written.
    virtual void commandSent(std::string_view bytes) { (void)bytes; }
};

// Both halves, as the window and the command line give them.
class UserFeedback : public link::Notifier, public PrinterView {
  public:
    // A lost printer leaves the status bar saying so, alone.
    void portLost(std::string_view port) override {
        setStatusPanels({"NO Printer on " + std::string(port) + " :"});
    }
};

} // namespace tessaro::protocol
