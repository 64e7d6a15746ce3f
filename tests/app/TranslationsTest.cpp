// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: which translation the user's UI languages pick, that English stays
// as the sources say, and that the pseudo-translation frames every text it knows.

#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using app::Translations;

// A text of the station window, translated as the window translates it.
QString starting() {
    return QCoreApplication::translate("tessaro::app::StationDriver", "Starting");
}

TEST(TranslationsTest, EnglishAndCKeepTheSourceTextsAndEndTheSearch) {
    for (const QStringList& languages :
         {QStringList{}, QStringList{"en-US", "de-DE"}, QStringList{"en"},
          QStringList{"C", "fr-FR"}, QStringList{"it-IT", "en-GB", "es-ES"}}) {
        const Translations translations(languages);
        EXPECT_TRUE(translations.language().isEmpty()) << languages.join(u',').toStdString();
        EXPECT_EQ(starting(), QStringLiteral("Starting"));
    }
}

TEST(TranslationsTest, TheFirstLanguageTheProgramHasWinsWithOrWithoutItsTerritory) {
    const struct {
        QStringList uiLanguages;
        QString shown;
    } cases[] = {
        {{"de-DE"}, "de"},
        {{"de-AT"}, "de"},
        {{"fr"}, "fr"},
        {{"it-IT", "es-MX"}, "es"},
        {{"pt-BR"}, "pt_BR"},
        {{"zh-Hans-CN"}, "zh_CN"},
        {{"pt-PT", "zh-CN"}, "zh_CN"},
    };
    for (const auto& c : cases) {
        const Translations translations(c.uiLanguages);
        EXPECT_EQ(translations.language(), c.shown) << c.uiLanguages.join(u',').toStdString();
    }
}

TEST(TranslationsTest, QtsOwnButtonsFollowTheLanguageWhereQtHasIt) {
    const QString qtGerman =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtGerman)) {
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    }
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        const Translations translations(QStringList{"de-DE"});
        EXPECT_EQ(cancel(), QStringLiteral("Abbrechen"));
    }
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    const Translations english(QStringList{"en-US", "de-DE"});
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}

TEST(TranslationsTest, ThePseudoTranslationFramesTextsKeepsPlaceholdersAndEndsWithItsObject) {
    {
        const Translations translations(QStringList{"en-XA", "de-DE"});
        EXPECT_EQ(translations.language(), QStringLiteral("en_XA"));
        const QString shown = starting();
        EXPECT_TRUE(shown.startsWith(u'⟦') && shown.endsWith(u'⟧')) << shown.toStdString();
        EXPECT_GE(shown.size(), QStringLiteral("Starting").size() * 14 / 10 + 2);
        const QString counts =
            QCoreApplication::translate("tessaro::app::StationDriver", "stored %1, failed %2");
        EXPECT_NE(counts, QStringLiteral("stored %1, failed %2"));
        EXPECT_EQ(counts.arg(3).arg(4).count(u'%'), 0) << counts.toStdString();
        // A line break written as a control character survives the .ts file.
        EXPECT_TRUE(QCoreApplication::translate("tessaro::app::StationWindow",
                                                "The station cannot start.\r\n%1")
                        .contains(QStringLiteral(".\r\n%1")));
    }
    EXPECT_EQ(starting(), QStringLiteral("Starting"));
}

} // namespace
} // namespace tessaro::test
