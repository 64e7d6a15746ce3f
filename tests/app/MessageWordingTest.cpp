// SPDX-License-Identifier: GPL-3.0-or-later
// Every message of the printer side worded in English and in each of the window's languages:
// a text for each, no placeholder left, every part there as it was given; a printer's
// identity is never taken for a sentence.

#include "app/MessageWording.h"

#include "app/DisplayText.h"
#include "app/LocalNumbers.h"
#include "app/Translations.h"
#include "message/English.h"
#include "message/MessageTable.h"
#include "protocol/Identity.h"
#include "station/Outcome.h"
#include "support/TempDir.h"
#include "workspace/ConfigFile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace tessaro::test {
namespace {

using message::Message;
using message::MessageId;
using message::Part;

// An id with as many sample parts as its English text has places, each part a text no
// translation holds.
Message sample(MessageId id) {
    Message said{id, {}};
    const std::string english = message::textOf(id).english;
    for (char n = '1'; n <= '9'; ++n) {
        if (english.find(std::string("%") + n) != std::string::npos) {
            said.parts.push_back(Part::verbatim("part" + std::string(1, n) + "-x9"));
        }
    }
    return said;
}

void expectWhole(const std::string& text, const Message& said, const std::string& where) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    EXPECT_FALSE(text.empty()) << where;
    EXPECT_FALSE(placeholder.match(QString::fromStdString(text)).hasMatch()) << where << text;
    for (const Part& part : said.parts) {
        EXPECT_NE(text.find(part.text), std::string::npos) << where << ": " << text;
    }
}

TEST(MessageWording, EveryIdIsWordedWholeInEveryLanguage) {
    std::set<std::string_view> words;
    for (int i = 0; i < message::kMessageIdCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        if (id == MessageId::Shown || id == MessageId::CommandStep) {
            continue; // shown as it is, or as the command table has it
        }
        const bool framesOnly = !QString::fromUtf8(message::textOf(id).english)
                                     .remove(QRegularExpression(QStringLiteral("%[1-9]")))
                                     .contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
        EXPECT_TRUE(words.insert(message::textOf(id).word).second) << message::textOf(id).word;
        const Message said = sample(id);
        const std::string english = message::english(said);
        expectWhole(english, said, "en");
        // The English window says the same, its line breaks the window's own.
        EXPECT_EQ(app::worded(said), app::displayText(english));
        for (const char* language : {"de", "fr", "es", "pt_BR", "zh_CN", "en_XA"}) {
            const app::Translations translations(QStringList{QString::fromLatin1(language)});
            const std::string worded = app::worded(said).toStdString();
            expectWhole(worded, said, language);
            if (!framesOnly) { // "%1: %2" may read the same
                EXPECT_NE(worded, english) << language << ": left in English";
            }
        }
    }
}

// What the printer says its name is stays its name; the frame around it is translated.
TEST(MessageWording, AnIdentityIsShownAsItIs) {
    const app::Translations german(QStringList{QStringLiteral("de")});
    const Message found{
        MessageId::PrinterFoundOnAtSpeed,
        {Part::verbatim("No printer found"), Part::verbatim("COM 1"), Part::verbatim("9600")}};
    EXPECT_EQ(app::worded(found),
              QStringLiteral("No printer found an COM 1 mit 9600 Baud gefunden"));
    const Message none{MessageId::NoPrinterOnAtSpeed,
                       {Part::verbatim("COM 1"), Part::verbatim("9600")}};
    EXPECT_EQ(app::worded(none), QStringLiteral("Kein Drucker an COM 1 mit 9600 Baud gefunden"));
    // The status bar's identity panel is the printer's text, whatever it says.
    EXPECT_EQ(app::worded(Message::shown("    Acme found on LPT 2")),
              QStringLiteral("    Acme found on LPT 2"));
    // ... on the one line it is embedded in, in the window as on the terminal.
    const Message broken{MessageId::PrinterFoundOn,
                         {Part::verbatim("R62\r\nSaved"), Part::verbatim("COM 1")}};
    EXPECT_EQ(app::worded(broken), QStringLiteral("R62\\x0d\\x0aSaved an COM 1 gefunden"));
    EXPECT_EQ(message::english(broken), "R62\\x0d\\x0aSaved found on COM 1");
}

