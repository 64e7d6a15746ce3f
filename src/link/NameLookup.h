// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A name looked up without waiting past a deadline. The resolver runs on a thread of its
// own, which hands its answer over through state it shares with the caller and an event
// descriptor the caller polls beside the cancellation. A caller that stops waiting leaves
// the thread to finish on its own: it touches nothing but that shared state and its own
// share of the resolver. An address written as numbers needs no thread.

#include "link/EventWait.h"
#include "link/NameResolver.h"

#include <memory>
#include <string>

namespace tessaro::link {

class Cancellation;

// resolver must not be null. Ready with the resolver's answer in found; TimedOut or Stopped when
// the wait ended first; Failed, with the reason in found.error, when no lookup could be started.
EventWait lookUpName(const std::shared_ptr<const NameResolver>& resolver, const std::string& host,
                     int port, Deadline deadline, const Cancellation* stop, ResolvedName& found);

} // namespace tessaro::link
