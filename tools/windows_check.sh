#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows check: cross-builds the Qt-free code (the rules, the platform
# layer's Win32 side) and its tests with MinGW, and runs the tests under Wine.
#   tools/windows_check.sh [BUILD_DIR]     (default build/windows)
# Without the MinGW compiler or Wine it says so and does nothing.
set -euo pipefail
build_dir=$(realpath -m "${1:-$(dirname "$0")/../build/windows}")
cd "$(dirname "$0")/.."
source_dir=$PWD

for tool in x86_64-w64-mingw32-g++-posix wine wineserver; do
  if ! command -v "$tool" >/dev/null; then
    echo "Windows check skipped: $tool is not installed."
    exit 0
  fi
done

if [[ ! -f "$build_dir/build.ninja" ]]; then
  cmake -S tools/windows_check -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw_w64_posix.cmake"
fi
cmake --build "$build_dir"

# Wine gets a home and a prefix of its own, without a display; no menu entries
# and no Mono or Gecko downloads.
export HOME=$build_dir/wine/home WINEPREFIX=$build_dir/wine/prefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY
# The Windows C runtime reads TZ in a format of its own and misreads names such
# as "Europe/Paris"; without TZ both it and Wine use the host's zone.
unset TZ
mkdir -p "$HOME" "$WINEPREFIX"

# One persistent server, so each test does not start one, stopped at the end.
# Wine's own services start here, apart from the tests: started by a test they
# would hold its output open and CTest would wait for them.
wineserver -p
trap 'wineserver -k || true' EXIT
timeout 300 wine wineboot --init </dev/null >/dev/null 2>&1 || true

cd "$build_dir"
ctest --output-on-failure -j"$(nproc)"
echo "Not built for Windows (POSIX only): $(cat posix_only_tests.txt)"
# GoogleTest prints a skipped test's reason on the line before its result.
echo "Skipped under Windows:"
awk '/^\[  SKIPPED \] .* ms\)$/ { print "  " $4 ": " previous } { previous = $0 }' \
  Testing/Temporary/LastTest.log | sort -u
