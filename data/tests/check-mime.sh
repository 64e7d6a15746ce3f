#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the MIME package as a desktop sees it: installed into a scratch XDG_DATA_HOME beside
# the system's types, `xdg-mime query filetype` calls a Tessaro profile
# application/x-tessaro-profile (as tessaro-cli saves it, with a UTF-8 byte order mark, after
# blank and comment lines, in UTF-16; also by its content alone, without the .pcf name), yet
# a PCF font and Cisco VPN settings, which claim *.pcf too, keep the types they have without
# the package.
# Usage: check-mime.sh MIME-PACKAGE.xml [TESSARO-CLI]
# Exit 77 (skipped) when the tools are missing: update-mime-database (shared-mime-info),
# xdg-mime (xdg-utils), and what xdg-mime asks that reads the shared MIME database: mimetype
# (libfile-mimeinfo-perl) or gio (libglib2.0-bin); without them xdg-mime falls back to
# file(1), which knows nothing of installed MIME packages. Each of the two found is checked.
set -u
package=$1
cli=${2:-}
type=application/x-tessaro-profile

for tool in update-mime-database xdg-mime; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
backends=
mimetype --version >/dev/null 2>&1 && backends=generic     # xdg-mime asks mimetype
command -v gio >/dev/null 2>&1 && backends="$backends GNOME" # xdg-mime asks gio
if [ -z "$backends" ]; then
    echo "SKIP: neither mimetype (libfile-mimeinfo-perl) nor gio (libglib2.0-bin) is installed"
    exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
with=$scratch/with
without=$scratch/without
mkdir -p "$with/mime/packages" "$without/mime/packages" "$scratch/files"
cp "$package" "$with/mime/packages/"
if ! XDG_DATA_HOME=$with update-mime-database "$with/mime"; then
    echo "FAIL: update-mime-database refuses $package"
    exit 1
fi
XDG_DATA_HOME=$without update-mime-database "$without/mime"

# ---- The files --------------------------------------------------------------------------------
cd "$scratch/files" || exit 1
profiles=
# A real profile, as tessaro-cli saves it (CR LF lines).
if [ -n "$cli" ]; then
    if ! "$cli" show --set SliderMaxcurrent=7 --set height2=True --save saved.pcf >/dev/null; then
        echo "FAIL: $cli cannot save a profile"
        exit 1
    fi
else
    printf '[Setup and hardware control]\r\nSliderMaxcurrent=7\r\n' >saved.pcf
fi
profiles="$profiles saved.pcf"
# Each of the four sections starts a profile, at the start of the file (also after a UTF-8
# byte order mark) or of a line.
n=0
for section in "Setup and hardware control" "Text and general commands" "TBarcode commands" \
    "Hole and black mark detection commands"; do
    n=$((n + 1))
    printf '[%s]\r\nKey=1\r\n' "$section" >section$n.pcf
    printf '\r\n\r\n; a comment\r\n[%s]\r\nKey=1\r\n' "$section" >later$n.pcf
    printf '\357\273\277[%s]\r\nKey=1\r\n' "$section" >bom$n.pcf
    profiles="$profiles section$n.pcf later$n.pcf bom$n.pcf"
done
# Windows "Unicode": UTF-16 with a byte order mark, either byte order.
printf '\377\376[\000T\000B\000a\000r\000c\000o\000d\000e\000 \000c\000o\000m\000m\000a\000n\000d\000s\000]\000\r\000\n\000' >utf16le.pcf
printf '\376\377\000[\000T\000B\000a\000r\000c\000o\000d\000e\000 \000c\000o\000m\000m\000a\000n\000d\000s\000]\000\r\000\n' >utf16be.pcf
profiles="$profiles utf16le.pcf utf16be.pcf"
# The same contents under names no glob claims: only the magic can tell.
for file in $profiles; do
    cp "$file" "${file%.pcf}"
    profiles="$profiles ${file%.pcf}"
done
# Other files named .pcf, and texts that are no profile.
printf '\001fcp\010\000\000\000\001\000\000\000' >font.pcf
printf '[main]\r\nHost=vpn.example.org\r\nAuthType=1\r\n' >vpn.pcf
printf 'Note=[Setup and hardware control]\r\n' >note          # not at the start of a line
printf '[Setup]\r\nKey=1\r\n' >other-section

# ---- The checks -------------------------------------------------------------------------------
# The type of a file, with the package installed (DATA_HOME $with) or not ($without).
query() { # FILE DATA_HOME
    env -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u DESKTOP_SESSION \
        XDG_CURRENT_DESKTOP=$backend XDG_DATA_HOME=$2 XDG_DATA_DIRS=/usr/local/share:/usr/share \
        xdg-mime query filetype "$1" 2>/dev/null
}
status=0
say() {
    echo "$1 [$backend]: $2"
    [ "$1" = FAIL ] && status=1
}

for backend in $backends; do
    for file in $profiles; do
        got=$(query "$file" "$with")
        if [ "$got" = $type ]; then say ok "$file is $got"; else say FAIL "$file is \"$got\""; fi
    done
    # Without the package, a profile is no profile: the check sees the package, nothing else.
    got=$(query saved.pcf "$without")
    if [ -n "$got" ] && [ "$got" != $type ]; then
        say ok "saved.pcf without the package is $got"
    else
        say FAIL "saved.pcf without the package is \"$got\""
    fi
    # The package changes nothing for the others; a PCF font stays one.
    for file in font.pcf vpn.pcf note other-section; do
        got=$(query "$file" "$with")
        before=$(query "$file" "$without")
        if [ -n "$got" ] && [ "$got" = "$before" ] && [ "$got" != $type ]; then
            say ok "$file is $got"
        else
            say FAIL "$file is \"$got\" (without the package \"$before\")"
        fi
    done
    got=$(query font.pcf "$with")
    if [ "$got" = application/x-font-pcf ]; then say ok "font.pcf is a font"; else
        say FAIL "font.pcf is \"$got\""; fi
done

[ $status -eq 0 ] && echo "OK: $package"
exit $status
