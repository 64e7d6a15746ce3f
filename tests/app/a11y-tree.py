#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running tessaro's main window as a screen reader does, over AT-SPI, and checks
that every control can be reached and operated: four page tabs whose press action shows
their page, every slider named by its caption, every list labelled by what it sets.
Prints the parts of the tree it read. Exit status: 0 passed, 1 failed, 77 no AT-SPI."""

import sys

from a11y_common import bus_reachable, check, pyatspi, results, states, wait_for, walk

TABS = [
    "Setup and hardware control",
    "Text and general commands",
    "Barcode commands",
    "Hole/Black mark detection commands",
]
# A control that shows only on each tab's page, by role and name.
ON_PAGE = [
    ("slider", "Dynamic Division"),
    ("slider", "Max Characters/Line"),
    ("slider", "Barcode Height"),
    ("check box", "Continuous paper Feed Mode"),
]
LIST_LABELS = {
    "Serial speed", "Handshake", "IR mode", "International Character Set:",
    "Default Internal Font:", "Text orientation:", "Text Justification:",
    "Barcode Text Position:", "Barcode Orientation:",
}

def labels(acc):
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def describe(acc, depth=0):
    flags = [name for name, state in (("selected", pyatspi.STATE_SELECTED),
                                       ("showing", pyatspi.STATE_SHOWING),
                                       ("focusable", pyatspi.STATE_FOCUSABLE))
             if states(acc).contains(state)]
    try:
        action = acc.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        actions = []
    label = labels(acc)
    print("  " * depth + f"[{acc.getRoleName()}] {acc.name!r}"
          + (f" labelled-by={label}" if label else "")
          + (f" description={acc.description!r}" if acc.description else "")
          + (f" {','.join(flags)}" if flags else "") + (f" actions={actions}" if actions else ""))


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name.startswith("Tessaro - "):
                return window
    return None


def main():
    if not bus_reachable():
        print("the AT-SPI bus cannot be reached", file=sys.stderr)
        return 77
    window = wait_for(find_window, "the main window appears on the accessibility bus")
    if window is None:
        return 1
    tree = list(walk(window))

    tab_lists = [a for a in tree if a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]
    if not check(len(tab_lists) == 1, "one page tab list"):
        return 1
    tabs = [tab_lists[0].getChildAtIndex(i) for i in range(tab_lists[0].childCount)]
    describe(tab_lists[0])
    for tab in tabs:
        describe(tab, 1)
    check([t.getRole() for t in tabs] == [pyatspi.ROLE_PAGE_TAB] * 4, "four page tabs")
    check([t.name for t in tabs] == TABS, "the tabs by their captions")

    def shown(page):
        role, name = ON_PAGE[page]
        return any(a.getRoleName() == role and a.name.startswith(name)
                   and states(a).contains(pyatspi.STATE_SHOWING) for a in walk(window))

    for page in (2, 3, 1, 0):
        action = tabs[page].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if not check("Press" in names, f"tab {page} has a press action"):
            continue
        action.doAction(names.index("Press"))
        wait_for(lambda: [states(t).contains(pyatspi.STATE_SELECTED) for t in tabs]
                 == [i == page for i in range(4)], f"pressing tab {page} selects it alone")
        wait_for(lambda: shown(page), f"pressing tab {page} shows its page")

    tree = list(walk(window))
    sliders = [a for a in tree if a.getRole() == pyatspi.ROLE_SLIDER]
    check(len(sliders) == 20, f"20 sliders, found {len(sliders)}")
    for slider in sliders:
        caption = slider.parent.name
        check(slider.name == caption and caption != "",
              f"slider {slider.name!r} is named by its caption {caption!r}")
    lists = [a for a in tree if a.getRole() == pyatspi.ROLE_COMBO_BOX]
    check(len(lists) == len(LIST_LABELS), f"{len(LIST_LABELS)} lists, found {len(lists)}")
    seen = set()
    for combo in lists:
        label = (labels(combo) or [""])[0]
        seen.add(label)
        check(label in LIST_LABELS, f"list {combo.name!r} is labelled by what it sets: {label!r}")
    check(seen == LIST_LABELS, "every list has its own label")

    print("a slider and two lists as read:")
    for acc in (sliders[0], lists[0], lists[-1]):
        describe(acc, 1)
    print(f"{results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] else 0


if __name__ == "__main__":
    sys.exit(main())
