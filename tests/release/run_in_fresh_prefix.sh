#!/bin/sh
# Runs the release tests as on a new machine: a Wine prefix made afresh (no Verlumo, no
# settings, no uninstall entry), and the zip unpacked into an empty folder the tests look at.
#   run_in_fresh_prefix.sh PREFIX ZIP release_tests.exe [ARGUMENTS...]
set -eu
prefix=$1 zip=$2 tests=$3
shift 3
here=$(cd "$(dirname "$0")/../.." && pwd)

rm -rf "$prefix" "$prefix-unzipped"
mkdir -p "$prefix-unzipped"
unzip -q "$zip" -d "$prefix-unzipped"

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
wineboot -i >/dev/null 2>&1
# On the bare virtual display there is no window manager; Wine must not wait for one.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w

# The unpacked folder as Windows programs see it, through Wine's drive Z:.
VERLUMO_UNZIPPED="Z:$(printf '%s' "$prefix-unzipped" | tr / '\\')"
export VERLUMO_UNZIPPED
status=0
"$here/scripts/wine-run" "$tests" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
