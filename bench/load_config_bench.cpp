// SPDX-License-Identifier: GPL-3.0-or-later
// Loads a 10 MB file of garbage and a normal profile into a workspace and prints the time
// each load takes and the peak memory of a process that does nothing else.
// Target: the garbage file in under 0.5 s and 64 MB peak.

#include "workspace/ConfigFile.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace tessaro::workspace;

void writeGarbage(const fs::path& path, std::size_t size) {
    std::mt19937 random(12345);
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>(random() & 0xFF);
        if (i % 5000 == 0) {
            data.replace(i, 0, "\n[Setup and hardware control]\nSliderMaxcurrent=");
        }
    }
    data.resize(size);
    std::ofstream(path, std::ios::binary) << data;
}

void writeNormal(const fs::path& path) {
    Workspace ws;
    ws.startUp();
    for (ControlId id = 0; id < controls().size(); ++id) {
        const ControlSpec& def = control(id);
        if (def.kind == ControlKind::Slider) {
            ws.setSlider(id, def.max, ChangeSource::User);
        } else if (def.kind == ControlKind::List) {
            ws.selectListEntry(id, def.min);
        }
    }
    ws.setContinuousPaper(false);
    Save_ConfigToFile(ws, path);
}

// Loads the file `rounds` times in a child process; prints the mean time and the child's peak.
void measure(const char* name, const fs::path& path, int rounds) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        Workspace ws;
        ws.startUp();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            LoadConfig(ws, path);
        }
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%-28s %10.3f ms per load %8.1f MB peak (%ju bytes, %d loads)\n", name,
                    elapsed.count() / rounds, static_cast<double>(usage.ru_maxrss) / 1024.0,
                    static_cast<std::uintmax_t>(fs::file_size(path)), rounds);
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

} // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / ("tessaro-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path garbage = dir / "garbage.pcf";
    const fs::path normal = dir / "normal.pcf";
    writeGarbage(garbage, 10u * 1024u * 1024u);
    writeNormal(normal);
    std::printf("LoadConfig (target: garbage under 500 ms and 64 MB peak)\n");
    measure("10 MB of garbage", garbage, 5);
    measure("normal profile", normal, 1000);
    fs::remove_all(dir);
    return 0;
}
