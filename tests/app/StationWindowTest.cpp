// SPDX-License-Identifier: GPL-3.0-or-later
// The production station in the window, driven as a user drives it against virtual
// printers: four printers reach their results with a record each, in the log's format of
// "tessaro-cli provision --log"; Stop during a unit lets it finish; with repeat, a printer
// that leaves and the next that arrives; what Start refuses; closing while units are under
// way; the window's own printer commands while the station holds their port; a printer on a
// serial server.

#include "StationFixture.h"
#include "app/station/AlertSound.h"
#include "app/station/StationProfile.h"
#include "support/JsonLines.h"
#include "support/Ser2netProcess.h"
#include "support/SimProcess.h"
#include "support/TextCount.h"
#include "workspace/ConfigFile.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <csignal>
#include <gmock/gmock.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using namespace std::chrono_literals;

std::string stateOf(const app::StationTile* tile) {
    return tile->stateText().toStdString();
}

// Counts what would be heard.
class CountedAlerts final : public app::AlertSound {
  public:
    explicit CountedAlerts(int& count) : count_(count) {}
    void unitFailed() override { ++count_; }

  private:
    int& count_;
};

class StationWindowTest : public StationFixture {
  protected:
    // A printer on COM1 of a station with repeat, started; the wait is over once the unit
    // sends, which holds it under way for a second at least (the saving reply's wait).
    void startSlowUnit() {
        slow = virtualPrinter({});
        open({slow->device()});
        choose({"COM1"}, true);
        click("stationStart");
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return stateOf(tile(1)).starts_with("Sending: "); }, kWaitMs))
            << stateOf(tile(1));
    }

    std::unique_ptr<SimProcess> slow;
};

TEST_F(StationWindowTest, FourPrintersReachTheirResultsWithARecordEach) {
    const auto good = virtualPrinter({});
    const auto second = virtualPrinter({"--identity", "Second printer", "--status", "0xA4"});
    const auto silent = virtualPrinter({"--silent"});
    const auto refusing = virtualPrinter({"--save-reply", "1"});
    open({good->device(), second->device(), silent->device(), refusing->device()});
    choose({"COM1", "COM2", "COM3", "COM4"});
    int alerts = 0;
    station->setAlertSound(std::make_unique<CountedAlerts>(alerts));
    EXPECT_TRUE(part<QCheckBox>("failureSound")->isChecked());
    click("stationStart");
    EXPECT_FALSE(part<QPushButton>("stationStart")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));

    EXPECT_THAT(stateOf(tile(1)), StartsWith("Stored: Saving Sequence Successful ! ("));
    EXPECT_THAT(stateOf(tile(2)), StartsWith("Stored: "));
    EXPECT_THAT(stateOf(tile(3)), StartsWith("Failed (no_answer): No printer found on "));
    EXPECT_THAT(stateOf(tile(4)), StartsWith("Failed (not_stored): "));
    EXPECT_EQ(tile(1)->look(), app::StationTile::Look::Stored);
    EXPECT_EQ(tile(3)->look(), app::StationTile::Look::Failed);
    EXPECT_THAT(tile(2)->identityText().toStdString(), HasSubstr("Second printer"));
    // Stored, and out of paper: shown as such.
    EXPECT_EQ(tile(2)->faultsText(), "The printer on COM 2 reports a fault: No Paper");
    EXPECT_EQ(tile(1)->faultsText(), "");
    EXPECT_EQ(tile(1)->countsText(), "stored 1, failed 0, mean " +
                                         tile(1)->countsText().section(QStringLiteral("mean "), 1));
    EXPECT_EQ(tile(3)->countsText(), "stored 0, failed 1");
    EXPECT_THAT(part<QLabel>("stationTotal")->text().toStdString(),
                StartsWith("All ports: stored 2, failed 2, mean "));
    EXPECT_EQ(alerts, 2); // one for each failure
    // A screen reader reads each tile as a group named by its port, described by its state.
    EXPECT_EQ(tile(3)->accessibleName(), "COM3");
    EXPECT_THAT(tile(3)->accessibleDescription().toStdString(),
                StartsWith("Failed (no_answer): No printer found on "));

    const auto records = jsonLines(readFile(log));
    ASSERT_EQ(records.size(), 4u);
    std::map<std::string, std::string> results;
    for (const QJsonObject& record : records) {
        results[record.value("port").toString().toStdString()] =
            record.value("result").toString().toStdString();
        EXPECT_EQ(record.value("profile").toString().toStdString(), profile.string());
        EXPECT_EQ(record.value("profile_sha256").toString().size(), 64);
    }
    const std::map<std::string, std::string> expected{
        {"COM1", "ok"}, {"COM2", "ok"}, {"COM3", "no_answer"}, {"COM4", "not_stored"}};
    EXPECT_EQ(results, expected);

    // The command line's record of the same unit has the same keys: one log may mix them.
    SimProcess cli(std::vector<std::string>{"provision", profile.string(), "--port", good->device(),
                                            "--log", (dir / "cli.jsonl").string(), "--yes"},
                   TESSARO_CLI_PATH);
    ASSERT_EQ(cli.exitStatus(20s), 0);
    const auto cliRecords = jsonLines(readFile(dir / "cli.jsonl"));
    ASSERT_EQ(cliRecords.size(), 1u);
    EXPECT_EQ(cliRecords[0].keys(), records[0].keys());

    // Turned off, and remembered so, failures are not heard.
    toggle(part<QCheckBox>("failureSound")); // off, and remembered so
    EXPECT_FALSE(window->remembered().station().sound);
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_EQ(alerts, 2);
}

