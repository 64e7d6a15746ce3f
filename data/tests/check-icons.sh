#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the rendered program icons: one PNG for each size, that size square, with an alpha
# channel, and (with ImageMagick) drawn: neither empty nor filling its whole square.
# Usage: check-icons.sh ICON-DIR SIZE...   (ICON-DIR/NxN/io.github.tessaro.Tessaro.png)
set -u
dir=$1
shift
status=0
for size in "$@"; do
    png=$dir/${size}x${size}/io.github.tessaro.Tessaro.png
    if [ ! -f "$png" ]; then
        echo "FAIL: $png is missing"
        status=1
        continue
    fi
    # The PNG signature, then IHDR: width and height (4 bytes each), bit depth, colour type.
    header=$(od -An -tx1 -N26 "$png" | tr -d ' \n')
    expected=$(printf '89504e470d0a1a0a0000000d49484452%08x%08x08' "$size" "$size")
    if [ "${header%??}" != "${expected}" ] || [ "${header#"${header%??}"}" != 06 ]; then
        echo "FAIL: $png is not an 8-bit RGBA PNG of ${size}x${size} (header $header)"
        status=1
        continue
    fi
    if command -v convert >/dev/null 2>&1 && convert -version 2>/dev/null | grep -q ImageMagick; then
        # The share of the square the drawing covers.
        cover=$(convert "$png" -alpha extract -format '%[fx:mean]' info:)
        if ! awk -v c="$cover" 'BEGIN { exit !(c > 0.2 && c < 0.95) }'; then
            echo "FAIL: $png covers $cover of its square"
            status=1
            continue
        fi
    fi
    echo "ok: $png"
done
exit $status
