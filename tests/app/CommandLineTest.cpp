// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: help and version as help2man runs them, without a display;
// bad usage; and the FILE opened once the splash screen has opened the window.

#include "app/CommandLine.h"

#include "ScriptedDialogs.h"
#include "app/DisplayText.h"
#include "app/Form1.h"
#include "app/SplashScreen.h"
#include "support/TempDir.h"
#include "tessaro/Version.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSlider>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// tessaro as help2man starts it: no X server, no Wayland, no platform chosen.
ProgramRun runProgram(const QStringList& arguments) {
    TempDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), app::fromPath(config.path()));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSARO_APP_PATH), arguments);
    ProgramRun run;
    if (!process.waitForFinished(30000)) {
        ADD_FAILURE() << "tessaro did not end";
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    EXPECT_TRUE(std::filesystem::is_empty(config.path()))
        << "a run that opens no window remembers nothing";
    return run;
}

TEST(CommandLineTest, VersionIsOneLineOnStandardOutput) {
    const ProgramRun run = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string("tessaro ") + tessaro::kVersion + "\n");
    EXPECT_THAT(run.out, ::testing::MatchesRegex("tessaro [0-9]+\\.[0-9]+\\.[0-9]+\n"));
    EXPECT_THAT(run.err, IsEmpty());
}

TEST(CommandLineTest, HelpDescribesTheProgramItsOptionsAndFile) {
    const ProgramRun run = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, StartsWith("Usage: tessaro [options] [FILE]\n"));
    EXPECT_THAT(run.out, HasSubstr("Set the power-on defaults of small thermal printers: edit a "
                                   "workspace of printer parameters, save and load .pcf "
                                   "profiles, and send them to the printer."));
    EXPECT_THAT(run.out, HasSubstr("-h, --help"));
    EXPECT_THAT(run.out, HasSubstr("-v, --version"));
    EXPECT_THAT(run.out, HasSubstr("a .pcf profile to load at start-up"));
    EXPECT_THAT(run.out, ::testing::Not(HasSubstr("executable_name")));
    EXPECT_THAT(run.err, IsEmpty());
}

TEST(CommandLineTest, AnUnknownOptionIsSaidOnStandardErrorWithAHint) {
    const ProgramRun run = runProgram({QStringLiteral("--colour"), QStringLiteral("shop.pcf")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.out, IsEmpty());
    EXPECT_EQ(run.err, "tessaro: Unknown option 'colour'.\n"
                       "Try 'tessaro --help' for more information.\n");
}

TEST(CommandLineTest, OneFileIsTakenAndAFileNamedLikeAnOptionFollowsTwoDashes) {
    std::ostringstream out;
    std::ostringstream err;
    const auto parse = [&](const QStringList& arguments) {
        out.str("");
        err.str("");
        return app::parseCommandLine(QStringList{QStringLiteral("tessaro")} + arguments, out, err);
    };
    app::CommandLine command = parse({});
    EXPECT_FALSE(command.exitCode);
    EXPECT_TRUE(command.profile.isEmpty());

    command = parse({QStringLiteral("shop.pcf")});
    EXPECT_FALSE(command.exitCode);
    EXPECT_EQ(command.profile, "shop.pcf");

    command = parse({QStringLiteral("--"), QStringLiteral("-v.pcf")});
    EXPECT_FALSE(command.exitCode);
    EXPECT_EQ(command.profile, "-v.pcf");

    command = parse({QStringLiteral("a.pcf"), QStringLiteral("b.pcf")});
    EXPECT_EQ(command.exitCode, 2);
    EXPECT_THAT(err.str(), StartsWith("tessaro: only one FILE can be given."));

    command = parse({QString()});
    EXPECT_EQ(command.exitCode, 2);
    EXPECT_THAT(out.str(), IsEmpty());
}

// The window as main() opens it with a FILE: prepared by the splash screen, shown, and the
// file loaded once it is up, as the Load menu loads it.
class StartUpFileTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (window != nullptr) {
            window->feedback().setDialogRunner([](QMessageBox&) { return QMessageBox::No; });
            delete window.data();
        }
    }

    void start(const QString& file) {
        app::SplashScreen splash([&](app::Form1& opened) {
            opened.setFileDialogs(std::make_unique<ScriptedFileDialogs>(script));
            opened.feedback().setDialogRunner(script.runner());
            opened.openOnStartUp(file);
        });
        splash.Timer_Timer();
        window = splash.mainWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), "Tessaro - default");
        QCoreApplication::processEvents(); // the load queued by the window's first showing
    }

    TempDir dir;
    DialogScript script;
    QPointer<app::Form1> window;
};

TEST_F(StartUpFileTest, TheFileIsLoadedWithTheLoadMenusWarningAndNamesTheWindow) {
    dir.write("shop.pcf", "[Setup and hardware control]\r\nSliderPFSspeed=999\r\n"
                          "SliderMaxcurrent=7\r\n");
    ASSERT_NO_FATAL_FAILURE(start(app::fromPath(dir / "shop.pcf")));
    EXPECT_EQ(window->windowTitle(), "Tessaro - shop");
    EXPECT_EQ(window->findChild<QSlider*>(QStringLiteral("SliderMaxcurrent"))->value(), 7);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("SliderPFSspeed=999"));
}

TEST_F(StartUpFileTest, AFileThatCannotBeReadIsReportedAsTheLoadMenuReportsIt) {
    std::filesystem::create_directory(dir / "folder.pcf");
    ASSERT_NO_FATAL_FAILURE(start(app::fromPath(dir / "folder.pcf")));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Critical);
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("folder.pcf"));
    EXPECT_EQ(window->windowTitle(), "Tessaro - default");
}

} // namespace
} // namespace tessaro::test
