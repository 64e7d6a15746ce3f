// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Ieee1284Ports.h"

#include <ieee1284.h>
#include <string_view>

namespace tessaro::link {

std::vector<ParallelDevice> kernelParallelPorts() {
    std::vector<ParallelDevice> ports;
    parport_list list{};
    if (ieee1284_find_ports(&list, 0) != E1284_OK) {
        return ports;
    }
    for (int i = 0; i < list.portc; ++i) {
        const parport* port = list.portv[i];
        const std::string_view file = port->filename ? port->filename : "";
        if (file.starts_with("/dev/parport")) {
            ports.push_back({port->name ? port->name : "", std::string(file)});
        }
    }
    ieee1284_free_ports(&list);
    return ports;
}

} // namespace tessaro::link
