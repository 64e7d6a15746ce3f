// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the window has a display to open on. Qt ends the program with abort() and a hint to
// reinstall it when its platform cannot start; the program says what is missing instead and
// exits 1.

#include <QtGlobal>
#include <string>

namespace tessaro::app {

// The environment the platform is chosen by.
struct DisplayEnvironment {
    std::string platform; // QT_QPA_PLATFORM: "" for Qt's default, "xcb", "wayland;xcb", ...
    std::string display;  // DISPLAY
    std::string wayland;  // WAYLAND_DISPLAY
    static DisplayEnvironment current();
};

// Why no window can open, decided before the application object is made: the platform is
// the X server's (named or Qt's default) and neither an X nor a Wayland display is set.
// "" when the platform may start.
std::string missingDisplay(const DisplayEnvironment& environment);

// "tessaro: cannot open the display (WHY); run it on a desktop or under xvfb-run\n"
std::string displayError(const std::string& why);

// While this lives, a platform that cannot start (an X server that cannot be reached) ends
// the program with displayError and status 1 in place of Qt's abort; Qt's own messages
// about its platform plugins are not shown then.
class PlatformStartGuard {
  public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

  private:
    QtMessageHandler previous_;
};

} // namespace tessaro::app
