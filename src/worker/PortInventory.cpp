// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/PortInventory.h"

namespace tessaro::worker {

PortInventory takeInventory(WorkerLink& worker) {
    worker.printerLink().refreshPorts(); // an adapter plugged in since the last time shows
    link::SubCom& link = worker.link();
    PortInventory inventory{link.ports(), {}, {}};
    if (const auto& network = link.lastOpened(link::LinkKind::Network)) {
        inventory.networkAddress = network->row().deviceText(link.ports(), *network);
    }
    for (const link::LinkKindDescriptor* kind : link::kLinkKinds) {
        for (int n = 1; n <= kind->count; ++n) {
            const auto port = link::PortRef::numbered(kind->kind, n);
            if (link.portExists(port)) {
                inventory.present.push_back(port);
            }
        }
    }
    return inventory;
}

} // namespace tessaro::worker
