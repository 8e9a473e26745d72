#!/usr/bin/env bash
# Builds PofuttoErase and runs it, its tests or its benchmark under Wine on Debian.
#   scripts/pe.sh run [ARGS...]   build, then start PofuttoErase.exe with ARGS (without a DISPLAY:
#                                 on a virtual screen, pictured every second in build/run-screen.png)
#   scripts/pe.sh test            build, then run every test
#   scripts/pe.sh bench [FILES]   build, then run the cleanup benchmark (scripts/bench.sh); with
#                                 --slope, on trees of several sizes
#   scripts/pe.sh screens         build, then photograph every window into docs/screens, at 96
#                                 and (docs/screens/144dpi) at 144 DPI
#   scripts/pe.sh release         from the commit checked out: the zip, the installer and
#                                 SHA256SUMS in dist/, built twice in separate clones and compared;
#                                 signed with the certificate PE_SIGN_PFX (password PE_SIGN_PASSWORD)
# Installs what is missing (as root), keeps its Wine prefix in build/, and is quiet unless
# something fails.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
arguments=("$@")
mode=${1:-}
[ $# -gt 0 ] && shift

# On Windows itself (MSYS2's MinGW-w64 shell, as the Windows workflow runs this script) there is
# no Wine: the build is native, the tests run as they are and nothing is installed.
case "$(uname -s)" in MINGW* | MSYS*) native=1 ;; *) native=0 ;; esac

export WINEDEBUG=-all WINEARCH=win64
# PE_WINEPREFIX: another prefix this script has made (a test's copy of build/wine).
export WINEPREFIX="${PE_WINEPREFIX:-$build/wine}"
# No debugger: a program that crashes ends at once, instead of waiting for one under a test.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

log() { printf '%s\n' "$*" >&2; }

install_missing() {
  if [ "$native" = 1 ]; then native_tools; return; fi
  local -A need=(
    [x86_64-w64-mingw32-g++-posix]=g++-mingw-w64-x86-64-posix
    [x86_64-w64-mingw32-windres]=mingw-w64-tools
    [cmake]=cmake
    [ninja]=ninja-build
    [wine]=wine
    [wine64]=wine64
    [Xvfb]=xvfb
    [xvfb-run]=xvfb
    [xauth]=xauth
    [import]=imagemagick
    [makensis]=nsis
    [zip]=zip
    [unzip]=unzip
    [locale-gen]=locales
    [openssl]=openssl
    [softhsm2-util]=softhsm2
    [python3]=python3
  )
  local missing=()
  for tool in "${!need[@]}"; do
    if ! command -v "$tool" >/dev/null 2>&1 && ! [ -x "/usr/lib/wine/$tool" ]; then
      missing+=("${need[$tool]}")
    fi
  done
  [ -d /usr/src/googletest/googletest ] || missing+=(googletest)
  # The signer reaches a key on a token through OpenSSL's PKCS#11 engine.
  compgen -G '/usr/lib/*/engines-3/pkcs11.so' >/dev/null || missing+=(libengine-pkcs11-openssl)
  [ -d /usr/share/fonts/opentype/ipafont-gothic ] || missing+=(fonts-ipafont)
  # Wine's own fonts draw the title bar's close box (Marlett).
  [ -f /usr/share/wine/fonts/marlett.ttf ] || missing+=(fonts-wine)
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing: $(printf '%s\n' "${missing[@]}" | sort -u | tr '\n' ' ')"
    # The C locale until the Japanese one exists, so that apt and perl do not complain of it.
    local apt_log
    apt_log=$(mktemp)
    { LC_ALL=C apt-get update -qq &&
      LC_ALL=C DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        $(printf '%s\n' "${missing[@]}" | sort -u); } >"$apt_log" 2>&1 ||
      { cat "$apt_log"; exit 1; }
    rm -f "$apt_log"
  fi
  signer_at_least_2_9

  # Japanese, the program's own; Hindi, whose Windows locale has no ANSI code page, so that Wine's
  # is UTF-8 there (the tests of a system with "Use Unicode UTF-8 for worldwide language support").
  local locale added=0
  for locale in ja_JP hi_IN; do
    LC_ALL=C locale -a 2>/dev/null | grep -qi "^$locale.utf8$" && continue
    sed -i "s/^# *$locale.UTF-8 UTF-8/$locale.UTF-8 UTF-8/; s/^# *$locale UTF-8/$locale UTF-8/" /etc/locale.gen
    grep -qE "^$locale(.UTF-8)? UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" >>/etc/locale.gen
    added=1
  done
  if [ "$added" = 1 ]; then
    LC_ALL=C locale-gen >/dev/null
    # A shell that started before the locale existed cannot switch to it: start afresh.
    exec bash "$root/scripts/pe.sh" "${arguments[@]}"
  fi
  # Wine's ANSI code page follows the locale: 932 for Japanese.
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}

