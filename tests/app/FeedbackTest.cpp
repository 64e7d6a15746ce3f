// SPDX-License-Identifier: GPL-3.0-or-later
// The user feedback of the window: message boxes, status panels, busy pointer.

#include "WindowFixture.h"
#include "app/StatusPanelBar.h"

#include <QGuiApplication>
#include <QPushButton>

namespace tessaro::test {
namespace {

using link::MessageIcon;
using message::Message;

std::vector<Message> shownPanels(std::initializer_list<const char*> texts) {
    std::vector<Message> panels;
    for (const char* text : texts) {
        panels.push_back(Message::shown(text));
    }
    return panels;
}

class FeedbackTest : public WindowFixture {
  protected:
    app::QtUserFeedback& feedback() { return window->feedback(); }
};

TEST_F(FeedbackTest, MessagesShowTheirIconTitleAndLines) {
    feedback().say(MessageIcon::Information, Message::shown("one\r\ntwo\rthree"));
    feedback().sayTitled(MessageIcon::Critical, Message::shown("c"), Message::shown("Port"));
    feedback().say(MessageIcon::Exclamation, Message::shown("e"));
    feedback().say(MessageIcon::Question, Message::shown("q"));
    ASSERT_EQ(script.boxes.size(), 4u);
    EXPECT_EQ(script.boxes[0].text, "one\ntwo\nthree");
    EXPECT_EQ(script.boxes[0].title, "Tessaro");
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(script.boxes[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(script.boxes[1].title, "Port");
    EXPECT_EQ(script.boxes[1].icon, QMessageBox::Critical);
    EXPECT_EQ(script.boxes[2].icon, QMessageBox::Warning);
    EXPECT_EQ(script.boxes[3].icon, QMessageBox::Question);
}

TEST_F(FeedbackTest, StatusPanelsAreReplacedAndWrittenTo) {
    feedback().showStatusPanels(shownPanels({"COM1", "9600", "Printer"}));
    EXPECT_EQ(window->statusPanels()->panelTexts(), (QStringList{"COM1", "9600", "Printer"}));
    feedback().showPanelText(1, Message::shown("19200"));
    feedback().showPanelText(3, Message::shown("Sending 4/9")); // a panel of its own
    feedback().showPanelText(-1, Message::shown("ignored"));
    EXPECT_EQ(window->statusPanels()->panelTexts(),
              (QStringList{"COM1", "19200", "Printer", "Sending 4/9"}));
    feedback().showStatusPanels(shownPanels({"NO Port"}));
    EXPECT_EQ(window->statusPanels()->panelCount(), 1);
}

// A printer's identity cannot make the window's text read otherwise than it goes: the
// bidirectional overrides and the line separators are shown escaped, as the terminal shows them.
TEST_F(FeedbackTest, PrinterTextIsShownEscaped) {
    feedback().showStatusPanels(
        shownPanels({"COM1", "9600", "R62\xe2\x80\xaegpj.exe\xe2\x80\xa8\x1b[2J"}));
    EXPECT_EQ(window->statusPanels()->panelTexts().value(2), "R62\\u202egpj.exe\\u2028\\x1b[2J");
    feedback().say(MessageIcon::Information, Message::shown("\xe2\x81\xa6R62\xe2\x81\xa9 found"));
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].text, "\\u2066R62\\u2069 found");
}

TEST_F(FeedbackTest, BusyPointerIsSetAndRestoredOnceAndNotLeftByAClosedWindow) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    feedback().setBusy(true);
    feedback().setBusy(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    feedback().setBusy(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // A window closed while busy leaves no busy pointer behind.
    feedback().setBusy(true);
    window.reset();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    window = std::make_unique<app::Form1>(); // for the fixture's tear-down
}

} // namespace
} // namespace tessaro::test
