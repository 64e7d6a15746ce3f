// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Another font or style changes what every widget needs: what the widgets and layouts of a
// window remember of their sizes is forgotten before the window is fitted again.

class QEvent;
class QWidget;

namespace tessaro::app {

// Whether the event changes what the widgets need: a change of font or style.
bool changesSizes(const QEvent& event);
void forgetSizes(QWidget& window);

} // namespace tessaro::app