// The faults a printer reports are named in the language, one after another, in both the
// English the command line prints and the window's German.
TEST(MessageWording, APrintersFaultsAreNamedInTheLanguage) {
    const auto faults = protocol::faultsOf(0x04 | 0x02); // no paper, the head up, the cutter failed
    ASSERT_TRUE(faults);
    const Message said{MessageId::PrinterReportsFault,
                       {Part::verbatim("COM 1"), Part::framed(*faults)}};
    EXPECT_EQ(message::english(said),
              "The printer on COM 1 reports a fault: Head Up, No Paper, Cutter failure");
    const app::Translations german(QStringList{QStringLiteral("de")});
    EXPECT_EQ(
        app::worded(said).toStdString(),
        "Der Drucker an COM 1 meldet einen Fehler: Kopf offen, Kein Papier, Schneidwerk defekt");
    EXPECT_FALSE(protocol::faultsOf(0x80 | 0x10 | 0x20)); // printing, on line, the cutter in order
}

// A load's warning in the window's language: the sentences translated, the file's name and
// the keys as the file has them, a key to a line.
TEST(MessageWording, ALoadWarningKeepsTheFileNameAndTheKeysAsTheyAre) {
    const TempDir dir;
    const auto file =
        dir.write("Angebot %2 groß.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=0\r\n"
                                         "[Text and general commands]\r\nheight2=True\r\n");
    workspace::Workspace ws;
    ws.startUp();
    const workspace::LoadReport report = workspace::LoadConfig(ws, file);
    ASSERT_TRUE(report.warning);
    const app::Translations german(QStringList{QStringLiteral("de")});
    EXPECT_EQ(app::worded(*report.warning).toStdString(),
              "Einige Schlüssel von " + file.string() +
                  " wurden übergangen: Ihre Werte sind ungültig.\n   SliderMaxcurrent=0\n"
                  "   height2=True (height1 fehlt)");
}

// A station tile says how a unit failed in words of the language, not with the JSON word.
TEST(MessageWording, EveryResultWordIsSaidInEveryLanguage) {
    for (const char* language : {"de", "fr", "es", "pt_BR", "zh_CN"}) {
        const app::Translations translations(QStringList{QString::fromLatin1(language)});
        for (int i = 0; i <= static_cast<int>(station::Outcome::PrinterFault); ++i) {
            const std::string word(station::resultWord(static_cast<station::Outcome>(i)));
            const QString said = QCoreApplication::translate("Outcome", word.c_str());
            EXPECT_FALSE(said.isEmpty());
            EXPECT_NE(said.toStdString(), word) << language << ": " << word;
        }
    }
}

// A decimal comma where the language writes one; English keeps the program's own texts.
TEST(MessageWording, NumbersTakeTheLanguagesDecimalSign) {
    const std::vector<std::pair<std::string, QString>> german{
        {" .125", " 0,125"}, {"1.5", "1,5"}, {"-.5", "-0,5"}, {" 62", " 62"}};
    {
        const app::Translations translations(QStringList{QStringLiteral("de")});
        for (const auto& [program, local] : german) {
            EXPECT_EQ(app::localNumber(program), local) << program;
        }
        EXPECT_EQ(app::localSeconds(1910), QStringLiteral("1,91 s"));
        EXPECT_EQ(app::localSeconds(1234567), QStringLiteral("1234,57 s"));
    }
    const app::Translations english(QStringList{QStringLiteral("en")});
    EXPECT_EQ(app::localNumber(" .125"), QStringLiteral(" .125"));
    EXPECT_EQ(app::localSeconds(1234567), QStringLiteral("1234.57 s"));
}

} // namespace
} // namespace tessaro::test
