#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Morrowjar for Windows, built and checked: both programs built with the
# project's CMake against Qt for Windows (tools/windows_qt.sh builds it once
# into a cache), used under Wine as on Windows
# (tools/windows_check/wine_programs_test.sh), packed by CPack as an NSIS
# installer and a portable .zip, and the installer run under Wine
# (tools/windows_check/wine_installer_test.sh).
#   tools/windows_qt_check.sh [BUILD_DIR]     (default build/windows-qt)
# Every step has a time limit. The packages are left in BUILD_DIR.
set -euo pipefail
build_dir=$(realpath -m "${1:-$(dirname "$0")/../build/windows-qt}")
cd "$(dirname "$0")/.."
source_dir=$PWD

for tool in x86_64-w64-mingw32-g++-posix wine wineserver makensis Xvfb xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "windows_qt_check.sh: $tool is missing (./dev.sh deps)" >&2; exit 1; }
done

started=$SECONDS
# A cold build of Qt takes 15 minutes on two quiet cores, well over half an
# hour on busy ones.
qt=$(timeout 7200 tools/windows_qt.sh)
echo "Qt for Windows in $qt ($((SECONDS - started)) s)"

# RelWithDebInfo (-O2) as on Linux: at -O3, GCC 12's libstdc++ gives false
# -Wrestrict warnings (GCC bug 105329). The installed files are stripped.
if [[ ! -f $build_dir/build.ninja ]]; then
  timeout 600 "$qt/bin/qt-cmake" -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source_dir/cmake/mingw_w64_posix_shared.cmake" \
    -DMORROWJAR_BUILD_TESTS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
fi
timeout 3600 nice -n 10 cmake --build "$build_dir"
stage=$build_dir/stage
rm -rf "$stage"
timeout 300 cmake --install "$build_dir" --prefix "$stage" --strip
echo "Built and staged in $stage ($((SECONDS - started)) s)"

# Wine gets a home and a prefix of its own. No menu entries on the host, no
# Mono or Gecko downloads; Wine's own services start here, before the tests.
export HOME=$build_dir/wine/home WINEPREFIX=$build_dir/wine/prefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY TZ
mkdir -p "$HOME" "$WINEPREFIX"
# (A server already running for this prefix serves as well.)
wineserver -p || true
trap 'wineserver -k || true' EXIT
timeout 300 wine wineboot --init </dev/null >/dev/null 2>&1 || true
# The boot of a new prefix leaves its desktop process (explorer.exe /desktop)
# running without a display, and the windows of every program started later
# would go to it rather than to the tests' X server: end the boot's
# processes and start the server afresh.
wineserver -k || true
wineserver -w || true
wineserver -p

status=0
timeout 120 tools/windows_check/dll_check.sh "$stage" || status=1
SCREENSHOTS=${MORROWJAR_SCREENSHOTS:-} timeout 900 \
  tools/windows_check/wine_programs_test.sh "$stage" "$build_dir/programs_test" || status=1

(cd "$build_dir" && rm -f morrowjar-*-win64.* &&
  timeout 600 cpack -G NSIS >/dev/null && timeout 300 cpack -G ZIP >/dev/null)
for package in "$build_dir"/morrowjar-*-win64.{exe,zip}; do
  echo "Package: $package ($(du -k "$package" | cut -f1) KiB)"
done
timeout 900 tools/windows_check/wine_installer_test.sh "$build_dir"/morrowjar-*-win64.exe || status=1
echo "Windows build and checks: $((SECONDS - started)) s"
exit "$status"
