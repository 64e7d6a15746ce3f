#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the AppStream metainfo: `appstreamcli validate --no-net` passes with no error and no
# warning (pedantic remarks are fine), and it names the desktop file and the MIME type that lie
# beside it.
# Usage: check-metainfo.sh APP.metainfo.xml
# Exit 77 (skipped) without appstreamcli (Debian package appstream).
set -u
metainfo=$1
dir=$(dirname "$metainfo")
id=$(basename "$metainfo" .metainfo.xml)

if ! command -v appstreamcli >/dev/null 2>&1; then
    echo "SKIP: appstreamcli is not installed (Debian package appstream)"
    exit 77
fi

status=0
report=$(appstreamcli validate --no-net "$metainfo" 2>&1)
code=$?
echo "$report"
if [ $code -ne 0 ] || printf '%s\n' "$report" | grep -q '^[EW]:'; then
    echo "FAIL: appstreamcli validate (status $code) reports errors or warnings"
    status=1
fi

if ! grep -q "<id>$id</id>" "$metainfo"; then
    echo "FAIL: the id is not $id, the file's name"
    status=1
fi
launchable=$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "$metainfo")
if [ "$launchable" != "$id.desktop" ] || [ ! -f "$dir/$launchable" ]; then
    echo "FAIL: launchable \"$launchable\" is not the desktop file $id.desktop beside it"
    status=1
fi
mediatypes=$(sed -n 's/.*<mediatype>\(.*\)<\/mediatype>.*/\1/p' "$metainfo")
declared=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$dir/$id.xml" 2>/dev/null)
if [ -z "$mediatypes" ] || [ "$mediatypes" != "$declared" ]; then
    echo "FAIL: provided media types \"$mediatypes\" are not those of $id.xml: \"$declared\""
    status=1
fi
[ $status -eq 0 ] && echo "OK: $metainfo"
exit $status
