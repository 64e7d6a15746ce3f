// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icons, drawn in code: the window icon and the pictures of the two printer
// command buttons.

#include <QIcon>
#include <QImage>

namespace tessaro::app {

class Icons {
  public:
    static constexpr int kButtonIconSize = 32;

    static QIcon window();
    // The window icon as an image of size x size, for the desktop files.
    static QImage windowImage(int size);
    // A printer with an arrow going into it: send the settings.
    static QIcon sendToPrinter();
    // A factory with a turning-back arrow: recover the factory settings.
    static QIcon factory();

  private:
    static QImage render(int size, void (*paint)(QPainter&, double));
    static void paintWindow(QPainter& painter, double size);
    static void paintSend(QPainter& painter, double size);
    static void paintFactory(QPainter& painter, double size);
};

} // namespace tessaro::app
