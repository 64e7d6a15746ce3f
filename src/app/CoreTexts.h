// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages of the printer side (detection, sending, ports) in the user's language. The
// printer side speaks English, as the command line does; the window recognises each of its
// sentences by a pattern whose "%1", "%2"... stand for the parts it fills in (a port, a
// speed, a printer's name, a reason), translates the whole sentence and fills in the same
// parts, themselves translated when they are sentences of their own. A text no pattern
// matches is shown as it is.

#include <QString>
#include <string_view>

namespace tessaro::app {

// text: as the printer side wrote it (UTF-8, lines ended by CR LF or CR); the result is
// escaped as displayText escapes it.
QString coreText(std::string_view text);

} // namespace tessaro::app
