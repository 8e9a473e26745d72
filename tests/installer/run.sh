#!/usr/bin/env bash
# Runs the installer's tests in a Wine prefix of their own, a copy of the build's (made by
# pe.sh, as for the headless test), so that what the installer writes (files, registry) stays
# out of every other test's way.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
base="${WINEPREFIX:-$build/wine}"
own=$(mktemp -d "$build/installer-prefix.XXXXXX")
cleanup() { WINEPREFIX="$own" wineserver -k >/dev/null 2>&1 || true; rm -rf "$own"; }
trap cleanup EXIT

PE_WINEPREFIX="$base" bash "$root/scripts/pe.sh" _copy_prefix "$own"
WINEPREFIX="$own" WINEDEBUG=-all wine "$build/installer_tests.exe" </dev/null
