// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/UnitProgress.h"

#include "protocol/UserFeedback.h"

namespace tessaro::station {
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

SessionMaker reportingSteps(SessionMaker inner, StepReport report, SaidReport said) {
    return [inner = std::move(inner), report = std::move(report), said = std::move(said)](
               const link::PortRef& port, UnitFeedback& feedback, const link::Cancellation* stop) {
        using message::Message;
        report(UnitStepKind::Detecting, Message::shown(""));
        feedback.watchSaid(said);
        feedback.watchPanels([report, &feedback](int panel, std::string_view text) {
            std::string shown = trimmed(text);
            if (shown.empty()) {
                return;
            }
            if (panel == kIdentityPanel) {
                report(UnitStepKind::Found, Message::shown(std::move(shown)));
            } else if (panel == protocol::kStatusPanel) {
                report(UnitStepKind::Sending,
                       feedback.valueOf(text).value_or(Message::shown(std::move(shown))));
            }
        });
        // With speed auto: "[3/9] Attempting to contact printer on COM 1 at 57600 bauds."
        feedback.watchSearch([report, &feedback](int step, int total, std::string_view text) {
            const Message tried = feedback.valueOf(text).value_or(Message::shown(trimmed(text)));
            report(UnitStepKind::Detecting, Message(message::MessageId::SearchStepOf,
                                                    {message::Part::verbatim(std::to_string(step)),
                                                     message::Part::verbatim(std::to_string(total)),
                                                     message::Part::framed(tried)}));
        });
        return inner(port, feedback, stop);
    };
}

} // namespace tessaro::station
