// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the tabs of a TwoRowTabWidget reach assistive technology (a screen reader over
// AT-SPI): the tab rows are a page tab list and each tab a page tab, selected while its page
// shows, whose press action shows its page as a click does. Qt's own interface would make
// them check boxes.

namespace tessaro::app {

// Installs the interfaces above with Qt; only the first call does anything. Call it before
// any of those widgets is queried for its interface.
void installAccessibleInterfaces();

} // namespace tessaro::app
