// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The English wording of a message: its text with each %n replaced by its part, a number in
// the program's own form, a system error as the C library says it, a framed message worded
// the same way. The command line, the JSON output, the audit log and the English window all
// say it so.

#include "message/Message.h"

#include <string>

namespace tessaro::message {

std::string english(const Message& message);

} // namespace tessaro::message
