#!/bin/sh
# The version is written once, in CMakeLists.txt's project(). Debian's changelog says it again, by
# hand, for the package; the metadata and the manual page are generated from it. This holds all
# three to the version CMake worked out ($3), so that a release bumped in one place stops here.
set -eu
source_dir=$1
binary_dir=$2
version=$3
id=org.mjcalc.MJCalculator
status=0

changelog=$source_dir/debian/changelog
if [ -f "$changelog" ]; then
    # "mjcalc (1:1.00-2) unstable; ...": the upstream part has neither epoch nor Debian revision.
    full=$(sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p' "$changelog")
    upstream=$(echo "$full" | sed 's/^[0-9]*://; s/-[^-]*$//')
    if [ "$upstream" = "$version" ]; then
        echo "ok: debian/changelog's $full is upstream version $version"
    else
        echo "FAIL: debian/changelog's first entry is $full, whose upstream part $upstream is not" \
            "CMakeLists.txt's $version; add a changelog entry for $version-1"
        status=1
    fi
else
    # The release tarball leaves debian/ out, and a distribution brings its own.
    echo "note: no debian/changelog in $source_dir to compare"
fi

metainfo=$binary_dir/resources/$id.metainfo.xml
release=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo" | head -n1)
manual=$(sed -n 's/^\.TH MJCALC 1 "\([^"]*\)" "MJ Calculator \([^"]*\)".*/\2 \1/p' "$binary_dir/resources/mjcalc.1")
if [ "${release%% *}" = "$version" ]; then
    echo "ok: the metadata's newest release is $release"
else
    echo "FAIL: the metadata's newest release is '$release', not version $version"
    status=1
fi
if [ "$manual" = "$release" ]; then
    echo "ok: the manual page's heading names version and date $manual"
else
    echo "FAIL: the manual page's heading says '$manual', the metadata's newest release '$release'"
    status=1
fi
exit $status
