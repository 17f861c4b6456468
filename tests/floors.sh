#!/bin/sh
# The source folders are floors: app/ on top, the two calculators in the middle, toolkit/ at the
# bottom. A file may include from its own floor and the ones below, never from above.
set -eu
cd "$(dirname "$0")/.."
status=0
check() {
    folder=$1
    shift
    for above in "$@"; do
        if grep -rn "#include \"$above/" "$folder" --include='*.h' --include='*.cpp'; then
            echo "^ $folder/ reaches up into $above/"
            status=1
        fi
    done
}
check toolkit app calculator fancounter
check calculator app fancounter
check fancounter app calculator
[ $status = 0 ] && echo "includes run downwards only"
exit $status
