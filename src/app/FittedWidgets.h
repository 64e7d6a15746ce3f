// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Group boxes, lists and option buttons whose least size is what their text needs at the
// current font and style, and no more. Qt's own least sizes carry some padding, which the
// designed window at the default font does not have room for; with these the window grows
// only when the text itself asks for it.

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace tessaro::app {

// Its caption fits whole: also each of the other captions it may be given later.
class FittedGroupBox final : public QGroupBox {
    Q_OBJECT

  public:
    FittedGroupBox(const QString& title, QStringList otherCaptions, QWidget* parent);

    // Qt's, padding and all, so a layout with room to spare places it as Qt would.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  private:
    int captionWidth(const QString& caption) const;

    QStringList otherCaptions_;
};

// Its longest entry fits whole.
class FittedComboBox final : public QComboBox {
    Q_OBJECT

  public:
    using QComboBox::QComboBox;

    QSize minimumSizeHint() const override;
};

// Its caption and indicator fit; it may be as low as they are.
class FittedRadioButton final : public QRadioButton {
    Q_OBJECT

  public:
    FittedRadioButton(const QString& text, QWidget* parent);

    QSize minimumSizeHint() const override;
};

} // namespace tessaro::app
