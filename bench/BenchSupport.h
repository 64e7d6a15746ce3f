// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: user feedback that shows nothing and says yes.

#include "protocol/UserFeedback.h"

namespace tessaro::bench {

struct QuietFeedback final : protocol::UserFeedback {
    void sayTitled(link::MessageIcon, const message::Message&, const message::Message&) override {}
    bool askWhether(const message::Message&) override { return true; }
    void showStatusPanels(const std::vector<message::Message>&) override {}
    void showPanelText(int, const message::Message&) override {}
    void showDetectionResult(const message::Message&) override {}
};

} // namespace tessaro::bench
