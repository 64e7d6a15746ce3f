// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Autodetect Printer": wake up any printer on the serial ports, try every COM port at every
// speed fastest first with the status request, then the USB printers, and only when none
// answers, the parallel ports; the first answer is handed to the ordinary probe of its port.
// The search is a list of steps made before it starts, so what it announces as its length is
// what it runs; it can be stopped between two steps.

#include "detect/Detection.h"
#include "detect/StatusCheck.h"
#include "link/Cancellation.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::detect {

class Autodetect {
  public:
    // Called as each step begins: its number counted from 1, the number of steps, and the
    // text the detection result line shows for it.
    using ProgressReport = std::function<void(int step, int total, std::string_view text)>;

    explicit Autodetect(Detection& detection);

    // The whole search: the port a printer was found on and described, or none.
    DetectionResult Autodetect_Click();

    void onProgress(ProgressReport report) { report_ = std::move(report); }
    // Ends the search under way once its current step is over: the port it probes is closed,
    // nothing more is sent, the result is "No printer found" and the link, the printer's
    // facts, the status bar and the printer commands stay as they were before the search.
    // A printer that has answered by then is not described. Any thread may ask; a
    // cancellation handed in ends the search the same way, and its waits at once.
    void requestStop() { stopRequested_ = true; }
    void setCancellation(const link::Cancellation* stop) { stop_ = stop; }

    // The speeds in the order they are tried.
    static constexpr const auto& kSearchSpeeds = detect::kSearchSpeeds;

  private:
    // One step: the wake-up (no port), or a port, a serial one at one speed (its index in
    // kSearchSpeeds).
    struct Step {
        std::optional<link::PortRef> port;
        int speedIndex = 0;
    };

    std::vector<Step> plan();
    message::Message stepText(const Step& step) const;
    bool answers(const Step& step);
    DetectionResult describe(const Step& step);
    bool stopped() const { return stopRequested_ || (stop_ != nullptr && stop_->cancelled()); }
    // The speed of a step: one of kSearchSpeeds on a port with line settings, else none.
    static std::string_view speedOf(const Step& step);
    void wakeUp();
    // Opens a port spoken to as a stream at speed, with no flow control.
    bool openStream(const link::PortRef& port, std::string_view speed);
    bool streamAnswers(const link::PortRef& port, std::string_view speed);
    void askStatus(int pauseAfterCancel, std::uint8_t& b);
    bool lptAnswers(int k);

    Detection& detection_;
    link::SubCom& link_;
    protocol::UserFeedback& feedback_;
    ProgressReport report_;
    std::atomic<bool> stopRequested_ = false;
    const link::Cancellation* stop_ = nullptr;
    // Ports that exist but cannot be opened: noted once, left out of the rest of the search.
    std::vector<link::PortRef> unusable_;
};

} // namespace tessaro::detect
