// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TerminalCodes.h"

#include <cstdlib>
#include <string_view>
#include <unistd.h>

namespace tessaro::cli {

bool takesCursorCodes(int fd) {
    const char* term = std::getenv("TERM");
    return ::isatty(fd) != 0 && term != nullptr && *term != '\0' &&
           std::string_view(term) != "dumb";
}

} // namespace tessaro::cli
