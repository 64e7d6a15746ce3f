// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayCheck.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessaro::app {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether the platform list names only the X server's platform: Qt tries each entry of
// "a;b" in turn, and "xcb:option" is xcb with an option.
bool onlyX(std::string_view platforms) {
    while (true) {
        const std::size_t end = std::min(platforms.find(';'), platforms.size());
        const std::string_view entry = platforms.substr(0, end);
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (!name.empty() && name != "xcb") {
            return false;
        }
        if (end == platforms.size()) {
            return true;
        }
        platforms.remove_prefix(end + 1);
    }
}

// Why the platform did not start, as far as the environment tells.
std::string whyNotStarted(const DisplayEnvironment& environment) {
    if (onlyX(environment.platform) && !environment.display.empty()) {
        return "DISPLAY=" + environment.display + " cannot be reached";
    }
    if (!missingDisplay(environment).empty()) {
        return missingDisplay(environment);
    }
    return "the platform " +
           (environment.platform.empty() ? std::string("Qt chose") : environment.platform) +
           " cannot start";
}

// Qt's messages while the application object is made. Its platform's complaints lead up to
// the fatal one, which ends the program in our words.
void platformStartMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        const std::string error = displayError(whyNotStarted(DisplayEnvironment::current()));
        std::fputs(error.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::string_view category = context.category != nullptr ? context.category : "";
    if (category.substr(0, 7) == "qt.qpa.") {
        return;
    }
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

} // namespace

DisplayEnvironment DisplayEnvironment::current() {
    return {variable("QT_QPA_PLATFORM"), variable("DISPLAY"), variable("WAYLAND_DISPLAY")};
}

std::string missingDisplay(const DisplayEnvironment& environment) {
    if (!onlyX(environment.platform) || !environment.display.empty() ||
        !environment.wayland.empty()) {
        return "";
    }
    return "DISPLAY is not set";
}

std::string displayError(const std::string& why) {
    return "tessaro: cannot open the display (" + why +
           "); run it on a desktop or under xvfb-run\n";
}

PlatformStartGuard::PlatformStartGuard()
    : previous_(qInstallMessageHandler(platformStartMessage)) {}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previous_);
}

} // namespace tessaro::app
