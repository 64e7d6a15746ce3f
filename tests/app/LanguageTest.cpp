// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each of its languages: every text the main window (all four tabs, its menus
// and status bar), the port window, the station window, About and Help show is in that
// language; in the pseudo-translation every text is framed, and nothing is cut off at the
// default font or at one half as large again. The printer side's messages are translated
// whole, with the parts they fill in.

#include "LayoutChecks.h"
#include "PortSelectionFixture.h"
#include "StationFixture.h"
#include "app/DisplayText.h"
#include "app/Helpfrm.h"
#include "app/Translations.h"
#include "app/TwoRowTabWidget.h"
#include "app/frmAbout.h"

#include <QAction>
#include <QTextBrowser>
#include <QTextDocument>
#include <array>

namespace tessaro::test {
namespace {

constexpr const char* kPseudo = app::Translations::kPseudoLanguage;

// Every context the window's texts are filed under.
constexpr std::array kContexts{
    "Catalogue",
    "Commands",
    "Message",
    "Outcome",
    "Tabs",
    "tessaro::app::ClientArea",
    "tessaro::app::ControlFactory",
    "tessaro::app::Form1",
    "tessaro::app::Helpfrm",
    "tessaro::app::MainMenu",
    "tessaro::app::PortSelection",
    "tessaro::app::QtFileDialogs",
    "tessaro::app::SplashScreen",
    "tessaro::app::StationDriver",
    "tessaro::app::StationSetup",
    "tessaro::app::StationTile",
    "tessaro::app::StationWindow",
    "tessaro::app::frmAbout",
};

// What a window shows in words: titles, captions, labels, list entries, menu entries and
// tooltips, of hidden pages too.
QStringList shownTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts << shownText(label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            texts << box->title();
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        }
    }
    for (const QAction* action : root->findChildren<QAction*>()) {
        texts << action->text();
    }
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// A text shown as English although the language has it: some context translates it.
void expectNoEnglishLeft(QWidget* root) {
    for (const QString& text : shownTexts(root)) {
        const QByteArray source = text.toUtf8();
        for (const char* context : kContexts) {
            const QString translated = QCoreApplication::translate(context, source.constData());
            EXPECT_EQ(translated, text)
                << "left in English: " << text.toStdString() << " (" << context << ")";
        }
    }
}

// In the pseudo-translation a text without its frame did not go through the translation.
// Names and numbers are shown as they are: ports, devices, the program's name, a version,
// addresses, and the title with the profile's name.
void expectEveryTextFramed(QWidget* root) {
    static const QRegularExpression asItIs(
        QStringLiteral("^(Tessaro|\\d[\\d.,: ]*|(COM|USB|LPT) ?\\d+.*|/dev/.*|tcp://.*|"
                       "[0-9a-f]{12,}|.*\\.pcf|https?://.*|mailto:.*|\\S+@\\S+|\\S+\\.org|"
                       "Tessaro - .*|[^A-Za-z]*)$"));
    for (const QString& text : shownTexts(root)) {
        if (!text.contains(u'⟦') && !asItIs.match(text).hasMatch()) {
            ADD_FAILURE() << "not translated: " << text.toStdString();
        }
    }
}

class LanguageTest : public StationFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        translations_ = std::make_unique<app::Translations>(QStringList{GetParam()});
        ASSERT_EQ(translations_->language(), QString::fromLatin1(GetParam()));
        StationFixture::SetUp();
    }
    void TearDown() override {
        StationFixture::TearDown();
        translations_.reset();
    }

    void check(QWidget* root) const {
        SCOPED_TRACE(root->objectName().toStdString());
        if (QLatin1String(GetParam()) == QLatin1String(kPseudo)) {
            expectEveryTextFramed(root);
        } else {
            expectNoEnglishLeft(root);
        }
    }

    QWidget* opened(const char* action, const char* name) const {
        trigger(action);
        const auto found =
            window->findChildren<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(found.size(), 1) << name;
        return found.isEmpty() ? nullptr : found.front();
    }

  private:
    std::unique_ptr<app::Translations> translations_;
};

// Every tab of the main window and the station window, at the font the windows open with.
void expectEveryWindowFits(app::Form1& window, QWidget* station) {
    auto* tabs = window.findChild<app::TwoRowTabWidget*>(QStringLiteral("SSTab1"));
    ASSERT_NE(tabs, nullptr);
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        QApplication::processEvents();
        expectTextsFit(&window);
    }
    expectTextsFit(station);
}

// Every window in the language, and nothing cut off at the font the windows open with.
TEST_P(LanguageTest, EveryWindowShowsTheLanguageAndNothingIsCutOff) {
    open({});
    expectEveryWindowFits(*window, station);
    // A workspace with changes, so the list of modified parameters has lines and headings.
    window->workspace().setSlider(workspace::controlId("SliderIntensity"), 10,
                                  workspace::ChangeSource::User);
    window->workspace().setSlider(workspace::controlId("SliderBarmagn"), 4,
                                  workspace::ChangeSource::User);
    window->refresh();
    check(window.get());
    const QString list = modifiedList();
    EXPECT_FALSE(list.contains(QStringLiteral("Set print intensity"))) << list.toStdString();
    EXPECT_FALSE(list.contains(QStringLiteral("Barcode commands"))) << list.toStdString();

    QWidget* about = opened("about", "frmAbout");
    ASSERT_NE(about, nullptr);
    check(about);

    auto* help = qobject_cast<app::Helpfrm*>(opened("help", "Helpfrm"));
    ASSERT_NE(help, nullptr);
    check(help);
    const QString language = QString::fromLatin1(GetParam());
    const QString page = help->findChild<QTextBrowser*>("WebBrowser")->source().toString();
    EXPECT_TRUE(page.endsWith(language == QLatin1String(kPseudo)
                                  ? QStringLiteral("/help.html")
                                  : QStringLiteral("/help.%1.html").arg(language)))
        << page.toStdString();
    check(station);
}

class LargeFontLanguageTest : public LanguageTest {
    LargerFont larger_{1.5};
};

TEST_P(LargeFontLanguageTest, NothingIsCutOffAtALargerFont) {
    open({});
    expectEveryWindowFits(*window, station);
}

INSTANTIATE_TEST_SUITE_P(Languages, LargeFontLanguageTest,
                         ::testing::Values(kPseudo, "de", "fr", "es", "pt_BR", "zh_CN"));

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest,
                         ::testing::Values(kPseudo, "de", "fr", "es", "pt_BR", "zh_CN"));

class PortWindowLanguageTest
    : public PortSelectionFixture,
      public ::testing::WithParamInterface<std::tuple<const char*, double>> {
  protected:
    LargerFont font_{std::get<1>(GetParam())};
    app::Translations translations_{QStringList{std::get<0>(GetParam())}};
};

TEST_P(PortWindowLanguageTest, ThePortWindowShowsTheLanguageAndFits) {
    openWindow({});
    inPortSelection([](app::PortSelection& dialog) {
        if (QLatin1String(std::get<0>(GetParam())) == QLatin1String(kPseudo)) {
            expectEveryTextFramed(&dialog);
        } else {
            expectNoEnglishLeft(&dialog);
        }
        expectTextsFit(&dialog);
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, PortWindowLanguageTest,
                         ::testing::Combine(::testing::Values(kPseudo, "de", "fr", "es", "pt_BR",
                                                              "zh_CN"),
                                            ::testing::Values(1.0, 1.5)));

} // namespace
} // namespace tessaro::test
