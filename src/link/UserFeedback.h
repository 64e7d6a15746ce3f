#pragma once
// What the core tells the user and asks of the user. The window shows message boxes, a
// status bar and a busy pointer; the command line writes to the terminal; tests record.

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::link {

enum class MessageIcon { Information, Critical, Exclamation, Question };

inline constexpr std::string_view kProgramTitle = "Tessaro";

class UserFeedback {
  public:
    virtual ~UserFeedback() = default;
    // A modal message with an OK button; lines are joined by CR or CR LF.
    virtual void message(MessageIcon icon, std::string_view text,
                         std::string_view title = kProgramTitle) = 0;
    // A message that refuses or warns, whatever its icon: the window shows it as any other,
    // the command line on its error stream.
    virtual void warn(MessageIcon icon, std::string_view text) { message(icon, text); }
    // A modal question with Yes and No; true for Yes.
    virtual bool ask(std::string_view text) = 0;
    // Replaces every panel of the status bar.
    virtual void setStatusPanels(const std::vector<std::string>& panels) = 0;
    // Text of one panel (0 = the first); the transmission writes its progress to panel 3.
    virtual void setPanelText(int panel, std::string_view text) = 0;
    virtual void setBusy(bool busy) = 0;
    // The four printer commands: Send and Recover, in the menu and as buttons.
    virtual void enablePrinterCommands(bool enabled) = 0;
    // The detection result line of the port selection window.
    virtual void setDetectionResult(std::string_view text) = 0;
    // The same line while the automatic search runs: what it is trying now.
    virtual void setDetectionProgress(std::string_view text) { setDetectionResult(text); }
};

} // namespace tessaro::link
