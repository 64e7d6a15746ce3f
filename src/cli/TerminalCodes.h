// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether output may rewrite its lines with cursor codes ("\r\x1b[K", "\x1b[2A"): only on a
// terminal that takes them. A terminal whose TERM is "dumb" or not set (an editor's shell
// buffer, a serial console, a logger on a pseudo-terminal) shows the codes as garbage: there,
// as on a file or a pipe, the progress and the states are plain lines.

namespace tessaro::cli {

bool takesCursorCodes(int fd);

} // namespace tessaro::cli
