// SPDX-License-Identifier: GPL-3.0-or-later
// The About and Help windows of the main window, and the splash screen.

#include "LayoutChecks.h"
#include "WindowFixture.h"
#include "app/Helpfrm.h"
#include "app/SplashScreen.h"
#include "app/frmAbout.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class DialogsTest : public WindowFixture {
  protected:
    QList<QWidget*> windowsNamed(const char* name) const {
        return window->findChildren<QWidget*>(QString::fromLatin1(name),
                                              Qt::FindDirectChildrenOnly);
    }
};

TEST_F(DialogsTest, AboutOpensOnceAndItsPictureClosesIt) {
    trigger("about");
    trigger("about");
    ASSERT_EQ(windowsNamed("frmAbout").size(), 1);
    auto* about = qobject_cast<app::frmAbout*>(windowsNamed("frmAbout").front());
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "About Tessaro ");
    EXPECT_EQ(about->findChild<QLabel*>("Label1")->text(), "Tessaro v: 1.4.0"); // as --version says
    EXPECT_THAT(about->findChild<QLabel*>("Label4")->text().toStdString(),
                HasSubstr("href=\"https://tessaro.example.org\""));
    EXPECT_THAT(about->findChild<QLabel*>("Label5")->text().toStdString(),
                HasSubstr("href=\"mailto:support@tessaro.example.org\""));

    QTest::mouseClick(about->findChild<QLabel*>("Image1"), Qt::LeftButton);
    deleteClosedWindows();
    EXPECT_TRUE(windowsNamed("frmAbout").isEmpty());
    trigger("about");
    EXPECT_EQ(windowsNamed("frmAbout").size(), 1); // loaded again
}

TEST_F(DialogsTest, HelpShowsTheBuiltInPageAndIsNotReloadedWhenAskedAgain) {
    trigger("help");
    ASSERT_EQ(windowsNamed("Helpfrm").size(), 1);
    auto* help = qobject_cast<app::Helpfrm*>(windowsNamed("Helpfrm").front());
    EXPECT_EQ(help->windowTitle(), "Tessaro Help");
    EXPECT_FALSE(help->isModal());
    auto* browser = help->findChild<QTextBrowser*>("WebBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), app::Helpfrm::helpPage(window->startupDirectory()));
    EXPECT_THAT(browser->toPlainText().toStdString(), HasSubstr("Detecting the printer"));

    QUrl atPorts = browser->source();
    atPorts.setFragment(QStringLiteral("ports"));
    browser->setSource(atPorts);
    trigger("help");
    EXPECT_EQ(windowsNamed("Helpfrm").size(), 1);
    EXPECT_EQ(browser->source().fragment(), "ports");
}

// About is as large as its texts need, at the default font and at one half as large again,
// where it grew; Help grows with the font (as far as the screen lets it) and can be resized.
TEST_F(DialogsTest, AboutAndHelpFollowTheFont) {
    trigger("about");
    trigger("help");
    auto* about = windowsNamed("frmAbout").front();
    auto* help = windowsNamed("Helpfrm").front();
    QApplication::processEvents();
    expectTextsFit(about);
    const QSize aboutDefault = about->size();
    const QSize helpDefault = help->size();
    const QSize screen = help->screen()->availableGeometry().size();
    EXPECT_LT(help->minimumWidth(), help->maximumWidth());
    EXPECT_LT(help->minimumHeight(), help->maximumHeight());
    {
        const LargerFont larger(1.5);
        QApplication::processEvents();
        SCOPED_TRACE("at 1.5 times the font");
        expectTextsFit(about);
        EXPECT_GT(about->width(), aboutDefault.width());
        EXPECT_GT(about->height(), aboutDefault.height());
        EXPECT_EQ(about->minimumSize(), about->maximumSize()) << "not resizable";
        EXPECT_GT(help->height(), helpDefault.height());
        EXPECT_LE(help->height(), screen.height());
    }
    const QSize other = help->size() - QSize(100, 100);
    help->resize(other);
    EXPECT_EQ(help->size(), other);
}

TEST(HelpPageTest, PageOfTheStartUpDirectoryComesBeforeTheBuiltInOne) {
    TempDir dir;
    EXPECT_EQ(app::Helpfrm::helpPage(app::fromPath(dir.path())), QUrl("qrc:/Help/help.html"));
    std::filesystem::create_directory(dir / "Help");
    dir.write("Help/help.html", "<p>Local notes</p>");
    const QUrl local = app::Helpfrm::helpPage(app::fromPath(dir.path()));
    EXPECT_EQ(local, QUrl::fromLocalFile(app::fromPath(dir / "Help" / "help.html")));
    app::Helpfrm help(app::fromPath(dir.path()));
    EXPECT_THAT(help.findChild<QTextBrowser*>()->toPlainText().toStdString(),
                HasSubstr("Local notes"));
}

// The splash screen shows the revision, then opens the main window as main() does with a
// FILE: prepared before it is shown, shown, then the file loaded as the Load menu loads it.
TEST(SplashTest, ShowsTheRevisionThenOpensTheStartedMainWindowAndLoadsTheFile) {
    TempDir dir;
    dir.write("shop.pcf", "[Setup and hardware control]\r\nSliderPFSspeed=999\r\n"
                          "SliderMaxcurrent=7\r\n");
    DialogScript script;
    bool preparedBeforeShown = false;
    app::SplashScreen splash([&](app::Form1& main) {
        preparedBeforeShown = !main.isVisible();
        main.feedback().setDialogRunner(script.runner());
        main.openOnStartUp(app::fromPath(dir / "shop.pcf"));
    });
    auto* rev = splash.findChild<QLabel*>("Rev");
    ASSERT_NE(rev, nullptr);
    EXPECT_EQ(rev->text(), "Rev: 1.4");
    auto* timer = splash.findChild<QTimer*>("Timer");
    ASSERT_NE(timer, nullptr);

    splash.show();
    EXPECT_TRUE(timer->isActive());
    splash.Timer_Timer();
    QPointer<app::Form1> main = splash.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(preparedBeforeShown);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "Tessaro - default");
    EXPECT_FALSE(splash.isVisible());
    QCoreApplication::processEvents(); // the load queued by the window's first showing
    EXPECT_EQ(main->windowTitle(), "Tessaro - shop");
    EXPECT_EQ(main->findChild<QSlider*>(QStringLiteral("SliderMaxcurrent"))->value(), 7);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("SliderPFSspeed=999"));

    main->close(); // nothing changed since the load: no question; the window deletes itself
    deleteClosedWindows();
    EXPECT_TRUE(main.isNull());
}

TEST(HelpPageTest, BuiltInCopyCoversTheTopics) {
    QFile page(QStringLiteral(":/Help/help.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    for (const char* topic : {"dialout", "TESSARO_COM1", "Autodetect", "1/8 mm", ".pcf",
                              "tessaro-printer-sim", "Recover Factory Settings"}) {
        EXPECT_TRUE(html.contains(topic)) << topic;
    }
}

} // namespace
} // namespace tessaro::test
