#!/usr/bin/env bash
# Every source compiles on its own. The build lends each file the shared precompiled header
# (<windows.h>, and <gtest/gtest.h> in the tests), and the unity build the files before it, so a
# file that forgets an include still builds there and breaks only the file-by-file build
# (-DPOFUTTO_UNITY=OFF) or another compiler.
#   sources_alone.sh             what the precompiled header would hide, read from the sources (a
#                                second): a file that names the Windows API includes <windows.h>
#                                or a header of ours (each of which does so itself where it needs
#                                it), before any other Windows header; a test includes gtest
#   sources_alone.sh BUILD --all every source compiled alone, without the precompiled header
#                                (minutes: <windows.h> alone takes a second a file); pe.sh sources
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'bench/*.cpp' |
  grep -v '^tests/company/versions/')

if [ "${2:-}" != --all ]; then
  exec python3 - "${sources[@]}" <<'PY'
import re, sys
sources = sys.argv[1:]
windows_words = re.compile(r"\b(HWND|HANDLE|HMONITOR|HICON|HFONT|HDC|HMODULE|HINSTANCE|DWORD|UINT|WPARAM|LPARAM|"
                           r"LRESULT|BOOL|RECT|POINT|SIZE|MSG|WINAPI|CALLBACK|[A-Z][A-Za-z]+W\()")
# Windows headers that are not whole without <windows.h> before them.
partial = re.compile(r"^#include <(commctrl|shellapi|shellscalingapi|tlhelp32|uxtheme|vssym32|winternl|psapi|"
                     r"dbghelp|shlwapi)\.h>")
include = re.compile(r'^#include ([<"])([^>"]+)[>"]')
roots = ["src/", "tests/"]
lines = {f: open(f, encoding="utf-8").read().splitlines() for f in sources}

def resolve(name, including=""):
    for root in [including.rsplit("/", 1)[0] + "/"] + roots:
        if root + name in lines:
            return root + name
    return None

def includes(f):
    for n, line in enumerate(lines[f]):
        m = include.match(line)
        if m:
            yield n, m.group(1), m.group(2)

# The headers of ours that bring <windows.h> (or gtest), themselves or through one of ours.
def bringing(system):
    brings = set()
    changed = True
    while changed:
        changed = False
        for f in lines:
            if f in brings:
                continue
            for _, kind, name in includes(f):
                if (kind == "<" and name == system) or (kind == '"' and resolve(name, f) in brings):
                    brings.add(f)
                    changed = True
                    break
    return brings

windows = bringing("windows.h")
gtest = bringing("gtest/gtest.h")
failed = False
for f in sources:
    first = None
    for n, kind, name in includes(f):
        if (kind == "<" and name == "windows.h") or (kind == '"' and resolve(name, f) in windows):
            first = n
            break
    code = "\n".join(re.sub(r"//.*", "", line) for line in lines[f] if not line.startswith("#include"))
    if windows_words.search(code) and first is None:
        print(f"{f} names the Windows API but brings in no <windows.h>")
        failed = True
    for n, line in enumerate(lines[f]):
        if partial.match(line) and (first is None or first > n):
            print(f"{f} includes {line.split()[1]} before <windows.h>")
            failed = True
    if f.startswith("tests/") and re.search(r"^(TEST|TEST_F)\(", "\n".join(lines[f]), re.M) and f not in gtest:
        print(f"{f} holds tests but brings in no <gtest/gtest.h>")
        failed = True
if not failed:
    print(f"{len(sources)} sources include what the precompiled header would lend them")
sys.exit(1 if failed else 0)
PY
fi

build=$(cd "$1" && pwd)
compiler=$(command -v x86_64-w64-mingw32-g++-posix || command -v g++)
flags=(-std=c++20 -DNOMINMAX -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DWINVER=0x0A00 -D_WIN32_WINNT=0x0A00
  -DGTEST_HAS_PTHREAD=0 -DPOFUTTO_VERSION_TEXT=\"0.0.0\" -I"$root" -Itests -I"$build/generated"
  -isystem /usr/src/googletest/googletest/include)
for layer in "$build"/layers/*; do flags+=(-I"$layer"); done
printf '%s\n' "${sources[@]}" | grep '\.cpp$' | xargs -r -P "$(nproc)" -I{} sh -c '
  if ! out=$("$0" -fsyntax-only "$@" {} 2>&1); then echo "{} does not compile on its own:"; echo "$out" | head -5; exit 1; fi
  ' "$compiler" "${flags[@]}"
echo "every source compiles on its own"
