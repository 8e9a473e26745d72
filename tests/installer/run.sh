#!/usr/bin/env bash
# Runs the installer's tests in a Wine prefix of their own, a copy of the build's, so that what
# the installer writes (files, registry) stays out of every other test's way.
set -euo pipefail
build=$(cd "$1" && pwd)
base="${WINEPREFIX:-$build/wine}"
own=$(mktemp -d "$build/installer-prefix.XXXXXX")
export WINEPREFIX="$own" WINEDEBUG=-all
cleanup() { wineserver -k >/dev/null 2>&1 || true; rm -rf "$own"; }
trap cleanup EXIT

cp "$base"/*.reg "$base/.update-timestamp" "$own/"
cp -a "$base/dosdevices" "$own/"
mkdir -p "$own/drive_c"
for entry in "$base/drive_c"/*; do
  # The system folder is large and only read: hard links. The rest is copied.
  if [ "$(basename "$entry")" = windows ]; then cp -al "$entry" "$own/drive_c/"; else cp -a "$entry" "$own/drive_c/"; fi
done
wine "$build/installer_tests.exe" </dev/null
