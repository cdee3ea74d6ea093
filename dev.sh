#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One entry point for building and checking Morrowjar on Debian 12.
#   ./dev.sh run      install what building and running need, build the two
#                     programs, and run the opener
#   ./dev.sh test     install what the tests need too, build everything, and run
#                     the whole test suite, the fuzzer, the sanitizers, the
#                     Qt-free Windows check and what ./dev.sh windows does
#   ./dev.sh package  build the Debian package (build-deb/morrowjar_*.deb) and
#                     check it with lintian
#   ./dev.sh windows  build Qt for Windows once (cached in ~/.cache/morrowjar),
#                     both programs for Windows, check them under Wine, and
#                     make the installer and the .zip (build/windows-qt/)
#   ./dev.sh deps     only install what is missing for all of these (bench/run
#                     starts with it)
# All are idempotent: with everything in place they only rebuild what changed.
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${MORROWJAR_BUILD_DIR:-build}
package_build_dir=${MORROWJAR_PACKAGE_BUILD_DIR:-build-deb}

# Building m_jar and m_jarin (with their translations: Qt's Linguist tools;
# libical for m_jar's calendar export, which brings libicu-dev along, about
# 12 MB to download; libsystemd's sd-bus, with which m_jar asks a bus, within a
# time limit, whether it answers), and running them (Qt's own translations;
# xdg-open hands over the files).
run_packages=(
  g++ cmake ninja-build
  qt6-base-dev libgl-dev libx11-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libical-dev libsystemd-dev pkg-config
  xdg-utils
)
# The test suite and the checks after it: GoogleTest, a private X server and
# the tools the end-to-end tests drive (python3-icalendar reads the calendar
# export back), the checkers of the man pages, desktop
# entries, metainfo, icons and package, clang with its sanitizer runtimes and
# llvm-symbolizer (package llvm, which names the functions in the sanitizers'
# reports) for the fuzzer and the sanitizer build, MinGW-w64 and Wine for the
# Windows check; for Morrowjar for Windows (./dev.sh windows) NSIS for the
# installer and xclip to read the boxes under Wine. netpbm turns the private X
# server's screen into the screenshots (tools/take_screenshot.sh).
test_packages=(
  pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-qpa-plugins
  faketime xvfb xauth xdotool util-linux procps dbus-daemon dbus-bin time python3-icalendar
  man-db desktop-file-utils appstream librsvg2-bin bash-completion
  dpkg-dev file lintian
  clang libclang-rt-14-dev llvm
  g++-mingw-w64-x86-64-posix googletest wine wine64
  netpbm nsis xclip
)
# cpack's DEB generator (dpkg-shlibdeps finds the libraries with file), and lintian.
package_packages=(dpkg-dev file lintian)

install_missing() {  # PACKAGE...
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  ((EUID == 0)) || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The build of `run` leaves the tests out (no GoogleTest needed); `test`
# turns them on in the same folder.
configure() {  # TESTS(ON|OFF)
  local cache=$build_dir/CMakeCache.txt
  if [[ ! -f $build_dir/build.ninja ]] ||
    { [[ $1 == ON ]] && ! grep -qx 'MORROWJAR_BUILD_TESTS:BOOL=ON' "$cache"; }; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DMORROWJAR_BUILD_TESTS="$1"
  fi
}

# The package is built on its own, with Debian's hardening flags, and without
# the tests.
build_package() {
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cmake -S . -B "$package_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORROWJAR_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
  cmake --build "$package_build_dir"
  rm -f "$package_build_dir"/morrowjar_*.deb
  (cd "$package_build_dir" && cpack -G DEB)
  local deb
  deb=$(ls "$package_build_dir"/morrowjar_*.deb)
  echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
  dpkg-deb -f "$deb" Depends Recommends
  # Errors fail the command; warnings and notes are shown.
  lintian --fail-on error --display-info "$deb"
}

# A first capsule for a newcomer: one message written "yesterday" in the
# folder TOMORROW, so the first run has something to open.
make_sample_capsule() {
  local root=$HOME/Morrowjar
  [[ -e $root ]] && return 0
  mkdir -p "$root/TOMORROW"
  printf '%s\n' "Welcome to Morrowjar." \
    "This note lay in $root/TOMORROW and opened the day after it was written." \
    "Put files in folders named TOMORROW, EVERY MONTH, 12-25, SUNDAY ... under $root." \
    >"$root/TOMORROW/welcome.txt"
  touch -d yesterday "$root/TOMORROW/welcome.txt"
  echo "Created a sample capsule in $root (one note in TOMORROW)."
}

cmd=${1:-}
case "$cmd" in
  run)
    install_missing "${run_packages[@]}"
    configure OFF
    cmake --build "$build_dir" --target m_jar m_jarin
    shift
    (($# == 0)) && make_sample_capsule
    exec "$build_dir/opener/m_jar" "$@"
    ;;
  deps)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    ;;
  test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    configure ON
    cmake --build "$build_dir"
    (cd "$build_dir" && ctest --output-on-failure -j"$(nproc)")
    tools/fuzz.sh 60
    tools/sanitize.sh
    # The Qt-free code cross-built for Windows, its tests run under Wine.
    tools/windows_check.sh "$build_dir/windows"
    # Both programs for Windows (Qt built once into the cache), used under
    # Wine, packed and installed.
    tools/windows_qt_check.sh "$build_dir/windows-qt"
    ;;
  windows)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    tools/windows_qt_check.sh "$build_dir/windows-qt"
    ;;
  package)
    install_missing "${run_packages[@]}" "${package_packages[@]}"
    build_package
    ;;
  *)
    echo "usage: $0 run [m_jar arguments] | test | windows | package | deps" >&2
    exit 2
    ;;
esac
