// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a failure says in English, "" for none: the text the command line shows for it.

#include "message/English.h"
#include "message/Message.h"

#include <string>

namespace tessaro::test {

inline std::string said(const message::Failure& failure) {
    return failure ? message::english(*failure) : std::string();
}

} // namespace tessaro::test
