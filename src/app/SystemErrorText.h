// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system error (errno) and a name lookup's error (getaddrinfo's code) in the user's language:
// the C library's English text, translated by the program's own table of the errors a printer
// link or a profile file meets (context "SystemError"); any other as the C library words it in
// the language when its locale is installed, in English otherwise.

#include <QString>

namespace tessaro::app {

QString systemErrorText(int error);
QString resolverErrorText(int code);

} // namespace tessaro::app
