#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every translation is complete and matches the sources.

    check_translations.py FOUND.ts LANG.ts...

FOUND.ts is what lupdate finds in the sources now (the build makes it for the
pseudo-translation). Each LANG.ts must hold every text found there, and no other; each text
translated (not unfinished, not empty) with the same placeholders (%1, %L1, %n), the same
number of Alt key marks ("&" before a letter) and the same line breaks as its source.
Prints one line per fault and exits 1 when there is any.
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")
SHORTCUT = re.compile(r"&(?!&)(?=\S)")


def text_of(element):
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value")
            parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            found[(name, source)] = message.find("translation")
    return found


def line_breaks(text):
    """CR LF, CR and LF each end a line: the window shows them alike."""
    return len(re.findall(r"\r\n|\r|\n", text))


def shortcuts(text):
    return len(SHORTCUT.findall(text.replace("&&", "")))


def faults(path, wanted):
    have = messages(path)
    for key in sorted(set(wanted) - set(have)):
        yield "%s: missing: %s: %r" % (path, key[0], key[1])
    for key in sorted(set(have) - set(wanted)):
        yield "%s: no longer in the sources: %s: %r" % (path, key[0], key[1])
    for (context, source), translation in sorted(have.items()):
        if (context, source) not in wanted:
            continue
        where = "%s: %s: %r" % (path, context, source)
        text = text_of(translation)
        if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                               "obsolete"):
            yield where + ": unfinished"
            continue
        if source.strip() and not text.strip():
            yield where + ": empty translation"
            continue
        if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
            yield where + ": placeholders differ: %r" % text
        if shortcuts(source) != shortcuts(text):
            yield where + ": Alt key marks differ: %r" % text
        if line_breaks(source) != line_breaks(text):
            yield where + ": line breaks differ: %r" % text


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    wanted = messages(argv[1])
    problems = [line for path in argv[2:] for line in faults(path, wanted)]
    for line in problems:
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
