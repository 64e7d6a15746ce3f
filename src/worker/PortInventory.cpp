// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/PortInventory.h"

namespace tessaro::worker {

PortInventory takeInventory(WorkerLink& worker) {
    worker.printerLink().refreshPorts(); // an adapter plugged in since the last time shows
    link::SubCom& link = worker.link();
    PortInventory inventory{link.ports(), {}, link.networkName()};
    for (const link::LinkKindRow& row : link::kLinkKinds) {
        for (int n = 1; n <= row.count; ++n) {
            const auto port = link::PortRef::numbered(row.kind, n);
            if (link.portExists(port)) {
                inventory.present.push_back(port);
            }
        }
    }
    return inventory;
}

} // namespace tessaro::worker
