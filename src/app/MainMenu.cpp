// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainMenu.h"

#include "app/Form1.h"

#include <QMenu>
#include <QMenuBar>

namespace tessaro::app {
namespace {

QAction* entry(QMenu* menu, const char* name, const QString& caption,
               const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QMenu* topMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

// Each caption marks its Alt key letter with "&"; shown and read, the captions are the same
// without it.
void MainMenu::buildFile(Form1& window, Entries& entries) {
    QMenu* file = topMenu(window.menuBar(), "file", tr("&File"));
    QAction* load = entry(file, "load", tr("&Load Config From File to Workspace"),
                          QKeySequence(Qt::CTRL | Qt::Key_O));
    entries.recentProfiles = file->addMenu(tr("Recent &profiles"));
    entries.recentProfiles->setObjectName(QStringLiteral("recentProfiles"));
    for (std::size_t i = 0; i < entries.recent.size(); ++i) {
        QAction* recent = entries.recentProfiles->addAction(QString());
        recent->setObjectName(QStringLiteral("recentProfile%1").arg(i + 1));
        recent->setVisible(false);
        // The entry's data is the profile's path, set as the list changes.
        QObject::connect(recent, &QAction::triggered, &window, [&window, recent] {
            window.openRecentProfile(recent->data().toString());
        });
        entries.recent[i] = recent;
    }
    QAction* save = entry(file, "Save", tr("&Save Workspace Config to File"),
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* reload = entry(file, "defaultparam", tr("&Reload Factory Settings to Workspace"));
    separator(file, "none2");
    QAction* quit = entry(file, "quit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(load, &QAction::triggered, &window, &Form1::load_Click);
    QObject::connect(save, &QAction::triggered, &window, &Form1::Save_Click);
    QObject::connect(reload, &QAction::triggered, &window, &Form1::defaultparam_Click);
    QObject::connect(quit, &QAction::triggered, &window, &Form1::quit_Click);
}

void MainMenu::buildPrinter(Form1& window, Entries& entries) {
    QAction* detect = window.menuBar()->addAction(tr("&Detect the printer"));
    detect->setObjectName(QStringLiteral("DetectPrinter"));
    detect->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QObject::connect(detect, &QAction::triggered, &window, &Form1::DetectPrinter_Click);

    QMenu* configure = topMenu(window.menuBar(), "ConfigPrinter", tr("&Configure the Printer"));
    entries.RecovDefault = entry(configure, "RecovDefault", tr("&Recover Factory Settings"));
    separator(configure, "none");
    // Also the "Set modified parameters as printer default" button's key.
    entries.saveparam = entry(configure, "saveparam", tr("&Send Mofified Parameters to Printer"),
                              QKeySequence(Qt::CTRL | Qt::Key_T));
    separator(configure, "none3");
    QAction* station = entry(configure, "station", tr("&Production station..."),
                             QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(station, &QAction::triggered, &window, &Form1::station_Click);
    QObject::connect(entries.RecovDefault, &QAction::triggered, &window,
                     &Form1::RecovDefault_Click);
    QObject::connect(entries.saveparam, &QAction::triggered, &window, &Form1::saveparam_Click);
}

void MainMenu::buildMisc(Form1& window) {
    QMenu* misc = topMenu(window.menuBar(), "misc", tr("&?"));
    QAction* help = entry(misc, "help", tr("&Help"), QKeySequence(Qt::Key_F1));
    QAction* about = entry(misc, "about", tr("&About"));
    QObject::connect(help, &QAction::triggered, &window, &Form1::help_Click);
    QObject::connect(about, &QAction::triggered, &window, &Form1::about_Click);
}

MainMenu::Entries MainMenu::build(Form1& window) {
    Entries entries;
    buildFile(window, entries);
    buildPrinter(window, entries);
    buildMisc(window);
    return entries;
}

} // namespace tessaro::app