TEST_F(StationWindowTest, TheWorkspaceIsStoredFromAFileNamedByItsContentBesideTheLog) {
    const auto good = virtualPrinter({});
    open({good->device()});
    choose({"COM1"});
    window->loadProfile(app::fromPath(profile));
    QTest::mouseClick(part<QRadioButton>("profileWorkspace"), Qt::LeftButton,
                      Qt::KeyboardModifiers(), QPoint(4, 4));
    ASSERT_TRUE(part<QRadioButton>("profileWorkspace")->isChecked());
    const std::string text = workspace::profileText(window->workspace());
    const std::string sha = app::sha256Hex(text);
    EXPECT_THAT(part<QLabel>("profileStamp")->text().toStdString(),
                HasSubstr("Name: job\nSHA-256: " + sha));
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));

    const auto records = jsonLines(readFile(log));
    ASSERT_EQ(records.size(), 1u);
    const auto stored = dir / ("profile-" + sha.substr(0, 12) + ".pcf");
    EXPECT_EQ(records[0].value("result").toString(), "ok");
    EXPECT_EQ(records[0].value("profile").toString().toStdString(), stored.string());
    EXPECT_EQ(records[0].value("profile_sha256").toString().toStdString(), sha);
    EXPECT_EQ(readFile(stored), text);

    // An edit of the workspace shows at once as another profile to store.
    window->defaultparam_Click();
    const std::string edited = app::sha256Hex(workspace::profileText(window->workspace()));
    ASSERT_NE(edited, sha);
    EXPECT_THAT(part<QLabel>("profileStamp")->text().toStdString(),
                HasSubstr("SHA-256: " + edited));
}

TEST_F(StationWindowTest, StopDuringAUnitLetsItFinishThenTheStationEnds) {
    ASSERT_NO_FATAL_FAILURE(startSlowUnit());
    click("stationStop");
    EXPECT_FALSE(ended());
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_THAT(stateOf(tile(1)), StartsWith("Stored: "));
    const auto records = jsonLines(readFile(log));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].value("result").toString(), "ok");
    EXPECT_TRUE(part<QPushButton>("stationStart")->isEnabled());
}

TEST_F(StationWindowTest, WithRepeatAPrinterLeavesAndTheNextIsConfigured) {
    const std::string link = (dir / "printer").string();
    auto sim = virtualPrinter({"--link", link});
    ASSERT_FALSE(sim->device().empty());
    open({link});
    choose({"COM1"}, true);
    click("stationStart");
    // Until the printer leaves, its result stays the tile's big green text.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return tile(1)->lastUnitText() == "Waiting for the printer to leave"; }, kWaitMs))
        << tile(1)->lastUnitText().toStdString();
    EXPECT_THAT(stateOf(tile(1)), StartsWith("Stored: "));
    EXPECT_EQ(tile(1)->look(), app::StationTile::Look::Stored);

    sim.reset();
    std::filesystem::remove(link);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return stateOf(tile(1)) == "Waiting for the next printer"; }, kWaitMs))
        << stateOf(tile(1));
    EXPECT_THAT(tile(1)->lastUnitText().toStdString(), StartsWith("Last unit: Stored: "));
    EXPECT_EQ(tile(1)->look(), app::StationTile::Look::Idle);
    sim = virtualPrinter({"--link", link});
    ASSERT_FALSE(sim->device().empty());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return tile(1)->countsText().startsWith("stored 2, failed 0"); }, kWaitMs))
        << tile(1)->countsText().toStdString();

    click("stationStop");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_EQ(jsonLines(readFile(log)).size(), 2u);
}

