#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the pseudo-translation (en_XA) of the window's texts.

    pseudo_translate.py IN.ts OUT.ts

IN.ts is what lupdate finds in the sources; OUT.ts holds every text accented, about 40 %
longer and framed by "⟦" and "⟧", so a window started with LANGUAGE=en_XA shows at a
glance which texts are not translated (they have no frame) and which labels are too narrow
for a longer language. Placeholders (%1, %L2, %n), HTML tags, entities and the "&" of a
shortcut key are kept as they are.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "aceinouyACEINOUY",
    "áçéîñöüýÁÇÉÎÑÖÜÝ",
)
# What must reach the window unchanged: placeholders, HTML tags and entities, "&&" and the
# letter after a shortcut "&".
KEPT = re.compile(r"%L?\d+|%n|%Ln|<[^>]*>|&[A-Za-z]+;|&#\d+;|&&|&.", re.DOTALL)
OPEN, CLOSE, FILL = "⟦", "⟧", "·"


def accented(text):
    out, visible, last = [], 0, 0
    for match in KEPT.finditer(text):
        plain = text[last:match.start()]
        out.append(plain.translate(ACCENTED))
        visible += len(plain)
        out.append(match.group(0))
        last = match.end()
    plain = text[last:]
    out.append(plain.translate(ACCENTED))
    visible += len(plain)
    return "".join(out), visible


def pseudo(text):
    if not text.strip():
        return text
    # Rich text must still start with its tag, or Qt shows it as plain text: the frame goes
    # inside the leading and trailing tags.
    lead = re.match(r"^(\s*(?:<[^>]*>\s*)*)", text).group(1)
    trail = re.search(r"((?:\s*<[^>]*>)*\s*)$", text[len(lead):]).group(1)
    body = text[len(lead):len(text) - len(trail)]
    if not body:
        return text
    shown, visible = accented(body)
    padding = FILL * max(1, (visible * 4 + 9) // 10)
    return lead + OPEN + shown + padding + CLOSE + trail


def text_of(element):
    """The text of a <source>: lupdate writes a control character as <byte value="xd"/>."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value")  # "xd" in hex, "13" in decimal
            parts.append(chr(int(value[1:], 16) if value.startswith("x") else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def set_text(element, text):
    """Writes text into element, a control character (other than a line feed or tab) as
    <byte>, which an XML reader would otherwise change or refuse."""
    element.text = None
    for child in list(element):
        element.remove(child)
    last = None
    for piece in re.split(r"([\x00-\x08\x0b-\x1f])", text):
        if len(piece) == 1 and ord(piece) < 0x20 and piece not in "\n\t":
            last = ET.SubElement(element, "byte", value="x%x" % ord(piece))
            last.tail = ""
        elif last is None:
            element.text = (element.text or "") + piece
        else:
            last.tail += piece


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: pseudo_translate.py IN.ts OUT.ts\n")
        return 2
    tree = ET.parse(argv[1])
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        source = text_of(message.find("source"))
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.clear()
        set_text(translation, "")
        if message.get("numerus") == "yes":
            for _ in range(2):  # English has a singular and a plural form
                set_text(ET.SubElement(translation, "numerusform"), pseudo(source))
        else:
            set_text(translation, pseudo(source))
    with open(argv[2], "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
