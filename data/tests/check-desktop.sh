#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the desktop file: desktop-file-validate has nothing to say (no error, warning or
# hint), it opens a file given to it, and it claims every MIME type the MIME package declares.
# Usage: check-desktop.sh APP.desktop MIME-PACKAGE.xml
# Exit 77 (skipped) without desktop-file-validate (Debian package desktop-file-utils).
set -u
desktop=$1
mime_package=$2

if ! command -v desktop-file-validate >/dev/null 2>&1; then
    echo "SKIP: desktop-file-validate is not installed (Debian package desktop-file-utils)"
    exit 77
fi

status=0
report=$(desktop-file-validate "$desktop" 2>&1)
code=$?
if [ $code -ne 0 ] || [ -n "$report" ]; then
    echo "FAIL: desktop-file-validate (status $code):"
    echo "$report"
    status=1
fi

value() { sed -n "s/^$1=//p" "$desktop"; }

case "$(value Exec)" in
    "tessaro %f"|"tessaro %F"|"tessaro %u"|"tessaro %U") ;;
    *) echo "FAIL: Exec=$(value Exec) does not run tessaro with the file opened"; status=1 ;;
esac
id=$(basename "$desktop" .desktop)
if [ "$(value Icon)" != "$id" ]; then
    echo "FAIL: Icon=$(value Icon), not the program's id $id"
    status=1
fi
declared=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_package")
if [ -z "$declared" ]; then
    echo "FAIL: $mime_package declares no MIME type"
    status=1
fi
for type in $declared; do
    case ";$(value MimeType)" in
        *";$type;"*) ;;
        *) echo "FAIL: MimeType=$(value MimeType) lacks $type"; status=1 ;;
    esac
done
[ $status -eq 0 ] && echo "OK: $desktop"
exit $status