TEST_F(StationWindowTest, StartChecksTheProfileThePortsAndTheLogFirst) {
    const auto sim = virtualPrinter({});
    open({sim->device()});
    choose({});
    click("stationStart"); // no port
    choose({"COM1"});
    const auto notAProfile = dir.write("notes.pcf", "just some notes\n");
    part<QLineEdit>("profileFile")->setText(app::fromPath(notAProfile));
    click("stationStart");
    part<QLineEdit>("profileFile")->setText(app::fromPath(profile));
    part<QLineEdit>("logFile")->setText(app::fromPath(dir / "notes.pcf" / "audit.jsonl"));
    click("stationStart");
    const auto fifo = dir / "fifo.jsonl"; // its open would wait for a reader
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    part<QLineEdit>("logFile")->setText(app::fromPath(fifo));
    click("stationStart");

    const auto texts = script.texts();
    std::string all;
    for (const QString& text : texts) {
        all += text.toStdString() + "\n";
    }
    ASSERT_EQ(texts.size(), 4u) << all;
    EXPECT_THAT(texts[0].toStdString(), HasSubstr("No port is chosen"));
    EXPECT_THAT(texts[1].toStdString(), HasSubstr(notAProfile.string()));
    EXPECT_THAT(texts[2].toStdString(), HasSubstr((dir / "notes.pcf").string()));
    EXPECT_THAT(texts[3].toStdString(), HasSubstr(fifo.string() + ": not a regular file"));
    EXPECT_TRUE(ended());
    EXPECT_FALSE(sim->waitFor("ESC", 300ms)) << "the printer was touched";

    // Return in the address field adds the network printer; it does not start the station.
    QTest::keyClicks(part<QLineEdit>("networkAddress"), "localhost:9");
    QTest::keyClick(part<QLineEdit>("networkAddress"), Qt::Key_Return);
    EXPECT_EQ(part<QListWidget>("networkList")->item(0)->text(), "tcp://localhost:9");
    EXPECT_EQ(script.boxes.size(), 4u);
    EXPECT_TRUE(ended());
}

// A failed unit of a run without repeat can be run again from its tile, on its own; the
// counts go on across runs until "Reset counts".
TEST_F(StationWindowTest, AFailedUnitRunsAgainAndTheCountsLastUntilReset) {
    const auto good = virtualPrinter({});
    const auto refusing = virtualPrinter({"--save-reply", "1"});
    open({good->device(), refusing->device()});
    choose({"COM1", "COM2"});
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_FALSE(tile(1)->offersRunAgain());
    ASSERT_TRUE(tile(2)->offersRunAgain());

    QTest::mouseClick(tile(2)->findChild<QPushButton*>("runAgain"), Qt::LeftButton);
    EXPECT_FALSE(tile(2)->offersRunAgain());
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_EQ(tile(2)->countsText(), "stored 0, failed 2");
    EXPECT_THAT(tile(1)->countsText().toStdString(), StartsWith("stored 1, failed 0"));
    EXPECT_THAT(part<QLabel>("stationTotal")->text().toStdString(),
                StartsWith("All ports: stored 1, failed 2"));
    EXPECT_TRUE(tile(2)->offersRunAgain());

    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_THAT(tile(1)->countsText().toStdString(), StartsWith("stored 2, failed 0"));
    EXPECT_EQ(tile(2)->countsText(), "stored 0, failed 3");
    EXPECT_EQ(jsonLines(readFile(log)).size(), 5u); // each unit has its record

    click("stationResetCounts");
    EXPECT_EQ(tile(1)->countsText(), "stored 0, failed 0");
    EXPECT_EQ(part<QLabel>("stationTotal")->text(), "All ports: stored 0, failed 0");
}

