#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the udev rule that gives the user at the seat the USB printers and the USB-serial
adapters of thermal printers, and keeps ModemManager away from them.

Usage: check-udev-rule.py RULES
       check-udev-rule.py --udevadm RULES

Without --udevadm: reads RULES as udev does and refuses what udev would refuse or drop (an
unknown key, an attribute or operator the key does not take, a value without its quotes, a
missing comma, a GOTO without its LABEL further down, a rule that does nothing) and what
could never match (an unclosed bracket in a pattern, a USB id in capitals, which sysfs never
shows). Then it runs the rules on sample devices: the listed adapters and a USB printer get
the tag "uaccess" and ID_MM_DEVICE_IGNORE=1 and nothing else; modems, built-in and parallel
ports, other USB devices and removals get nothing. Before that it makes sure it refuses a
set of faulty rules itself.

With --udevadm: runs the same samples through "udevadm test", each in a private mount
namespace where /sys is a small tree of the sample's devices, RULES is the only rule file and
/run and /dev are empty, so that nothing of the machine is read or written. Where udevadm
has "verify" (systemd 253 and later), it checks RULES too. Exit 77 (skipped) without udevadm,
unshare or a private mount namespace (as root, or in a user namespace).

Prints one line per fault, naming the file and the line where there is one, and exits 1 when
there is any.
"""

import fnmatch
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
UDEVADM_TIMEOUT = 60  # seconds for one run of udevadm

MATCH = ("==", "!=")
OPERATORS = ("==", "!=", "+=", "-=", ":=", "=")
# Each key: whether it takes an {attribute} (None: never, "required", "optional"), the
# attributes it accepts when they are a fixed set (None: any), and its operators.
KEYS = {
    "ACTION": (None, None, MATCH),
    "DEVPATH": (None, None, MATCH),
    "KERNEL": (None, None, MATCH),
    "SUBSYSTEM": (None, None, MATCH),
    "DRIVER": (None, None, MATCH),
    "KERNELS": (None, None, MATCH),
    "SUBSYSTEMS": (None, None, MATCH),
    "DRIVERS": (None, None, MATCH),
    "TAGS": (None, None, MATCH),
    "RESULT": (None, None, MATCH),
    "PROGRAM": (None, None, MATCH),
    "ATTRS": ("required", None, MATCH),
    "CONST": ("required", ("arch", "virt"), MATCH),
    "TEST": ("optional", None, MATCH),
    "ATTR": ("required", None, MATCH + ("=",)),
    "SYSCTL": ("required", None, MATCH + ("=",)),
    "ENV": ("required", None, MATCH + ("=", "+=")),
    "TAG": (None, None, MATCH + ("=", "+=", "-=")),
    "NAME": (None, None, MATCH + ("=", ":=")),
    "SYMLINK": (None, None, OPERATORS),
    "IMPORT": ("required", ("file", "program", "builtin", "db", "cmdline", "parent"),
               MATCH + ("=", "+=", ":=")),
    "OPTIONS": (None, None, ("=", "+=", ":=")),
    "OWNER": (None, None, ("=", ":=")),
    "GROUP": (None, None, ("=", ":=")),
    "MODE": (None, None, ("=", ":=")),
    "SECLABEL": ("required", None, ("=", "+=")),
    "RUN": ("optional", ("program", "builtin"), ("=", "+=", ":=")),
    "GOTO": (None, None, ("=",)),
    "LABEL": (None, None, ("=",)),
}
# Properties udev sets itself: a rule cannot assign them.
READ_ONLY_PROPERTIES = {"ACTION", "CURRENT_TAGS", "DEVLINKS", "DEVNAME", "DEVPATH", "DEVTYPE",
                        "DRIVER", "IFINDEX", "MAJOR", "MINOR", "SEQNUM", "SUBSYSTEM", "TAGS",
                        "USEC_INITIALIZED"}
# Keys matched on the device or on one of its parents, all on the same one.
PARENT_KEYS = {"KERNELS", "SUBSYSTEMS", "DRIVERS", "ATTRS"}
USB_ID_ATTRIBUTES = {"idVendor", "idProduct"}


class Token:
    def __init__(self, key, attr, op, value):
        self.key, self.attr, self.op, self.value = key, attr, op, value

    def is_match(self):
        return self.op in MATCH


class Rule:
    def __init__(self, number, tokens):
        self.number = number
        self.tokens = tokens
        self.goto = next((t.value for t in tokens if t.key == "GOTO"), None)
        self.label = next((t.value for t in tokens if t.key == "LABEL"), None)


# ---- Reading the rules ---------------------------------------------------------------------

def logical_lines(text, path, faults):
    """Each rule's first line number and text, the lines a trailing backslash continues
    joined; comments and empty lines left out."""
    rules = []
    pending, first = None, 0
    lines = text.split("\n")
    if lines[-1] == "":  # the new line that ends the last line starts none
        lines.pop()
    for number, line in enumerate(lines, 1):
        if "\r" in line:
            faults.append(f"{path}:{number}: a carriage return (the file has DOS line ends)")
            line = line.replace("\r", "")
        stripped = line.strip(" \t")
        if pending is not None and (not stripped or stripped.startswith("#")):
            faults.append(f"{path}:{first}: the rule continued with a backslash ends in "
                          f"{'a comment' if stripped else 'an empty line'} at line {number}")
            rules.append((first, pending))
            pending = None
        if pending is None:
            if not stripped:
                continue
            if stripped.startswith("#"):
                if stripped.endswith("\\"):
                    faults.append(f"{path}:{number}: a comment ends in a backslash, which "
                                  "udev versions read differently")
                continue
            first = number
        if stripped.endswith("\\"):
            pending = (pending or "") + stripped[:-1]
            continue
        rules.append((first, (pending or "") + stripped))
        pending = None
    if pending is not None:
        faults.append(f"{path}:{first}: the rule continued with a backslash reaches the end of "
                      "the file")
        rules.append((first, pending))
    return rules


def read_value(text, pos):
    """The double-quoted value at pos (\\" stands for a quote in it) and the position after
    it; None as the value when there is no opening or no closing quote."""
    if pos >= len(text) or text[pos] != '"':
        return None, pos
    value = []
    i = pos + 1
    while i < len(text):
        if text[i] == "\\" and text[i + 1:i + 2] == '"':
            value.append('"')
            i += 2
        elif text[i] == '"':
            return "".join(value), i + 1
        else:
            value.append(text[i])
            i += 1
    return None, i


def skip_blanks(text, pos):
    while pos < len(text) and text[pos] in " \t":
        pos += 1
    return pos


def unclosed_bracket(pattern):
    i = 0
    while i < len(pattern):
        if pattern[i] == "[":
            close = pattern.find("]", i + 2 if pattern[i + 1:i + 2] in ("!", "]") else i + 1)
            if close < 0:
                return True
            i = close
        i += 1
    return False


def token_fault(token):
    """Why udev would refuse, drop or never match the token; None when it is sound."""
    key, attr, op, value = token.key, token.attr, token.op, token.value
    if key not in KEYS:
        return f"unknown key {key}"
    takes_attr, attrs, operators = KEYS[key]
    if attr is not None and takes_attr is None:
        return f"{key} takes no {{attribute}}"
    if takes_attr == "required" and not attr:
        return f"{key} needs an {{attribute}}"
    if attrs is not None and attr is not None and attr not in attrs:
        return f"{key}{{{attr}}}: the attribute is one of {', '.join(attrs)}"
    if op not in operators:
        return f"{key} does not take the operator {op} (it takes {' '.join(operators)})"
    if key == "ENV" and not token.is_match() and attr in READ_ONLY_PROPERTIES:
        return f"ENV{{{attr}}} is set by udev itself; a rule cannot assign it"
    if key == "TAG" and not token.is_match() and not re.fullmatch(r"[A-Za-z0-9_-]+", value):
        return f'TAG{op}"{value}": a tag is a name of letters, digits, "-" and "_"'
    if key in ("GOTO", "LABEL") and not value:
        return f"{key} needs a name"
    if token.is_match():
        for alternative in value.split("|"):
            if unclosed_bracket(alternative):
                return f'{key}{op}"{value}": the pattern has an unclosed ['
            if (key in ("ATTR", "ATTRS") and attr in USB_ID_ATTRIBUTES
                    and not re.fullmatch(r"[0-9a-f]{4}", alternative)):
                return (f'{key}{{{attr}}}{op}"{value}": sysfs shows a USB id as four '
                        "lowercase hexadecimal digits")
    return None


def parse_rule(path, number, text, faults):
    """The rule's tokens; None (with the fault) when udev would not read it as written."""
    tokens = []
    pos = 0
    while True:
        pos = skip_blanks(text, pos)
        if tokens:
            if pos == len(text):
                break
            if text[pos] != ",":
                faults.append(f"{path}:{number}: a comma is missing before "
                              f"'{text[pos:pos + 20]}'")
                return None
            pos = skip_blanks(text, pos + 1)
            if pos == len(text):
                faults.append(f"{path}:{number}: a comma ends the rule")
                return None
            if text[pos] == ",":
                faults.append(f"{path}:{number}: two commas in a row")
                return None
        elif text.startswith(",", pos):
            faults.append(f"{path}:{number}: a comma starts the rule")
            return None
        key_match = re.compile(r"[A-Za-z_]+").match(text, pos)
        if not key_match:
            faults.append(f"{path}:{number}: a key is expected at '{text[pos:pos + 20]}'")
            return None
        key, pos = key_match.group(0), key_match.end()
        attr = None
        if text.startswith("{", pos):
            close = text.find("}", pos)
            if close < 0 or '"' in text[pos:close]:
                faults.append(f"{path}:{number}: the {{attribute}} of {key} is not closed")
                return None
            attr, pos = text[pos + 1:close], close + 1
        pos = skip_blanks(text, pos)
        op_match = re.compile(r"[=!+\-:<>~]+").match(text, pos)
        op = op_match.group(0) if op_match else ""
        if op not in OPERATORS:
            faults.append(f"{path}:{number}: unknown operator '{op}' after {key}"
                          if op else f"{path}:{number}: no operator after {key}")
            return None
        start = skip_blanks(text, op_match.end())
        value, pos = read_value(text, start)
        if value is None:
            faults.append(f"{path}:{number}: the value of {key} "
                          + ("is not in double quotes" if pos == start
                             else "has no closing quote"))
            return None
        token = Token(key, attr, op, value)
        reason = token_fault(token)
        if reason:
            faults.append(f"{path}:{number}: {reason}")
            return None
        tokens.append(token)
    return tokens


def parse_rules(path, text):
    """The rules of the file and the faults found in it."""
    faults = []
    rules = []
    for number, line in logical_lines(text, path, faults):
        tokens = parse_rule(path, number, line, faults)
        if tokens is None:
            continue
        for key in ("GOTO", "LABEL"):
            if sum(t.key == key for t in tokens) > 1:
                faults.append(f"{path}:{number}: more than one {key} in a rule")
        rule = Rule(number, tokens)
        if (not rule.goto and not rule.label
                and all(t.is_match() and t.key not in ("PROGRAM", "IMPORT") for t in tokens)):
            faults.append(f"{path}:{number}: the rule only matches and does nothing")
        rules.append(rule)
    labels = {}
    for rule in rules:
        if rule.label is not None:
            if rule.label in labels:
                faults.append(f'{path}:{rule.number}: LABEL="{rule.label}" again (first at '
                              f"line {labels[rule.label]})")
            labels.setdefault(rule.label, rule.number)
    for index, rule in enumerate(rules):
        if rule.goto is not None and not any(r.label == rule.goto for r in rules[index + 1:]):
            faults.append(f'{path}:{rule.number}: GOTO="{rule.goto}" has no LABEL="{rule.goto}" '
                          "after it (udev only jumps forward)")
    return rules, faults


# ---- Sample devices ------------------------------------------------------------------------

class Device:
    """A device in sysfs: its subsystem, kernel name, driver, type, attributes and, for a
    device with a node in /dev, (major, minor, name under /dev)."""

    def __init__(self, subsystem, kernel, driver="", devtype="", attrs=None, node=None):
        self.subsystem, self.kernel, self.driver, self.devtype = subsystem, kernel, driver, devtype
        self.attrs = attrs or {}
        self.node = node


class Sample:
    """A device event: the device with a node first, then its parents up to the top; the
    folder under /sys/devices the top parent sits in; granted: whether the rule should give
    it to the user at the seat and keep ModemManager from it."""

    def __init__(self, name, chain, granted, action="add", where="pci0000:00/0000:00:14.0/usb1"):
        self.name, self.chain, self.granted, self.action, self.where = (
            name, chain, granted, action, where)

    def base_properties(self):
        node = self.chain[0]
        major, minor, devname = node.node
        return {"ACTION": self.action, "SUBSYSTEM": node.subsystem, "MAJOR": str(major),
                "MINOR": str(minor), "DEVNAME": "/dev/" + devname}


def usb_parents(port, vendor, product, interface_class, driver):
    return [Device("usb", f"1-{port}:1.0", driver=driver, devtype="usb_interface",
                   attrs={"bInterfaceClass": interface_class}),
            Device("usb", f"1-{port}", driver="usb", devtype="usb_device",
                   attrs={"idVendor": vendor, "idProduct": product})]


def usb_serial(name, port, vendor, product, driver, granted, kernel="ttyUSB0", action="add"):
    return Sample(name, [Device("tty", kernel, node=(188, int(kernel[6:]), kernel)),
                         Device("usb-serial", kernel, driver=driver)]
                  + usb_parents(port, vendor, product, "ff", driver), granted, action)


def cdc_acm(name, port, vendor, product):
    return Sample(name, [Device("tty", "ttyACM0", node=(166, 0, "ttyACM0"))]
                  + usb_parents(port, vendor, product, "02", "cdc_acm"), granted=False)


def usbmisc(name, port, kernel, minor, devname, vendor, product, interface_class, driver,
            granted):
    return Sample(name, [Device("usbmisc", kernel, node=(180, minor, devname))]
                  + usb_parents(port, vendor, product, interface_class, driver), granted)


SAMPLES = [
    # What the rule is for.
    usb_serial("FTDI FT232R adapter (0403:6001)", 1, "0403", "6001", "ftdi_sio", True),
    usb_serial("FTDI FT-X adapter (0403:6015)", 2, "0403", "6015", "ftdi_sio", True),
    usb_serial("Prolific PL2303 adapter (067b:2303)", 3, "067b", "2303", "pl2303", True),
    usb_serial("Silicon Labs CP210x adapter (10c4:ea60)", 4, "10c4", "ea60", "cp210x", True),
    usb_serial("WCH CH340 adapter (1a86:7523)", 5, "1a86", "7523", "ch341", True),
    usb_serial("WCH CH341 adapter as ttyUSB1 (1a86:5523)", 6, "1a86", "5523", "ch341", True,
               kernel="ttyUSB1"),
    usbmisc("USB printer /dev/usb/lp0 (usblp)", 7, "lp0", 0, "usb/lp0", "0fe6", "811e", "07",
            "usblp", True),
    # Each event but the removal sets the properties anew: a change keeps them.
    usb_serial("FTDI FT232R adapter, change event", 8, "0403", "6001", "ftdi_sio", True,
               action="change"),
    usb_serial("FTDI FT232R adapter, removal", 9, "0403", "6001", "ftdi_sio", False,
               action="remove"),
    # Modems and other serial ports stay as they are.
    usb_serial("Sierra Wireless EM7455 modem port on qcserial (1199:9071)", 10, "1199", "9071",
               "qcserial", False, kernel="ttyUSB2"),
    usb_serial("Huawei E173 modem port on option (12d1:1436)", 11, "12d1", "1436", "option",
               False),
    cdc_acm("modem on the CDC-ACM driver, ttyACM0 (1bc7:0021)", 12, "1bc7", "0021"),
    cdc_acm("WCH CH9102 on the CDC-ACM driver, a vendor listed with another product "
            "(1a86:55d4)", 13, "1a86", "55d4"),
    usb_serial("FTDI's vendor id with Prolific's product id (0403:2303)", 14, "0403", "2303",
               "ftdi_sio", False),
    Sample("built-in serial port ttyS0", [Device("tty", "ttyS0", node=(4, 64, "ttyS0")),
                                          Device("platform", "serial8250", driver="serial8250")],
           granted=False, where="platform"),
    Sample("parallel port printer /dev/lp0", [Device("printer", "lp0", node=(6, 0, "lp0")),
                                              Device("parport", "parport0"),
                                              Device("pnp", "00:05", driver="parport_pc")],
           granted=False, where="pnp0"),
    usbmisc("modem control device cdc-wdm0 (qmi_wwan)", 15, "cdc-wdm0", 176, "cdc-wdm0",
            "1199", "9071", "ff", "qmi_wwan", False),
    usbmisc("HID device hiddev0 (usbhid)", 16, "hiddev0", 96, "usb/hiddev0", "0463", "ffff",
            "03", "usbhid", False),
]


def expected(sample):
    if sample.granted:
        return {"uaccess"}, {"ID_MM_DEVICE_IGNORE": "1"}
    return set(), {}


def describe(tags, properties):
    tag_text = ", ".join(sorted(tags)) or "none"
    property_text = ", ".join(f"{k}={v}" for k, v in sorted(properties.items())) or "none"
    return f"tags {tag_text}; properties {property_text}"


def judge(path, sample, tags, added):
    """The fault when the sample got other tags or properties than it should."""
    want_tags, want_properties = expected(sample)
    if tags == want_tags and added == want_properties:
        return None
    return (f"{path}: {sample.name}: gets {describe(tags, added)}; expected "
            f"{describe(want_tags, want_properties)}")


# ---- Running the rules on a sample ---------------------------------------------------------

class CannotRun(Exception):
    pass


def matches(pattern, value):
    """udev's match of a value against a pattern: shell globs, alternatives split at |."""
    return any(fnmatch.fnmatchcase(value, alternative) for alternative in pattern.split("|"))


def device_value(token, device, properties):
    """The device's value for the token's key; None when the device has none (an attribute
    it lacks), which fails the token whatever its operator."""
    key = token.key
    if key in ("ACTION", "SUBSYSTEM"):
        return properties[key]
    if key in ("KERNEL", "KERNELS"):
        return device.kernel
    if key == "SUBSYSTEMS":
        return device.subsystem
    if key in ("DRIVER", "DRIVERS"):
        return device.driver
    if key in ("ATTR", "ATTRS"):
        return device.attrs.get(token.attr)
    if key == "ENV":
        return properties.get(token.attr, "")
    raise CannotRun(key)


def token_holds(token, device, properties, tags):
    if token.key == "TAG":
        hit = any(matches(token.value, tag) for tag in tags)
    else:
        value = device_value(token, device, properties)
        if value is None:
            return False
        hit = matches(token.value, value)
    return hit == (token.op == "==")


def rule_matches(rule, sample, properties, tags):
    node = sample.chain[0]
    parent_tokens = []
    for token in rule.tokens:
        if not token.is_match():
            continue
        if token.key in PARENT_KEYS:
            parent_tokens.append(token)
        elif not token_holds(token, node, properties, tags):
            return False
    # All of a rule's parent keys hold on one device: the device itself or a parent.
    return not parent_tokens or any(
        all(token_holds(token, device, properties, tags) for token in parent_tokens)
        for device in sample.chain)


def apply_rule(rule, properties, tags):
    for token in rule.tokens:
        if token.is_match() or token.key in ("GOTO", "LABEL"):
            continue
        if token.key == "TAG":
            if token.op == "=":
                tags.clear()
            if token.op == "-=":
                tags.discard(token.value)
            else:
                tags.add(token.value)
        elif token.key == "ENV":
            old = properties.get(token.attr, "")
            value = f"{old} {token.value}" if token.op == "+=" and old else token.value
            if value:
                properties[token.attr] = value
            else:
                properties.pop(token.attr, None)
        else:
            raise CannotRun(token.key)


def run_rules(rules, sample):
    """The tags and the properties the rules add to the sample's event."""
    base = sample.base_properties()
    properties = dict(base)
    tags = set()
    jump_to = None
    for rule in rules:
        if jump_to is not None:
            if rule.label != jump_to:
                continue
            jump_to = None
        if rule_matches(rule, sample, properties, tags):
            apply_rule(rule, properties, tags)
            if rule.goto is not None:
                jump_to = rule.goto
    added = {k: v for k, v in properties.items() if base.get(k) != v}
    return tags, added


def check_samples(path, rules):
    faults = []
    for sample in SAMPLES:
        try:
            tags, added = run_rules(rules, sample)
        except CannotRun as error:
            return [f"{path}: this check runs no {error.args[0]} key; run it with --udevadm"]
        fault = judge(path, sample, tags, added)
        if fault:
            faults.append(fault)
    return faults


def check_text(path, text):
    rules, faults = parse_rules(path, text)
    return faults or check_samples(path, rules)


# ---- The check checks itself ---------------------------------------------------------------

# Rules the check must refuse, each with what its report says.
FAULTY_RULES = [
    ('KERNEL=="lp[0-9]*", FOO="1", TAG+="uaccess"', "unknown key FOO"),
    ('kernel=="lp[0-9]*", TAG+="uaccess"', "unknown key kernel"),
    ('KERNEL=~"lp[0-9]*", TAG+="uaccess"', "unknown operator '=~'"),
    ('KERNEL="lp[0-9]*", TAG+="uaccess"', "KERNEL does not take the operator ="),
    ('KERNEL=="lp[0-9]*", ENV{ID_MM_DEVICE_IGNORE}:="1"', "ENV does not take the operator :="),
    ('KERNEL=="lp[0-9]*", TAG+="uaccess', "the value of TAG has no closing quote"),
    ('KERNEL==lp0, TAG+="uaccess"', "the value of KERNEL is not in double quotes"),
    ('KERNEL=="lp*, TAG+="uaccess"', "a comma is missing"),
    ('SUBSYSTEM=="tty" TAG+="uaccess"', "a comma is missing"),
    ('SUBSYSTEM=="tty", TAG+="uaccess",', "a comma ends the rule"),
    ('SUBSYSTEM=="tty",, TAG+="uaccess"', "two commas in a row"),
    ('ATTRS=="0403", TAG+="uaccess"', "ATTRS needs an {attribute}"),
    ('KERNEL{x}=="lp0", TAG+="uaccess"', "KERNEL takes no {attribute}"),
    ('ATTRS{idVendor=="0403", TAG+="uaccess"', "the {attribute} of ATTRS is not closed"),
    ('KERNEL=="lp[0-9*", TAG+="uaccess"', "unclosed ["),
    ('SUBSYSTEMS=="usb", ATTRS{idVendor}=="10C4", TAG+="uaccess"', "lowercase hexadecimal"),
    ('SUBSYSTEMS=="usb", ATTRS{idProduct}=="6001|60015", TAG+="uaccess"',
     "lowercase hexadecimal"),
    ('ENV{DEVNAME}="x"', "ENV{DEVNAME} is set by udev itself"),
    ('SUBSYSTEM=="tty", TAG+=""', "a tag is a name"),
    ('SUBSYSTEM=="tty", KERNEL=="ttyUSB[0-9]*"', "the rule only matches and does nothing"),
    ('SUBSYSTEM!="tty", GOTO="tessaro_nowhere"', 'GOTO="tessaro_nowhere" has no LABEL'),
    ('LABEL="tessaro_end"\nSUBSYSTEM!="tty", GOTO="tessaro_end"', "udev only jumps forward"),
    ('LABEL="tessaro_end"\nLABEL="tessaro_end"', 'LABEL="tessaro_end" again'),
    ('SUBSYSTEM=="tty", \\\nTAG+="uaccess", \\\n', "reaches the end of the file"),
    ('SUBSYSTEM=="tty", \\\n# a note\nTAG+="uaccess"', "ends in a comment"),
    ('SUBSYSTEM=="tty", TAG+="uaccess"\r\n', "carriage return"),
]

# Rules that read well but hand over too much or too little; each sample named must fail.
GRANT = 'TAG+="uaccess", ENV{ID_MM_DEVICE_IGNORE}="1"'
WRONG_RULES = [
    # Every tty and usbmisc device: modems and built-in ports too.
    (f'ACTION!="remove", SUBSYSTEM=="tty|usbmisc", {GRANT}',
     ["modem on the CDC-ACM driver", "built-in serial port ttyS0", "Sierra Wireless",
      "modem control device cdc-wdm0", "HID device hiddev0"]),
    # The vendors alone, whatever the product.
    (f'ACTION!="remove", SUBSYSTEM=="tty", SUBSYSTEMS=="usb", '
     f'ATTRS{{idVendor}}=="0403|067b|10c4|1a86", {GRANT}',
     ["FTDI's vendor id with Prolific's product id", "WCH CH9102"]),
    # The parent keys of a rule hold on one device: the interface (1-1:1.0) has no product
    # id, so this matches no adapter.
    (f'ACTION!="remove", SUBSYSTEM=="tty", KERNELS=="1-*:1.0", ATTRS{{idProduct}}=="6001", '
     f'{GRANT}', ["FTDI FT232R adapter (0403:6001)", "FTDI FT232R adapter, change event"]),
    # Every kernel name lp*: the parallel port's printer as well.
    (f'ACTION!="remove", KERNEL=="lp[0-9]*", {GRANT}', ["parallel port printer /dev/lp0"]),
    # The tag without the property.
    ('ACTION!="remove", SUBSYSTEM=="usbmisc", KERNEL=="lp[0-9]*", TAG+="uaccess"',
     ["USB printer /dev/usb/lp0"]),
    # Removals not left out.
    (f'SUBSYSTEM=="tty", KERNEL=="ttyUSB[0-9]*", SUBSYSTEMS=="usb", ATTRS{{idVendor}}=="0403", '
     f'ATTRS{{idProduct}}=="6001", {GRANT}', ["FTDI FT232R adapter, removal"]),
]


def self_check():
    faults = []
    for text, reason in FAULTY_RULES:
        found = parse_rules("faulty.rules", text)[1]
        if not any(reason in fault for fault in found):
            faults.append(f"check-udev-rule.py: the rule {text!r} should be refused with "
                          f"'{reason}'; the check says: {found or 'nothing'}")
    for text, must_fail in WRONG_RULES:
        rules, found = parse_rules("wrong.rules", text)
        if found:
            faults.append(f"check-udev-rule.py: the rule {text!r} should read well: {found}")
            continue
        found = check_samples("wrong.rules", rules)
        if not found:
            faults.append(f"check-udev-rule.py: the rule {text!r} passes the samples")
        for name in must_fail:
            if not any(f": {name}" in fault for fault in found):
                faults.append(f"check-udev-rule.py: the rule {text!r} passes the sample "
                              f"'{name}'")
    return faults


# ---- udevadm test on a sysfs tree of the samples -------------------------------------------

def write_file(path, text):
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)


