// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Autodetect Printer": wake up any printer on the serial ports, try every COM port at every
// speed fastest first with the status request, then the USB printers, and only when none
// answers, the parallel ports; the first answer is handed to the ordinary probe of its port.

#include "detect/Detection.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

namespace tessaro::detect {

class Autodetect {
  public:
    explicit Autodetect(Detection& detection);

    // The whole search; true when a printer was found and described.
    bool Autodetect_Click();

    // The speeds in the order they are tried.
    static constexpr auto kSearchSpeeds = [] {
        auto speeds = workspace::kSpeedNames;
        std::reverse(speeds.begin(), speeds.end());
        return speeds;
    }();

  private:
    void wakeUp();
    bool openSerial(int n, const std::string& settings);
    bool answersTwice(int n, int speedIndex);
    bool statusTwice(link::SerialControl& port);
    bool searchSerial();
    bool searchUsb();
    void askStatus(int pauseAfterCancel, std::uint8_t& b);
    bool lptAnswers(int k);
    int searchParallel();

    Detection& detection_;
    link::SubCom& link_;
    protocol::UserFeedback& feedback_;
    std::set<int> unusable_; // COM ports that exist but cannot be opened: noted once
};

} // namespace tessaro::detect