// A profile that sets nothing would store the factory settings everywhere: Start asks first.
// The profile file and the label chosen come back the next time; the label is in every record.
TEST_F(StationWindowTest, AProfileThatChangesNothingIsAskedAboutAndTheChoicesComeBack) {
    const auto sim = virtualPrinter({});
    open({sim->device()});
    choose({"COM1"});
    dir.write("job.pcf", "[Setup and hardware control]\r\n"); // a profile, setting nothing
    QTest::keyClicks(part<QLineEdit>("runLabel"), "Order 4711");
    script.answers.push_back(QMessageBox::No);
    click("stationStart");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("The profile changes no setting"));
    EXPECT_TRUE(ended());
    EXPECT_FALSE(sim->waitFor("ESC", 300ms)) << "the printer was touched";

    script.answers.push_back(QMessageBox::Yes);
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    const auto records = jsonLines(readFile(log));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].value("label").toString(), "Order 4711");

    station->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return station.isNull() || !station->isVisible(); }));
    open({sim->device()});
    EXPECT_TRUE(part<QRadioButton>("profileChoose")->isChecked());
    EXPECT_EQ(part<QLineEdit>("profileFile")->text(), app::fromPath(profile));
    EXPECT_EQ(part<QLineEdit>("runLabel")->text(), "Order 4711");
}

// A printer behind a serial server (ser2net in front of the virtual printer) is added to the
// list as typed with its prefix, as an address without a port is not, is stored in as a COM
// port's printer is, and is listed again the next time.
TEST_F(StationWindowTest, APrinterOnASerialServerIsListedAndStored) {
    if (!Ser2netProcess::installed()) {
        GTEST_SKIP() << Ser2netProcess::kProgram << " is not installed (scripts/setup installs it)";
    }
    const auto printer = virtualPrinter({});
    Ser2netProcess server(printer->device());
    ASSERT_TRUE(server.listening()) << server.log();
    const std::string port = "rfc2217://" + server.address();
    open({});
    choose({});
    auto* address = part<QLineEdit>("networkAddress");
    QTest::keyClicks(address, "rfc2217://printers.example");
    QTest::keyClick(address, Qt::Key_Return);
    EXPECT_EQ(address->selectedText(), "rfc2217://printers.example");
    address->clear();
    QTest::keyClicks(address, QString::fromStdString(port));
    QTest::keyClick(address, Qt::Key_Return);
    auto* list = part<QListWidget>("networkList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text().toStdString(), port);

    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_THAT(stateOf(tile(1)), StartsWith("Stored: Saving Sequence Successful ! ("));
    const auto records = jsonLines(readFile(log));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].value("port").toString().toStdString(), port);
    EXPECT_EQ(records[0].value("link").toString(), "rfc2217");
    EXPECT_EQ(records[0].value("result").toString(), "ok");

    // The station opened again lists it again.
    station->close();
    open({});
    ASSERT_EQ(part<QListWidget>("networkList")->count(), 1);
    EXPECT_EQ(part<QListWidget>("networkList")->item(0)->text().toStdString(), port);
}

// The file size limit of this process, and SIGXFSZ ignored, while this lives: a write past
// the limit fails with EFBIG, as one on a full disk with ENOSPC.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        ::sigaction(SIGXFSZ, nullptr, &savedAction_);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, nullptr);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::sigaction(SIGXFSZ, &savedAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

TEST_F(StationWindowTest, APrinterStoredWhoseRecordTheLogCannotTakeIsNotShownAsStored) {
    constexpr rlim_t kFull = 64 * 1024; // the log is that long already
    std::string earlier(kFull - 1, 'x');
    earlier.front() = earlier.back() = '"';
    dir.write("audit.jsonl", earlier + "\n");
    const auto printer = virtualPrinter({});
    open({printer->device()});
    choose({"COM1"});
    {
        const FileSizeLimit full(kFull);
        click("stationStart");
        ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    }
    EXPECT_THAT(stateOf(tile(1)), StartsWith("Stored: Saving Sequence Successful ! ("));
    EXPECT_THAT(stateOf(tile(1)), HasSubstr(", not recorded in the audit log"));
    EXPECT_EQ(tile(1)->look(), app::StationTile::Look::Failed);
    const std::string messages =
        part<QPlainTextEdit>("stationMessages")->toPlainText().toStdString();
    EXPECT_EQ(count(messages, "Cannot write the audit log " + log.string() + ": File too large"),
              1u)
        << messages;
    EXPECT_EQ(std::filesystem::file_size(log), kFull);
}

