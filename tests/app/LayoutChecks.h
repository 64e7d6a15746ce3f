// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the layout tests check of any window: every text of a visible widget has its room,
// and every widget lies within its parent; and a larger application font for a while.

#include "app/PictureButton.h"
#include "app/TabButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextDocumentFragment>
#include <algorithm>
#include <gtest/gtest.h>

namespace tessaro::test {

// The application's font, larger by the factor while this lives.
class LargerFont {
  public:
    explicit LargerFont(double factor) : saved_(QApplication::font()) {
        QFont font = saved_;
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * factor);
        } else {
            font.setPixelSize(qRound(font.pixelSize() * factor));
        }
        QApplication::setFont(font);
    }
    ~LargerFont() { QApplication::setFont(saved_); }
    LargerFont(const LargerFont&) = delete;
    LargerFont& operator=(const LargerFont&) = delete;

  private:
    QFont saved_;
};

inline int textWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// The text a label shows: a link's words, not its markup.
inline QString shownText(const QLabel* label) {
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    return rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
}

inline QRect groupBoxCaption(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

inline QRect comboBoxField(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                          QStyle::SC_ComboBoxEditField, combo);
}

// Every text of a visible widget under root has its room, and the widget lies within its
// parent: a label's or frame's caption, a list's longest entry, the caption of an option,
// a check box, a tab or a button.
inline void expectTextsFit(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root)) {
            continue;
        }
        const std::string name = widget->objectName().toStdString();
        const int lineHeight = widget->fontMetrics().height();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
            } else {
                EXPECT_LE(textWidth(label, shownText(label)) + std::max(0, label->indent()),
                          room.width())
                    << name;
                EXPECT_LE(lineHeight, room.height()) << name;
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            const QRect caption = groupBoxCaption(box);
            const int advance = box->fontMetrics().horizontalAdvance(box->title());
            EXPECT_LE(caption.left() + advance, box->width()) << name;
            EXPECT_TRUE(box->rect().contains(caption))
                << name << ": " << box->title().toStdString();
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            int longest = 0;
            for (int i = 0; i < combo->count(); ++i) {
                longest = std::max(
                    longest,
                    combo->fontMetrics().size(Qt::TextSingleLine, combo->itemText(i)).width());
            }
            const QRect field = comboBoxField(combo);
            EXPECT_LE(longest + 2, field.width()) << name;
            EXPECT_LE(lineHeight, field.height()) << name;
        } else if (auto* tab = qobject_cast<app::TabButton*>(widget)) {
            EXPECT_LE(textWidth(tab, tab->text()) + 8, tab->width()) << tab->text().toStdString();
            EXPECT_GE(tab->height(), tab->sizeHint().height()) << tab->text().toStdString();
        } else if (auto* picture = qobject_cast<app::PictureButton*>(widget)) {
            EXPECT_TRUE(picture->captionFits(picture->arrangement())) << name;
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << name;
            EXPECT_GE(button->height(), lineHeight) << name;
        } else {
            continue;
        }
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << name << " sticks out of its parent";
    }
}

} // namespace tessaro::test
