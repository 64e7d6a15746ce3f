#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs tessaro's production station on two virtual printers, one of them silent, and reads
it as a screen reader does, over AT-SPI: the station opens from its menu entry, Start is a
button to press, each port is a group named by the port, and each change of a port's state
reaches the reader as it happens. Exit status: 0 passed, 1 failed, 77 no AT-SPI."""

import os
import subprocess
import sys
import tempfile

from a11y_common import bus_reachable, check, find, pump, pyatspi, results, top_window, wait_for

PORTS = ["COM1", "COM2"]


def start_printer(sim, *options):
    """A virtual printer on a pseudo-terminal: the process and its device."""
    process = subprocess.Popen([sim, *options, "--time-limit", "60"], stdout=subprocess.PIPE,
                               text=True)
    first = process.stdout.readline()
    return process, first.split()[1] if first.startswith("PTY ") else ""


def press(acc):
    """Its press action, as a reader's user activates it (a menu entry's may be its first)."""
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if check(len(names) > 0, f"{acc.name!r} has an action"):
        action.doAction(names.index("Press") if "Press" in names else 0)


def main():
    if not bus_reachable():
        print("the AT-SPI bus cannot be reached", file=sys.stderr)
        return 77
    app, sim = os.environ["TESSARO_APP"], os.environ["TESSARO_SIM"]
    scratch = tempfile.mkdtemp(prefix="tessaro-a11y-station-")
    config = os.path.join(scratch, "config")
    os.makedirs(os.path.join(config, "Tessaro"))
    profile = os.path.join(scratch, "job.pcf")  # it sets something: Start asks nothing
    with open(profile, "w") as job:
        job.write("[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n")
    with open(os.path.join(config, "Tessaro", "Tessaro.conf"), "w") as conf:
        conf.write(f"[station]\nports={', '.join(PORTS)}\nrepeat=false\n"
                   f"log={scratch}/audit.jsonl\nprofile={profile}\n")
    printers = [start_printer(sim), start_printer(sim, "--silent")]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=config,
               HOME=scratch)
    for family, count in (("COM", 6), ("USB", 4), ("LPT", 2)):
        for n in range(1, count + 1):
            env[f"TESSARO_{family}{n}"] = ""
    for n, (_, device) in enumerate(printers, 1):
        env[f"TESSARO_COM{n}"] = device
    program = subprocess.Popen([app], env=env)
    heard = []

    # The value an event carries is the one the change made; the source's own property, read
    # when the event is handled, may already have moved on.
    def listen(event):
        value = event.any_data if isinstance(event.any_data, str) else None
        name = event.source.name
        description = event.source.description
        if value is not None and event.type.endswith("accessible-name"):
            name = value
        elif value is not None and event.type.endswith("accessible-description"):
            description = value
        heard.append((event.type, name, description))

    pyatspi.Registry.registerEventListener(
        listen, "object:property-change:accessible-name",
        "object:property-change:accessible-description")
    try:
        main_window = wait_for(lambda: top_window("Tessaro - "), "the main window appears")
        if main_window is None:
            return 1
        entry = wait_for(lambda: find(main_window, pyatspi.ROLE_MENU_ITEM, "Production station..."),
                         "the menu has Production station...")
        if entry is None:
            return 1
        press(entry)
        station = wait_for(lambda: top_window("Production station"), "the station window opens")
        if station is None:
            return 1
        start = find(station, pyatspi.ROLE_PUSH_BUTTON, "Start")
        if not check(start is not None, "the station has a Start button"):
            return 1
        press(start)
        def groups():
            found = [find(station, pyatspi.ROLE_PANEL, p) for p in PORTS]
            return found if all(t is not None for t in found) else None

        tiles = wait_for(groups, "a group named by each port")
        check(len(tiles or []) == len(PORTS), f"{len(PORTS)} port groups, found {len(tiles or [])}")
        ended = wait_for(lambda: all(t.description.startswith(("Stored", "Failed"))
                                     for t in tiles or []),
                         "each group's description says how its unit ended")
        pump(0.5)
        for tile in tiles or []:
            print(f"[{tile.getRoleName()}] {tile.name!r} description={tile.description!r}")
        if ended:
            check(tiles[0].description.startswith("Stored: "), "COM1 stored")
            check(tiles[1].description.startswith("Failed (no_answer): "),
                  "COM2 failed with the command line's word")
        # The state line is named by its text: each change of it is told.
        named = [name for kind, name, _ in heard if kind.endswith("accessible-name") and name]
        # A busy machine may coalesce quick changes; at least one speed tried must be told.
        check(any(text.startswith("Detecting the printer: [") for text in named),
              "the reader is told which speed a port tries")
        check(any(text.startswith("Sending: ") for text in named),
              "the reader is told which command a port sends")
        check(any(text.startswith("Stored: ") for text in named),
              "the reader is told when a port has stored the profile")
        check(any(text.startswith("Failed (no_answer): ") for text in named),
              "the reader is told when a port has failed, and why")
        # The group's description follows.
        described = [description for kind, _, description in heard
                     if kind.endswith("accessible-description") and description]
        check(any(text.startswith("Stored: ") for text in described),
              "the port's group is described by its new state")
    finally:
        pyatspi.Registry.deregisterEventListener(
            listen, "object:property-change:accessible-name",
            "object:property-change:accessible-description")
        program.kill()
        program.wait()
        for process, _ in printers:
            process.kill()
            process.wait()
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
