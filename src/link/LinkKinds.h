// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of link a printer can be on, one descriptor each (link/kinds/): how a port of
// the kind is spelled and parsed, how it is named for people and for the JSON output, which
// ports of it this machine has, whether and in which order the automatic search takes it,
// whether it has line settings and what its ports are driven through. Everything that names,
// finds or opens a port asks its kind's descriptor.

#include "link/LinkKindDescriptor.h"
#include "link/kinds/NetworkKind.h"
#include "link/kinds/ParallelKind.h"
#include "link/kinds/SerialKind.h"
#include "link/kinds/SerialServerKind.h"
#include "link/kinds/UsbKind.h"

#include <array>
#include <cstddef>

namespace tessaro::link {

inline constexpr SerialKind kSerialKind;
inline constexpr ParallelKind kParallelKind;
inline constexpr UsbKind kUsbKind;
inline constexpr NetworkKind kNetworkKind;
inline constexpr SerialServerKind kSerialServerKind;

// In the order of LinkKind; a refusal lists the numbered ports in this order.
inline constexpr std::array<const LinkKindDescriptor*, 5> kLinkKinds{
    &kSerialKind, &kParallelKind, &kUsbKind, &kNetworkKind, &kSerialServerKind};

constexpr bool everyKindHasItsDescriptor() {
    for (std::size_t i = 0; i < kLinkKinds.size(); ++i) {
        if (static_cast<std::size_t>(kLinkKinds[i]->kind) != i) {
            return false;
        }
    }
    return kLinkKinds.size() == kLinkKindCount;
}
static_assert(everyKindHasItsDescriptor(),
              "kLinkKinds needs one descriptor per LinkKind, in order");

constexpr std::size_t rowIndex(LinkKind kind) {
    return static_cast<std::size_t>(kind);
}

constexpr const LinkKindDescriptor& linkKind(LinkKind kind) {
    return *kLinkKinds[rowIndex(kind)];
}

inline constexpr int kComPorts = kSerialKind.count;
inline constexpr int kLptPorts = kParallelKind.count;
inline constexpr int kUsbPorts = kUsbKind.count;

} // namespace tessaro::link
