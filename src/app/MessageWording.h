// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message of the printer side in the user's language: its text translated (context
// "Message"), its parts filled in as they are (a port's name, a printer's identity), numbers
// in the language's form, system errors in the language (app/SystemErrorText.h), framed
// messages worded the same way.

#include "message/Message.h"

#include <QString>

namespace tessaro::app {

QString worded(const message::Message& said);

} // namespace tessaro::app
