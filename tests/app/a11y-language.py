#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the real tessaro under LANGUAGE=de, fr, es, pt_BR and zh_CN (and under plain
English) and reads its window as a screen reader does, over AT-SPI: the File menu and the
heading of the list of modified parameters are in that language. Exit status: 0 passed,
1 failed, 77 no AT-SPI."""

import os
import subprocess
import sys
import tempfile

from a11y_common import bus_reachable, check, find, pyatspi, results, top_window, wait_for

# The File menu and the list's heading as each language names them (its Alt key mark
# removed, as Qt gives the name to a reader).
EXPECTED = {
    "": ("File", "List of modified parameters:"),
    "de": ("Datei", "Liste geänderter Parameter:"),
    "fr": ("Fichier", "Liste des paramètres modifiés :"),
    "es": ("Archivo", "Lista de parámetros modificados:"),
    "pt_BR": ("Arquivo", "Lista de parâmetros alterados:"),
    "zh_CN": ("文件(F)", "已修改参数列表："),
}


def read_window(app, language, scratch):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=scratch,
               XDG_CONFIG_HOME=os.path.join(scratch, "config"), LANG="C.UTF-8",
               LANGUAGE=language)
    env.pop("LC_ALL", None)
    env.pop("LC_MESSAGES", None)
    program = subprocess.Popen([app], env=env)
    menu, heading = EXPECTED[language]
    where = f"LANGUAGE={language!r}"
    try:
        window = wait_for(lambda: top_window("Tessaro - "), f"{where}: the main window appears")
        if window is None:
            return
        wait_for(lambda: find(window, pyatspi.ROLE_MENU_ITEM, menu), f"{where}: a menu {menu!r}")
        wait_for(lambda: find(window, pyatspi.ROLE_LABEL, heading), f"{where}: {heading!r}")
    finally:
        program.kill()
        program.wait()


def main():
    if not bus_reachable():
        print("the AT-SPI bus cannot be reached", file=sys.stderr)
        return 77
    app = os.environ["TESSARO_APP"]
    scratch = tempfile.mkdtemp(prefix="tessaro-a11y-language-")
    for language in EXPECTED:
        read_window(app, language, scratch)
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