def write_device(sys_root, folder, device):
    os.makedirs(folder)
    uevent = []
    if device.devtype:
        uevent.append(f"DEVTYPE={device.devtype}")
    if device.driver:
        uevent.append(f"DRIVER={device.driver}")
    if device.node:
        major, minor, devname = device.node
        uevent += [f"MAJOR={major}", f"MINOR={minor}", f"DEVNAME={devname}"]
        write_file(os.path.join(folder, "dev"), f"{major}:{minor}\n")
    write_file(os.path.join(folder, "uevent"), "".join(line + "\n" for line in uevent))
    for name, value in device.attrs.items():
        write_file(os.path.join(folder, name), value + "\n")
    # A device with a node belongs to a class, the others to a bus.
    kind = "class" if device.node else "bus"
    subsystem = os.path.join(sys_root, kind, device.subsystem)
    os.makedirs(subsystem, exist_ok=True)
    os.symlink(os.path.relpath(subsystem, folder), os.path.join(folder, "subsystem"))
    if device.driver:
        driver = os.path.join(sys_root, "bus", device.subsystem, "drivers", device.driver)
        os.makedirs(driver, exist_ok=True)
        os.symlink(os.path.relpath(driver, folder), os.path.join(folder, "driver"))


def write_sysfs(sys_root, sample):
    """Writes the sample's devices under sys_root as sysfs holds them; returns the path of
    the device with the node as it reads once sys_root is /sys."""
    relative = os.path.join("devices", sample.where)
    for device in reversed(sample.chain):
        if device.node:  # a class device sits in a folder named after its class
            relative = os.path.join(relative, device.subsystem)
        relative = os.path.join(relative, device.kernel)
        write_device(sys_root, os.path.join(sys_root, relative), device)
    return "/sys/" + relative