# osslsigncode 2.9 or later: it reads the key's password or PIN from standard input (2.9) and signs
# packages (2.7, with their central directory sorted as Windows wants from 2.9). Debian bookworm's
# own suite has 2.5; its backports have 2.9.
signer_at_least_2_9() {
  local version
  version=$(osslsigncode --version 2>/dev/null | awk 'NR == 1 {print $2}')
  if [ -n "$version" ] && printf '2.9\n%s\n' "$version" | sort -V -C; then return; fi
  local suite
  suite="$(. /etc/os-release && echo "$VERSION_CODENAME")-backports"
  log "installing: osslsigncode from $suite (2.9 or later is needed; this machine has ${version:-none})"
  grep -rqs "$suite" /etc/apt/sources.list /etc/apt/sources.list.d ||
    echo "deb http://deb.debian.org/debian $suite main" >/etc/apt/sources.list.d/pofutto-backports.list
  { LC_ALL=C apt-get update -qq &&
    LC_ALL=C DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -t "$suite" osslsigncode; } \
    >/dev/null 2>&1 || { log "osslsigncode 2.9 could not be installed from $suite"; exit 1; }
}

# On Windows the tools come from MSYS2 (and NSIS from its own installer); what is missing is
# named, with the package that brings it.
native_tools() {
  local -A need=(
    [g++]=mingw-w64-x86_64-gcc [cmake]=mingw-w64-x86_64-cmake [ninja]=mingw-w64-x86_64-ninja
    [makensis]="NSIS (nsis.sourceforge.io, or choco install nsis)" [zip]=zip [unzip]=unzip
    [iconv]=libiconv [git]=git
    [osslsigncode]=mingw-w64-x86_64-osslsigncode [openssl]=openssl
  )
  local missing=() tool
  for tool in "${!need[@]}"; do command -v "$tool" >/dev/null 2>&1 || missing+=("$tool (${need[$tool]})"); done
  [ -f /mingw64/lib/libgtest.a ] || missing+=("GoogleTest (mingw-w64-x86_64-gtest)")
  if [ ${#missing[@]} -gt 0 ]; then
    log "missing on this Windows machine: ${missing[*]}"
    exit 1
  fi
}

# Configures once (Ninja; with configure_options too), then builds the given targets (the default
# ones when none). On failure it shows what the compiler and linker said, without the progress
# lines.
configure_options=()
compile() {
  if [ ! -f "$build/build.ninja" ]; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"  # made by another generator
    local toolchain=()
    [ "$native" = 1 ] || toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake")
    LC_ALL=C cmake -S "$root" -B "$build" -G Ninja "${toolchain[@]}" \
      -DCMAKE_BUILD_TYPE=Release "${configure_options[@]}" >"$build.configure.log" 2>&1 ||
      { configure_failed "$build.configure.log"; exit 1; }
  fi
  local targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  LC_ALL=C cmake --build "$build" -j"$(nproc)" "${targets[@]}" >"$build.build.log" 2>&1 ||
    { grep -vE '^\[[0-9]+/[0-9]+\] ' "$build.build.log" | head -150; exit 1; }
}

# What a failed configure says: the messages of its errors alone where it gave any (the project's
# own checks say theirs in one line), else its whole log.
configure_failed() {  # $1: the log
  local said
  said=$(sed -n '/^CMake Error/,/^$/p' "$1" | grep -v '^CMake Error' | sed 's/^ *//' | grep . || true)
  if [ -n "$said" ]; then log "$said"; else cat "$1"; fi
}

# Whether two files hold the same bytes (without cmp, which a default MSYS2 lacks).
same_bytes() { [ "$(sha256sum <"$1")" = "$(sha256sum <"$2")" ]; }

certificate_subject() { bash "$root/scripts/certificate_subject.sh"; }

# A release from the commit checked out: refused for a work tree with changes (a release is made
# from a commit); the configure refuses a version that is not MAJOR.MINOR.PATCH. Built twice, in
# two fresh clones at different paths, without the tests; both must give the same bytes. dist/
# then holds the zip, the installer and SHA256SUMS. With a certificate (PE_SIGN_PFX, its password
# in PE_SIGN_PASSWORD) the program, the uninstaller and the installer are signed, at the commit's
# time; with PE_SIGN_TIMESTAMP (an RFC 3161 server) they are timestamped too, which makes every
# build's bytes its own, so then it is built once.
release() {
  local version commit epoch work side status sides signed=unsigned
  if ! git -C "$root" rev-parse --verify -q HEAD >/dev/null; then
    log "release: $root is not a git checkout with a commit; a release is made from a commit"
    exit 1
  fi
  if [ -n "$(git -C "$root" status --porcelain)" ]; then
    log "release: the work tree has changes that are not committed; a release is made from a commit"
    exit 1
  fi
  commit=$(git -C "$root" rev-parse --short HEAD)
  epoch=$(git -C "$root" log -1 --format=%ct HEAD)
  configure_options=(-DPOFUTTO_TESTS=OFF)
  sides=(a second-build)
  if [ -n "${PE_SIGN_PKCS11_MODULE:-}" ]; then
    [ -f "$PE_SIGN_PKCS11_MODULE" ] || { log "release: PE_SIGN_PKCS11_MODULE names no file"; exit 1; }
    [ -f "${PE_SIGN_CERT:-}" ] || { log "release: PE_SIGN_CERT names no certificate"; exit 1; }
    [ -n "${PE_SIGN_KEY:-}" ] || { log "release: PE_SIGN_KEY names no key (a pkcs11: URI)"; exit 1; }
    configure_options+=(-DPOFUTTO_SIGN=ON)
    export SOURCE_DATE_EPOCH=$epoch PE_SIGN_PKCS11_MODULE PE_SIGN_KEY PE_SIGN_CERT PE_SIGN_PIN="${PE_SIGN_PIN:-}"
    configure_options+=("-DPOFUTTO_PACKAGE_PUBLISHER=$(certificate_subject <"$PE_SIGN_CERT")")
    signed="signed (key on a token)"
  elif [ -n "${PE_SIGN_PFX:-}" ]; then
    [ -f "$PE_SIGN_PFX" ] || { log "release: PE_SIGN_PFX names no file"; exit 1; }
    configure_options+=(-DPOFUTTO_SIGN=ON)
    export SOURCE_DATE_EPOCH=$epoch PE_SIGN_PFX PE_SIGN_PASSWORD="${PE_SIGN_PASSWORD:-}"
    configure_options+=("-DPOFUTTO_PACKAGE_PUBLISHER=$(openssl pkcs12 -in "$PE_SIGN_PFX" -nokeys -clcerts \
      -passin env:PE_SIGN_PASSWORD 2>/dev/null | certificate_subject)")
    signed=signed
  fi
  if [ "$signed" != unsigned ] && [ -n "${PE_SIGN_TIMESTAMP:-}" ]; then
    sides=(a)
    signed="$signed and timestamped"
  fi
  work=$(mktemp -d "${TMPDIR:-/tmp}/pofutto-release.XXXXXX")
  trap "rm -rf '$work'" EXIT
  for side in "${sides[@]}"; do
    git clone -q "$root" "$work/$side/PofuttoErase"
    status=0
    ( root="$work/$side/PofuttoErase"
      build="$root/build"
      compile PofuttoErase installer
      bash "$root/scripts/release_files.sh" "$build" "$work/$side.out" "$epoch" ) || status=$?
    [ "$status" = 0 ] || exit "$status"
  done
  # The configure has checked the version's form.
  version=$(cat "$work/a/PofuttoErase/build/generated/version.txt")
  local same="two builds in separate clones gave the same bytes"
  if [ ${#sides[@]} = 2 ]; then
    for file in "PofuttoErase-$version.zip" "PofuttoErase-$version-setup.exe" SHA256SUMS; do
      if ! same_bytes "$work/a.out/$file" "$work/second-build.out/$file"; then
        log "release: the two builds differ in $file; nothing was written to dist/"
        exit 1
      fi
    done
  else
    same="built once, as a timestamp makes each build's bytes its own"
  fi
  mkdir -p "$root/dist"
  rm -f "$root/dist"/PofuttoErase-*.zip "$root/dist"/PofuttoErase-*-setup.exe "$root/dist/SHA256SUMS"
  cp "$work/a.out"/* "$root/dist/"
  log "release $version of $commit in dist/: PofuttoErase-$version.zip, PofuttoErase-$version-setup.exe, SHA256SUMS;" \
    "$same; $signed$([ "$signed" = unsigned ] && echo " (no key in PE_SIGN_PKCS11_MODULE or PE_SIGN_PFX)")"
}

# A Wine prefix of our own, Japanese (ANSI code page 932), with a virtual desktop so windows
# close at once without a window manager, and the program's font mapped to an installed one. Its
# marker holds a digest of this set-up, so a changed set-up makes a new prefix.
prepare_prefix() {
  [ "$native" = 1 ] && return
  local digest
  digest=$(declare -f prepare_prefix | sha1sum | cut -d' ' -f1)
  [ "$(cat "$WINEPREFIX/.ready" 2>/dev/null)" = "$digest" ] && return
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1
  wineserver -w
  echo "$digest" >"$WINEPREFIX/.ready"
}

# The build and the prefix at once: the one keeps the processors busy, the other mostly waits on
# Wine's start. After a failed build the prefix is still finished (Wine's start cannot be stopped
# halfway cleanly), so that no Wine process outlives this script.
compile_and_prepare() {  # the targets, as compile takes them
  prepare_prefix &
  local prefix_job=$! built=0
  (compile "$@") && built=1
  wait "$prefix_job"
  [ "$built" = 1 ] || exit 1
}

# A copy of the prefix, marker included. The large, only-read system folder is hard-linked; the
# rest is copied, but for the users' temporary files.
copy_prefix() {  # $1: where the copy goes
  rm -rf "$1"
  mkdir -p "$1/drive_c"
  cp -a "$WINEPREFIX"/*.reg "$WINEPREFIX/.update-timestamp" "$WINEPREFIX/.ready" "$WINEPREFIX/dosdevices" "$1/"
  for entry in "$WINEPREFIX/drive_c"/*; do
    case "$(basename "$entry")" in
      windows) cp -al "$entry" "$1/drive_c/" ;;
      # Without what the users' temporary folders hold: the tests that run meanwhile make and
      # remove their trees there.
      users) tar -C "$WINEPREFIX/drive_c" --exclude='users/*/Temp/*' -cf - users | tar -C "$1/drive_c" -xf - ;;
      *) cp -a "$entry" "$1/drive_c/" ;;
    esac
  done
}

# A copy of the prefix that draws at another scale (its LogPixels), made inside the display. Made
# anew each time, so that it looks as the prefix looks now.
scaled_prefix() {  # $1: the DPI
  local copy="$build/wine-${1}dpi"
  copy_prefix "$copy"
  WINEPREFIX="$copy" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  WINEPREFIX="$copy" wineserver -w
}

with_display() {
  if [ "$native" = 1 ] || [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

# Every process of one run of the program (see run_program), one per line: those in the job's
# process group, those that carry the run's mark in their environment (as do Wine's server and
# services, which leave the group), and every descendant of one of them (a process in the middle
# of starting a program shows no environment). This script's own shells are never among them.
run_processes() {  # $1: the job, $2: the mark
  local marked
  marked=$({ env -u PE_RUN grep -lsxzF "PE_RUN=$2" /proc/[0-9]*/environ 2>/dev/null || true; } |
    tr -dc '0-9\n' | tr '\n' ' ')
  # Processes come and go while they are read: whatever could be read.
  { cat /proc/[0-9]*/stat 2>/dev/null || true; } | awk -v group="$1" -v marked="$marked" -v self="$$ $BASHPID" '
    {
      pid = $1
      sub(/^.*\) /, "")  # the name in parentheses may hold blanks
      if ($1 == "Z") next  # gone already: only its parent has yet to hear of it
      parent[pid] = $2
      if ($3 == group) found[pid] = 1
    }
    END {
      n = split(marked, m, " ")
      for (i = 1; i <= n; i++) if (m[i] in parent) found[m[i]] = 1
      do {
        grown = 0
        for (pid in parent) if (!(pid in found) && (parent[pid] in found)) { found[pid] = 1; grown = 1 }
      } while (grown)
      split(self, s, " ")
      for (pid in found) if (pid != s[1] && pid != s[2]) print pid
    }'
}

# Ends a run's job (a process group of its own) and every process of it: politely, then, whatever
# still stands two seconds later, by force. Done once three scans in a row find none, so that
# none being born of one that just went is missed. Bounded: at most five seconds.
stop_run() {  # $1: the job, $2: its mark
  local i pids quiet=0
  kill -TERM -- "-$1" 2>/dev/null || true
  for i in $(seq 50); do
    pids=$(run_processes "$1" "$2")
    if [ -z "$pids" ]; then
      quiet=$((quiet + 1))
      [ "$quiet" -ge 3 ] && break
    else
      quiet=0
      if [ "$i" -lt 20 ]; then kill -TERM $pids 2>/dev/null || true; else kill -KILL $pids 2>/dev/null || true; fi
    fi
    sleep 0.1
  done
  wait "$1" 2>/dev/null || true
}

# Builds, makes the prefix and runs the program with the arguments, all in a job that a signal
# to this script (Ctrl+C, kill, a timeout, a closed terminal) ends at whatever moment it comes,
# with everything the job started. The status is the program's, or 128 + the signal's number.
run_program() {
  local job mark signal=0 status=0
  mark="$$-$(date +%s%N)"
  trap 'signal=2' INT
  trap 'signal=15' TERM
  trap 'signal=1' HUP
  set -m  # a process group of its own: Ctrl+C reaches this script alone, which ends the job
  PE_RUN="$mark" bash "$root/scripts/pe.sh" _run "$@" </dev/null &
  job=$!
  set +m
  # Waits in short steps: a signal whose trap runs just before a wait would otherwise be seen
  # only when the program ends, which may be never.
  while [ "$signal" = 0 ] && kill -0 "$job" 2>/dev/null; do
    sleep 0.1 &
    wait $! 2>/dev/null || true
  done
  trap - INT TERM HUP
  if [ "$signal" != 0 ]; then
    stop_run "$job" "$mark"
    return $((128 + signal))
  fi
  wait "$job" || status=$?
  # The program has ended by itself; its Wine processes too, unless one hangs.
  stop_run "$job" "$mark"
  return $status
}

run_tests() {
  # Every run starts each test program with an empty home, and so an empty recycle bin.
  local home
  for home in "$build"/test-home/*; do rm -rf "$home"; mkdir -p "$home/.local/share"; done
  if [ "$native" = 0 ]; then
    wineserver -p >/dev/null 2>&1 || true
    # Start Wine's background processes (services, the desktop) now, away from ctest's output
    # pipes: ctest waits for every process that holds them.
    wine "$build/PofuttoErase.exe" warm-up warm-up </dev/null >/dev/null 2>&1 || true
  fi
  local status=0
  # The tests that share the desktop run one at a time (their lock), the others beside them.
  ctest --test-dir "$build" --output-on-failure --timeout 900 --parallel 4 "$@" || status=$?
  [ "$native" = 1 ] || wineserver -k >/dev/null 2>&1 || true
  return $status
}

case "$mode" in
  run)
    install_missing; mkdir -p "$build"
    run_program "$@"
    ;;
  _run)  # the job of run_program: build, prefix, and the program on the display or, without
    # one, on a virtual screen, since a dialog would wait for a click that cannot come there
    compile_and_prepare
    [ "$native" = 1 ] && exec "$build/PofuttoErase.exe" "$@"
    if [ -n "${DISPLAY:-}" ]; then
      exec bash "$root/scripts/pe.sh" _wine "$build/PofuttoErase.exe" "$@"
    fi
    picture="$build/run-screen.png"
    rm -f "$picture"
    log "No DISPLAY: the windows are on a virtual screen, pictured every second in $picture;" \
      "set DISPLAY to see them live. Ctrl+C ends the program."
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$root/scripts/pe.sh" _pictured "$picture" \
      "$build/PofuttoErase.exe" "$@" >/dev/null 2>&1
    ;;
  test)
    install_missing; mkdir -p "$build"; compile_and_prepare
    with_display bash "$root/scripts/pe.sh" _ctest "$@"
    ;;
  bench)
    install_missing; mkdir -p "$build"; compile_and_prepare all bench_tools
    with_display bash "$root/scripts/bench.sh" "$@"
    ;;
  release)
    install_missing
    release
    ;;
  sources)  # every source compiled on its own, without the precompiled header (slow: minutes)
    install_missing; mkdir -p "$build"; compile
    bash "$root/tests/sources_alone.sh" "$build" --all
    ;;
  screens)
    install_missing; mkdir -p "$build"; compile_and_prepare all screens
    with_display bash "$root/scripts/pe.sh" _screens </dev/null
    ;;
  _screens)  # inside the display: the pictures at 96 DPI, then at 144 DPI (150 %)
    mkdir -p "$root/docs/screens/144dpi"
    wine "$build/screens.exe" "$root/docs/screens"
    wineserver -k >/dev/null 2>&1 || true
    scaled_prefix 144
    WINEPREFIX="$build/wine-144dpi" wine "$build/screens.exe" "$root/docs/screens/144dpi"
    WINEPREFIX="$build/wine-144dpi" wineserver -k >/dev/null 2>&1 || true
    ;;
  _ctest)  # inside the display that test set up
    run_tests "$@"
    ;;
  _wine | _pictured)  # inside the display: a program, then Wine's background processes, before
    # the display ends; _pictured takes a picture of the screen every second meanwhile
    watcher=
    if [ "$mode" = _pictured ]; then
      picture=$1
      shift
      ( while sleep 1; do
          import -window root "png:$picture.part" 2>/dev/null && mv -f "$picture.part" "$picture"
        done ) &
      watcher=$!
    fi
    status=0
    wine "$@" || status=$?
    if [ -n "$watcher" ]; then kill "$watcher" 2>/dev/null || true; rm -f "$picture.part"; fi
    wineserver -k >/dev/null 2>&1 || true
    timeout 10 wineserver -w >/dev/null 2>&1 || true
    exit $status
    ;;
  _copy_prefix)  # a copy of the prefix for a test: $1, where it goes
    copy_prefix "$1"
    ;;
  *)
    log "usage: scripts/pe.sh run [ARGS...] | test [CTEST ARGS...] | bench [FILES] [ROUNDS] | bench --slope [ROUNDS] [FOLDERS...] | bench --startup [ROUNDS] | screens | release | sources"
    exit 2
    ;;
esac
