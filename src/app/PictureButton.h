// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button with a picture and a caption. The picture stands above the caption; when
// the caption does not fit below it at the current font, the picture goes to the left of a
// caption wrapped onto more lines.

#include <QPushButton>

namespace tessaro::app {

class PictureButton final : public QPushButton {
    Q_OBJECT

  public:
    enum class Arrangement { Above, Beside };

    PictureButton(const QIcon& icon, const QString& caption, QWidget* parent);

    void setArrangement(Arrangement arrangement);
    Arrangement arrangement() const { return arrangement_; }
    // Whether the caption fits below the picture at the current size and font.
    bool captionFitsBelowPicture() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect captionRect(Arrangement arrangement) const;
    QPoint picturePosition() const;

    Arrangement arrangement_ = Arrangement::Above;
};

} // namespace tessaro::app