# Run by unshare in the private mount namespace: empty /run and /dev, the rule file the only
# one udev finds, the samples' tree as /sys.
NAMESPACE_SCRIPT = r"""
set -eu
sys_tree=$1 rules=$2 empty=$3 udevadm=$4 action=$5 devpath=$6
mount -t tmpfs tmpfs /run
mount -t tmpfs tmpfs /dev
mkdir -p /run/udev/rules.d
cp "$rules" /run/udev/rules.d/
for dir in /etc/udev/rules.d /usr/local/lib/udev/rules.d /usr/lib/udev/rules.d /lib/udev/rules.d; do
    if [ -d "$dir" ]; then mount --bind "$empty" "$dir"; fi
done
mount --bind "$sys_tree" /sys
SYSTEMD_DEVICE_VERIFY_SYSFS=0 exec "$udevadm" test --action="$action" "$devpath"
"""

# What udevadm test lists of every event, whatever the rules.
UDEV_OWN_PROPERTIES = {"DEVPATH", "DEVNAME", "DEVTYPE", "DRIVER", "MAJOR", "MINOR", "ACTION",
                       "SUBSYSTEM", "SEQNUM", "USEC_INITIALIZED", "TAGS", "CURRENT_TAGS"}


def run(command, timeout=UDEVADM_TIMEOUT):
    """(exit status, stdout, stderr); exit status None when it could not start or did not
    finish in time, with the reason as stderr."""
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=timeout,
                              errors="replace")
    except OSError as error:
        return None, "", f"{command[0]}: {error.strerror}"
    except subprocess.TimeoutExpired:
        return None, "", f"{' '.join(command[:3])} did not finish in {timeout} s"
    return done.returncode, done.stdout, done.stderr


