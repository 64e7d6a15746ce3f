// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar of the main window, its entries connected to the window's handlers.

#include "app/RememberedSettings.h"

#include <QCoreApplication>
#include <array>

class QAction;
class QMenu;

namespace tessaro::app {

class Form1;

class MainMenu {
    Q_DECLARE_TR_FUNCTIONS(tessaro::app::MainMenu)

  public:
    // The entries the window enables and disables later.
    struct Entries {
        QAction* saveparam = nullptr;
        QAction* RecovDefault = nullptr;
        // "Recent profiles": one entry a remembered profile, hidden while unused.
        QMenu* recentProfiles = nullptr;
        std::array<QAction*, RememberedSettings::kRecentLimit> recent{};
    };

    static Entries build(Form1& window);

  private:
    static void buildFile(Form1& window, Entries& entries);
    static void buildPrinter(Form1& window, Entries& entries);
    static void buildMisc(Form1& window);
};

} // namespace tessaro::app