// A port the main window's printer operation uses is not the station's: Start says so and
// touches no printer; while the automatic search runs, no port is.
TEST_F(StationWindowTest, APortTheMainWindowUsesIsNotTheStations) {
    const auto sim = virtualPrinter({});
    open({sim->device()});
    choose({"COM1"});
    window->setPortsInUse({false, {link::PortRef::numbered(link::LinkKind::Serial, 1)}});
    click("stationStart");
    window->setPortsInUse({true, {}});
    click("stationStart");
    const auto texts = script.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_THAT(texts[0].toStdString(), HasSubstr("The main window is using COM 1: start the "
                                                  "station once its operation has ended."));
    EXPECT_THAT(texts[1].toStdString(), HasSubstr("searching every port for a printer"));
    EXPECT_TRUE(ended());
    EXPECT_FALSE(sim->waitFor("ESC", 300ms)) << "the printer was touched";
}

TEST_F(StationWindowTest, ThePrinterCommandsAreOffWhileTheStationHoldsTheirPort) {
    const auto silent =
        virtualPrinter({"--silent"}); // the station waits for a printer until stopped
    open({silent->device()});
    window->remembered().setPort({link::PortRef::numbered(link::LinkKind::Serial, 1), "9600", 1});
    window->EnablePrinterCommands(true);
    choose({"COM1"}, true);
    click("stationStart");
    EXPECT_FALSE(child<QAction>("saveparam")->isEnabled());
    EXPECT_FALSE(child<QAction>("RecovDefault")->isEnabled());
    // The workspace is still the user's to edit.
    window->workspace().defaultparam_Click();
    window->refresh();

    click("stationStop");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    EXPECT_TRUE(child<QAction>("saveparam")->isEnabled());
    EXPECT_EQ(stateOf(tile(1)), "Stopped");
}

TEST_F(StationWindowTest, ClosingWhileUnitsAreUnderWayAsksThenClosesOnceTheyHaveEnded) {
    ASSERT_NO_FATAL_FAILURE(startSlowUnit());
    script.answers.push_back(QMessageBox::No);
    EXPECT_FALSE(station->close());
    EXPECT_TRUE(station->isVisible());
    EXPECT_FALSE(ended());

    script.answers.push_back(QMessageBox::Yes);
    EXPECT_FALSE(station->close());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !station->isVisible(); }, kWaitMs));
    EXPECT_TRUE(ended());
    EXPECT_TRUE(window->isVisible()); // the main window stays
    ASSERT_EQ(script.boxes.size(), 2u);
    for (const ShownBox& box : script.boxes) {
        EXPECT_THAT(box.text.toStdString(), HasSubstr("Units are under way"));
    }
    EXPECT_EQ(jsonLines(readFile(log)).size(), 1u); // the unit under way finished, with its record
}

// Closing the main window asks too; once answered yes, both windows close as soon as the
// units under way have ended, with their records.
TEST_F(StationWindowTest, ClosingTheMainWindowWhileUnitsAreUnderWayClosesBothOnceTheyHaveEnded) {
    ASSERT_NO_FATAL_FAILURE(startSlowUnit());
    script.answers.push_back(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(ended());

    script.answers.push_back(QMessageBox::Yes);
    EXPECT_FALSE(window->close()); // not yet: a unit is under way
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }, kWaitMs));
    EXPECT_TRUE(station.isNull() || !station->isVisible());
    EXPECT_TRUE(station.isNull() || ended());
    ASSERT_EQ(script.boxes.size(), 2u);
    for (const ShownBox& box : script.boxes) {
        EXPECT_THAT(box.text.toStdString(),
                    HasSubstr("The production station has units under way"));
    }
    EXPECT_EQ(jsonLines(readFile(log)).size(), 1u);
}

} // namespace
} // namespace tessaro::test
