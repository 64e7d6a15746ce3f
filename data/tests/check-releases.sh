#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the metainfo's releases are those of the change log: the same versions with the
# same dates, newest first, the newest being the project's version. The change log's release
# headings read "## [1.4.0] - 2026-12-06"; "## [Unreleased]" is not a release.
# Usage: check-releases.sh APP.metainfo.xml CHANGELOG.md PROJECT-VERSION
# Exit 77 (skipped) when there is no change log, once the version is checked.
set -u
metainfo=$1
changelog=$2
version=$3

ours=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo")
newest=$(printf '%s\n' "$ours" | sed -n '1s/ .*//p')
if [ "$newest" != "$version" ]; then
    echo "FAIL: the newest release of $metainfo is \"$newest\", not the project's version $version"
    exit 1
fi
if [ ! -f "$changelog" ]; then
    echo "SKIP: no $changelog to compare the releases with"
    exit 77
fi
theirs=$(sed -n 's/^## \[\([0-9][^]]*\)\] - \([0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\).*/\1 \2/p' "$changelog")
if [ "$ours" != "$theirs" ]; then
    echo "FAIL: the releases of $metainfo differ from those of $changelog"
    echo "--- $metainfo"
    printf '%s\n' "$ours"
    echo "--- $changelog"
    printf '%s\n' "$theirs"
    exit 1
fi
echo "OK: releases $(printf '%s' "$ours" | tr '\n' ',')"
