// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an operator hears when a station's unit fails: the desktop's "dialog-error" event
// sound (libcanberra: the user's sound theme, and their setting for event sounds), or the
// display's bell where no sound can be played. Playing never waits.

#include <memory>

namespace tessaro::app {

class AlertSound {
  public:
    virtual ~AlertSound() = default;
    virtual void unitFailed() = 0;
};

std::unique_ptr<AlertSound> desktopAlertSound();

} // namespace tessaro::app
