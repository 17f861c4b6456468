#!/bin/sh
# Runs a cross-built Qt Test program under wine, for CTest: run-test.sh PROGRAM.exe [ARG...]
# A Windows process with no console, as under wine's pipe, gets Qt Test's report sent to the
# debugger instead of standard output, so it is written to a file and shown from there.
report=$(mktemp "${TMPDIR:-/tmp}/mjcalc-test.XXXXXX")
wine "$@" -o "$(winepath -w "$report" 2>/dev/null)",txt
status=$?
cat "$report"
rm -f "$report"
exit $status
