#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a generated manual page: it exists (unless optional), its compressed copy holds the
# same text, man renders it at 80 columns without a single warning from man or groff, and it
# has the usual sections and every section its help2man include files add.
# Usage: check-man.sh PAGE.1 required|optional [INCLUDE.h2m]...
# Exit 77 (skipped) without man, or for an optional page that was not generated.
set -u
page=$1
need=${2:-required}
shift 2

if [ ! -f "$page" ]; then
    if [ "$need" = optional ]; then
        echo "SKIP: $page was not generated (the program does not answer --help and --version)"
        exit 77
    fi
    echo "FAIL: $page is missing"
    exit 1
fi
if ! command -v man >/dev/null 2>&1; then
    echo "SKIP: man is not installed (Debian package man-db)"
    exit 77
fi

status=0
if ! gzip -dc "$page.gz" | cmp -s - "$page"; then
    echo "FAIL: $page.gz is not the compressed $page"
    status=1
fi
# gzip -n: no file name and no time stamp in the header (bytes 4..9 are flags and mtime).
if [ "$(od -An -tx1 -j3 -N5 "$page.gz" | tr -d ' \n')" != "0000000000" ]; then
    echo "FAIL: $page.gz keeps a name or time stamp (not gzip -n)"
    status=1
fi

warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "FAIL: man warns about $page:"
    echo "$warnings"
    status=1
fi
text=$(MANWIDTH=80 LC_ALL=C.UTF-8 man -l "$page" 2>/dev/null)
sections=$(printf '%s\n' NAME SYNOPSIS DESCRIPTION OPTIONS
           sed -n 's/^\[[<=>]\{0,1\}\(.*\)\]$/\1/p' "$@" /dev/null | tr 'a-z' 'A-Z')
missing=$(printf '%s\n' "$sections" | while IFS= read -r section; do
    printf '%s\n' "$text" | grep -qx "$section" || echo "$section"
done)
if [ -n "$missing" ]; then
    echo "FAIL: $page lacks the sections:" $missing
    status=1
fi
if printf '%s\n' "$text" | grep -q 'SPDX'; then
    echo "FAIL: the include file's comment line leaked into $page"
    status=1
fi
[ $status -eq 0 ] && echo "OK: $page"
exit $status
