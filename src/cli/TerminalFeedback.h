#pragma once
// The user feedback of the command line: notices on stdout, failures and refusals on stderr,
// status texts as they come, questions answered on the terminal or by --yes.

#include "link/UserFeedback.h"

#include <string>
#include <vector>

namespace tessaro::cli {

class TerminalFeedback final : public link::UserFeedback {
  public:
    explicit TerminalFeedback(bool assumeYes) : assumeYes_(assumeYes) {}

    void message(link::MessageIcon icon, std::string_view text, std::string_view title) override;
    bool ask(std::string_view text) override;
    void setStatusPanels(const std::vector<std::string>& panels) override { panels_ = panels; }
    void setPanelText(int panel, std::string_view text) override;
    void setBusy(bool) override {}
    void enablePrinterCommands(bool) override {}
    void setDetectionResult(std::string_view text) override;
    // Shows each detection text on stderr as it comes: the automatic search is slow.
    void showProgress(bool show) { progress_ = show; }

    // Holds notices back until flushNotices(), so that a result line can come first.
    void holdNotices(bool hold) { hold_ = hold; }
    // Prints the notices held back, leaving out one equal to skip.
    void flushNotices(std::string_view skip);
    // Whether questions can be answered: --yes, or a terminal to ask on.
    bool canAsk() const;

    const std::vector<std::string>& panels() const { return panels_; }
    const std::string& result() const { return result_; }

  private:
    bool assumeYes_;
    bool hold_ = false;
    bool progress_ = false;
    std::vector<std::string> held_;
    std::vector<std::string> panels_;
    std::string result_;
};

} // namespace tessaro::cli
