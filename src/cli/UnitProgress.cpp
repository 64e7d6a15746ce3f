// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UnitProgress.h"

#include "protocol/UserFeedback.h"

namespace tessaro::cli {
namespace {

// The panel that names the printer found: its identity after four blanks.
constexpr int kIdentityPanel = 1;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return "";
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

SessionMaker reportingSteps(SessionMaker inner, StepReport report) {
    return [inner = std::move(inner), report = std::move(report)](const link::PortRef& port,
                                                                  TerminalFeedback& feedback,
                                                                  const link::Cancellation* stop) {
        report(UnitStepKind::Detecting, "");
        feedback.watchPanels([report](int panel, std::string_view text) {
            std::string shown = trimmed(text);
            if (shown.empty()) {
                return;
            }
            if (panel == kIdentityPanel) {
                report(UnitStepKind::Found, std::move(shown));
            } else if (panel == protocol::kStatusPanel) {
                report(UnitStepKind::Sending, std::move(shown));
            }
        });
        // With speed auto: "[3/9] Attempting to contact printer on COM 1 at 57600 bauds."
        feedback.watchSearch([report](int step, int total, std::string_view text) {
            report(UnitStepKind::Detecting,
                   "[" + std::to_string(step) + "/" + std::to_string(total) + "] " + trimmed(text));
        });
        return inner(port, feedback, stop);
    };
}

} // namespace tessaro::cli
