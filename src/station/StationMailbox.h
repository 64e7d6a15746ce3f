// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events a station's workers post to the station's thread, in the order posted, and
// the workers that are through (a flag each, raised last): the one mailbox (worker/Mailbox.h)
// of station events. The station's thread waits on its descriptor and on the interruptions at
// once (poll(2)), or a window watches it with a notifier.

#include "station/StationEvent.h"
#include "worker/Mailbox.h"

namespace tessaro::station {

using StationMailbox = worker::Mailbox<StationEvent>;
using StationMail = StationMailbox::Mail;

} // namespace tessaro::station
