// SPDX-License-Identifier: GPL-3.0-or-later
// The production station in German: a unit that fails says so in German on its tile and in
// the messages, with no JSON word and no English sentence.

#include "StationFixture.h"
#include "app/Translations.h"

#include <QPlainTextEdit>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class GermanStationTest : public StationFixture {
  protected:
    app::Translations german{QStringList{QStringLiteral("de")}};
};

TEST_F(GermanStationTest, AUnitThatFailsIsSaidInGerman) {
    const auto silent = virtualPrinter({"--silent"});
    open({silent->device()});
    choose({"COM1"});
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    const std::string state = tile(1)->stateText().toStdString();
    EXPECT_THAT(state, HasSubstr("Kein Drucker"));
    const std::string messages =
        part<QPlainTextEdit>("stationMessages")->toPlainText().toStdString();
    for (const std::string& shown : {state, messages}) {
        for (const char* english : {"no_answer", "No printer", "found", "bauds", "Failed"}) {
            EXPECT_THAT(shown, Not(HasSubstr(english))) << shown;
        }
    }
}

} // namespace
} // namespace tessaro::test