def find_udevadm():
    named = os.environ.get("UDEVADM")
    if named:
        return named
    return shutil.which("udevadm") or next(
        (p for p in ("/usr/bin/udevadm", "/bin/udevadm", "/usr/sbin/udevadm", "/sbin/udevadm")
         if os.access(p, os.X_OK)), None)


def scratch_folder():
    """A scratch folder outside /run and /dev, which the namespace replaces."""
    base = tempfile.gettempdir()
    if re.match(r"/(run|dev|sys)(/|$)", os.path.realpath(base)):
        base = "/tmp" if os.path.isdir("/tmp") else "/var/tmp"
    return tempfile.TemporaryDirectory(prefix="check-udev-rule.", dir=base)


def udevadm_check(path):
    """The faults udevadm finds; raises SystemExit(SKIPPED) when it cannot run here."""
    udevadm = find_udevadm()
    if not udevadm:
        print("SKIP: udevadm is not installed (Debian package udev)")
        raise SystemExit(SKIPPED)
    status, out, err = run([udevadm, "--version"])
    if status != 0:
        print(f"SKIP: {udevadm} --version fails: {(err or out).strip()}")
        raise SystemExit(SKIPPED)
    print(f"udevadm {out.strip()} ({udevadm})")
    unshare = shutil.which("unshare")
    if not unshare:
        print("SKIP: unshare is not installed (Debian package util-linux)")
        raise SystemExit(SKIPPED)
    namespace = [unshare, "--mount"] if os.geteuid() == 0 else [unshare, "--map-root-user",
                                                                "--mount"]
    status, _, err = run(namespace + ["sh", "-c", "mount -t tmpfs tmpfs /run"])
    if status != 0:
        print(f"SKIP: no private mount namespace here: {err.strip()}")
        raise SystemExit(SKIPPED)

    faults = []
    name = os.path.basename(path)
    # udevadm verify, where there is one, reads the file alone.
    if run([udevadm, "verify", "--help"])[0] == 0:
        status, out, err = run([udevadm, "verify", "--resolve-names=never", path])
        if status != 0:
            faults.append(f"{path}: udevadm verify (exit {status}): {(err + out).strip()}")

    with scratch_folder() as scratch:
        rules = os.path.join(scratch, name)
        shutil.copyfile(path, rules)
        empty = os.path.join(scratch, "empty")
        os.mkdir(empty)
        for index, sample in enumerate(SAMPLES):
            sys_tree = os.path.join(scratch, f"sys{index}")
            devpath = write_sysfs(sys_tree, sample)
            status, out, err = run(namespace + ["sh", "-c", NAMESPACE_SCRIPT, "sh", sys_tree,
                                                rules, empty, udevadm, sample.action, devpath])
            # udev names the file and line of whatever it refuses or drops in it.
            for line in err.splitlines():
                if name in line and not line.startswith("Reading rules file"):
                    fault = "udevadm: " + line.strip().replace(f"/run/udev/rules.d/{name}", path)
                    if fault not in faults:
                        faults.append(fault)
            if status != 0:
                faults.append(f"{path}: {sample.name}: udevadm test (exit {status}): "
                              f"{err.strip()[-500:]}")
                continue
            properties = dict(re.findall(r"^([A-Z0-9_]+)=(.*)$", out, re.MULTILINE))
            if "SUBSYSTEM" not in properties:
                faults.append(f"{path}: {sample.name}: udevadm test listed no properties: "
                              f"{out.strip()[-500:]}")
                continue
            tags = {tag for tag in properties.get("TAGS", "").split(":") if tag}
            added = {k: v for k, v in properties.items() if k not in UDEV_OWN_PROPERTIES}
            fault = judge(path, sample, tags, added)
            if fault:
                faults.append(fault + " (udevadm test)")
    return faults


# ---- Main ----------------------------------------------------------------------------------

def main(arguments):
    use_udevadm = arguments[:1] == ["--udevadm"]
    if use_udevadm:
        arguments = arguments[1:]
    if len(arguments) != 1:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    path = arguments[0]
    try:
        with open(path, encoding="utf-8") as file:
            text = file.read()
    except OSError as error:
        print(f"FAIL: {path}: cannot read it: {error.strerror}")
        return 1
    except UnicodeDecodeError as error:
        print(f"FAIL: {path}: not UTF-8 text (byte {error.start})")
        return 1

    if use_udevadm:
        faults = udevadm_check(path)
    else:
        faults = self_check() + check_text(path, text)
    for fault in faults:
        print(f"FAIL: {fault}")
    if faults:
        return 1
    print(f"OK: {path}: {len(SAMPLES)} sample devices"
          + (" through udevadm test" if use_udevadm else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
