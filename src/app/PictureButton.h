// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button with a picture and a caption. The picture stands above the caption; when
// the caption does not fit below it at the current font, the picture goes to the left of a
// caption wrapped onto more lines. Its least size is what the caption needs beside the
// picture on two lines at most, so a layout never gives it less.

#include <QPushButton>

namespace tessaro::app {

class PictureButton final : public QPushButton {
    Q_OBJECT

  public:
    enum class Arrangement { Above, Beside };

    PictureButton(const QIcon& icon, const QString& caption, QWidget* parent);

    void setArrangement(Arrangement arrangement);
    Arrangement arrangement() const { return arrangement_; }
    // Whether the caption fits whole in the given arrangement at the current size and font.
    bool captionFits(Arrangement arrangement) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect captionRect(Arrangement arrangement, QSize size) const;
    QRect captionRect(Arrangement arrangement) const { return captionRect(arrangement, size()); }
    QPoint picturePosition() const;

    Arrangement arrangement_ = Arrangement::Above;
};

} // namespace tessaro::app
