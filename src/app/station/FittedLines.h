// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list or text box as high as a number of its lines at its font, and no higher: the rest
// scrolls. Called again when the font changes.

#include <QAbstractScrollArea>

namespace tessaro::app {

inline void fitLines(QAbstractScrollArea& area, int lines) {
    // The text document's margin above and below, and the frame.
    constexpr int kDocumentMargin = 4;
    area.setFixedHeight(area.fontMetrics().lineSpacing() * lines + 2 * kDocumentMargin +
                        2 * area.frameWidth());
}

} // namespace tessaro::app
