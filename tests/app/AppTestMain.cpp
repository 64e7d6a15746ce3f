// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests need a QApplication; they run on the offscreen platform unless told
// otherwise, also when only listing the tests. Whatever Qt or a test might keep in the
// user's settings goes to a folder of the run's own, never to the real ~/.config.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir config;
    if (!config.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
