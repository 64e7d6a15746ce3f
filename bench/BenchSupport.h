// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: user feedback that shows nothing and says yes.

#include "protocol/UserFeedback.h"

namespace tessaro::bench {

struct QuietFeedback final : protocol::UserFeedback {
    void message(link::MessageIcon, std::string_view, std::string_view) override {}
    bool ask(std::string_view) override { return true; }
    void setStatusPanels(const std::vector<std::string>&) override {}
    void setPanelText(int, std::string_view) override {}
    void setBusy(bool) override {}
    void enablePrinterCommands(bool) override {}
    void setDetectionResult(std::string_view) override {}
};

} // namespace tessaro::bench
