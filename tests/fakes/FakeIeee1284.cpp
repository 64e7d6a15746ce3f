// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for libieee1284, loaded before it (LD_PRELOAD) into the real programs, so that
// the parallel ports of a machine without any can be tried from outside:
//   FAKE_IEEE1284_PORTS       "/dev/parport0=0x378,/dev/parport1=0x278": the kernel's ports
//   FAKE_IEEE1284_OPEN_FAIL   devices whose opening fails (E1284_INIT)
//   FAKE_IEEE1284_CLAIM_FAIL  devices whose claim fails (E1284_SYS, EBUSY)
//   FAKE_IEEE1284_LOG         file that gets one line per open, claim and release
// The ports have no printer: the status register reads "not busy", with nAck going up and
// down at each read, so that a read cycle gets a zero byte at once.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ieee1284.h>
#include <string>

namespace {

std::string setting(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool listed(const char* name, const char* device) {
    const std::string list = "," + setting(name) + ",";
    return list.find("," + std::string(device) + ",") != std::string::npos;
}

void logLine(const char* what, const parport* port) {
    const std::string path = setting("FAKE_IEEE1284_LOG");
    if (path.empty()) {
        return;
    }
    if (FILE* file = std::fopen(path.c_str(), "a")) {
        std::fprintf(file, "%s %s\n", what, port->filename);
        std::fclose(file);
    }
}

} // namespace

extern "C" {

int ieee1284_find_ports(struct parport_list* list, int) {
    list->portc = 0;
    list->portv = nullptr;
    std::string ports = setting("FAKE_IEEE1284_PORTS");
    while (!ports.empty()) {
        const std::size_t comma = ports.find(',');
        const std::string entry = ports.substr(0, comma);
        ports = comma == std::string::npos ? "" : ports.substr(comma + 1);
        const std::size_t equals = entry.find('=');
        const std::string device = entry.substr(0, equals);
        auto* port = static_cast<parport*>(std::calloc(1, sizeof(parport)));
        port->filename = strdup(device.c_str());
        port->name = strdup(device.substr(device.rfind('/') + 1).c_str());
        port->base_addr =
            equals == std::string::npos ? 0 : std::strtoul(entry.c_str() + equals + 1, nullptr, 0);
        list->portv = static_cast<parport**>(std::realloc(
            list->portv, sizeof(parport*) * static_cast<std::size_t>(list->portc + 1)));
        list->portv[list->portc++] = port;
    }
    return E1284_OK;
}

void ieee1284_free_ports(struct parport_list* list) {
    for (int i = 0; i < list->portc; ++i) {
        std::free(const_cast<char*>(list->portv[i]->name));
        std::free(const_cast<char*>(list->portv[i]->filename));
        std::free(list->portv[i]);
    }
    std::free(list->portv);
    list->portv = nullptr;
    list->portc = 0;
}

int ieee1284_open(struct parport* port, int, int* capabilities) {
    logLine("open", port);
    if (capabilities) {
        *capabilities = 0;
    }
    return listed("FAKE_IEEE1284_OPEN_FAIL", port->filename) ? E1284_INIT : E1284_OK;
}

int ieee1284_close(struct parport*) {
    return E1284_OK;
}

int ieee1284_claim(struct parport* port) {
    logLine("claim", port);
    if (listed("FAKE_IEEE1284_CLAIM_FAIL", port->filename)) {
        errno = EBUSY;
        return E1284_SYS;
    }
    return E1284_OK;
}

void ieee1284_release(struct parport* port) {
    logLine("release", port);
}

int ieee1284_read_data(struct parport*) {
    return 0;
}

void ieee1284_write_data(struct parport*, unsigned char) {}

int ieee1284_data_dir(struct parport*, int) {
    return E1284_OK;
}

int ieee1284_read_status(struct parport*) {
    static unsigned reads = 0; // one program, one thread: the tests' own fake
    const int pcValue = (reads++ % 2 == 0) ? 0x80 : 0xC0;
    return pcValue ^ S1284_INVERTED; // the library speaks line levels
}

int ieee1284_read_control(struct parport*) {
    return 0;
}

void ieee1284_write_control(struct parport*, unsigned char) {}

} // extern "C"
