// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: help and version as help2man runs them, without a display;
// bad usage; one FILE. (The FILE loaded once the splash screen has opened the window is
// SplashTest's.)

#include "app/CommandLine.h"

#include "app/DisplayCheck.h"
#include "app/DisplayText.h"
#include "support/TempDir.h"
#include "tessaro/Version.h"

#include <QProcess>
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

// tessaro as help2man starts it: no X server, no Wayland, no platform chosen; or with the
// display given.
ProgramRun runProgram(const QStringList& arguments, const QString& display = {}) {
    TempDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    if (!display.isEmpty()) {
        environment.insert(QStringLiteral("DISPLAY"), display);
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

// Qt would abort (status 134) with a hint to reinstall the program.
TEST(CommandLineTest, WithoutADisplayTheProgramSaysWhyAndExits1) {
    const ProgramRun unset = runProgram({});
    EXPECT_EQ(unset.exitCode, 1);
    EXPECT_THAT(unset.out, IsEmpty());
    EXPECT_EQ(unset.err, "tessaro: cannot open the display (DISPLAY is not set); run it on a "
                         "desktop or under xvfb-run\n");
    const ProgramRun unreachable = runProgram({}, QStringLiteral(":4711")); // no server there
    EXPECT_EQ(unreachable.exitCode, 1);
    EXPECT_EQ(unreachable.err, "tessaro: cannot open the display (DISPLAY=:4711 cannot be "
                               "reached); run it on a desktop or under xvfb-run\n");

    // Another platform, or X with another to fall back on, is left to start on its own.
    EXPECT_EQ(app::missingDisplay({"xcb:nograb", "", ""}), "DISPLAY is not set");
    EXPECT_EQ(app::missingDisplay({"", "", "wayland-0"}), "");
    EXPECT_EQ(app::missingDisplay({"xcb;offscreen", "", ""}), "");
    EXPECT_EQ(app::missingDisplay({"offscreen", "", ""}), "");
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
        return app::parseCommandLine(QStringList{QStringLiteral("tessaro")} + arguments, out, err);
    };
    EXPECT_EQ(parse({QStringLiteral("--"), QStringLiteral("-v.pcf")}).profile, "-v.pcf");
    EXPECT_EQ(parse({QStringLiteral("a.pcf"), QStringLiteral("b.pcf")}).exitCode, 2);
    EXPECT_EQ(err.str(), "tessaro: only one FILE can be given.\n"
                         "Try 'tessaro --help' for more information.\n");
    EXPECT_THAT(out.str(), IsEmpty());
}

} // namespace
} // namespace tessaro::test
