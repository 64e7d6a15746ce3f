// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: the splash screen, which then opens the main window.

#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/Form1.h"
#include "app/PrinterSide.h"
#include "app/RememberedSettings.h"
#include "app/SplashScreen.h"
#include "app/Translations.h"

#include <QApplication>
#include <QLocale>
#include <iostream>
#include <optional>

int main(int argc, char* argv[]) {
    // Read before the application object, which needs a display: help and version do not.
    const tessaro::app::CommandLine command = tessaro::app::parseCommandLine(
        tessaro::app::argumentList(argc, argv), std::cout, std::cerr);
    if (command.exitCode) {
        return *command.exitCode;
    }
    if (const std::string why =
            tessaro::app::missingDisplay(tessaro::app::DisplayEnvironment::current());
        !why.empty()) {
        std::cerr << tessaro::app::displayError(why);
        return 1;
    }
    // The arguments are ours alone: Qt is given the program's name only, so a FILE is never
    // taken for one of its options (its environment variables still apply).
    int qtArgc = 1;
    std::optional<tessaro::app::PlatformStartGuard> starting(std::in_place);
    QApplication app(qtArgc, argv);
    starting.reset();
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setOrganizationName(QStringLiteral("Tessaro"));
    QApplication::setOrganizationDomain(QStringLiteral("tessaro.example.org"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tessaro.Tessaro"));
    // The window in the user's language (LANGUAGE=en_XA: the pseudo-translation).
    const tessaro::app::Translations translations(QLocale().uiLanguages());
    tessaro::app::SplashScreen splash([&command](tessaro::app::Form1& window) {
        window.setPrinterActions(std::make_unique<tessaro::app::PrinterSide>(
            window, tessaro::link::PortMap::fromSystem()));
        window.setRememberedSettings(tessaro::app::RememberedSettings::forUser());
        if (!command.profile.isEmpty()) {
            window.openOnStartUp(command.profile);
        }
    });
    splash.show();
    return QApplication::exec();
}
