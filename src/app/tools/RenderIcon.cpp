// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program icon as a PNG file, for installing with the desktop file.
// Usage: tessaro-render-icon OUT.png [SIZE]

#include "app/Icons.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [SIZE]\n", argv[0]);
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 128;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "%s: the size must be between 16 and 1024\n", argv[0]);
        return 2;
    }
    if (!tessaro::app::Icons::windowImage(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
