#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Qt for Windows, cross-built from Debian's own qt6-base source package with
# Debian's MinGW-w64 compiler (posix threads), the host tools taken from
# Debian's qt6-base-dev. Only what the two programs need is built: Core, Gui,
# Widgets, the "windows" platform plugin and the "windowsvista" style.
#   tools/windows_qt.sh            build it if the cache lacks it; print its folder
#                                  (alone on stdout; the progress goes to stderr)
#   tools/windows_qt.sh --prefix   only print the folder it is (or would be) in
# The result lives outside the work tree, in
#   ${MORROWJAR_CACHE:-~/.cache/morrowjar}/qt-<version>-mingw-w64-gcc<version>-posix
# and a complete one (with its stamp file) is used as it is.
# The build runs under "nice -n 10"; its log is in the cache folder.
set -euo pipefail
script_dir=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$script_dir")

host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || {
  echo "windows_qt.sh: qt6-base-dev is not installed (./dev.sh deps)" >&2
  exit 1
}
qt_version=${host_qt_version%%+*}  # 6.4.2+dfsg-10 -> 6.4.2
qt_version=${qt_version%%-*}
gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpversion)
cache=${MORROWJAR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/morrowjar}
key=qt-$qt_version-mingw-w64-gcc${gcc_version%%-*}-posix
prefix=$cache/$key
work=$cache/$key.work
stamp=$prefix/morrowjar-complete

if [[ ${1:-} == --prefix ]]; then
  echo "$prefix"
  exit 0
fi

# What makes the cache complete: every file the programs and their installer
# take from it.
needed_files=(
  bin/qt-cmake bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll
  plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll
  lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake
)
cache_complete() {
  [[ -f $stamp ]] || return 1
  local f
  for f in "${needed_files[@]}"; do [[ -e $prefix/$f ]] || return 1; done
}
if cache_complete; then
  echo "Qt for Windows: using the cache in $prefix" >&2
  echo "$prefix"
  exit 0
fi

# Options: shared release libraries without OpenGL, Vulkan, D-Bus, SQL,
# network, printing, XML, Direct2D, FreeType, ICU; the bundled zlib, PCRE,
# libpng, HarfBuzz and double-conversion. Debian's tarball lacks the bundled
# wintab headers (tablet events off), and DirectWrite 3 without Direct2D does
# not link in 6.4.2.
qt_options=(
  -release -shared -nomake examples -nomake tests
  -no-opengl -no-feature-vulkan -no-dbus -no-feature-sql -no-feature-network
  -no-feature-printsupport -no-feature-concurrent -no-feature-xml
  -no-direct2d -no-feature-directwrite3 -no-feature-tabletevent
  -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -no-freetype -qt-harfbuzz
  -qt-doubleconversion -no-icu -no-feature-zstd -no-pkg-config
)

sudo=()
((EUID == 0)) || sudo=(sudo)

# apt-get source needs a deb-src entry for the mirror and suite qt6-base-dev
# came from; add one if there is none.
ensure_deb_src() {
  if apt-get source --print-uris "qt6-base=$host_qt_version" >/dev/null 2>&1; then
    return 0
  fi
  local origin uri suite component
  # "500 http://deb.debian.org/debian bookworm/main amd64 Packages"
  origin=$(apt-cache policy qt6-base-dev |
    awk -v v="$host_qt_version" '$1 == v || $2 == v { found = 1; next }
      found && $2 ~ /^[a-z]+:\/\// { print $2, $3; exit }')
  if [[ -z $origin ]]; then
    echo "windows_qt.sh: cannot tell which mirror qt6-base-dev $host_qt_version came from" >&2
    exit 1
  fi
  uri=${origin%% *}
  suite=${origin#* }
  component=${suite#*/}
  suite=${suite%%/*}
  # The entry must name the same key as the binary entry for that mirror.
  local signed_by
  signed_by=$(awk -v uri="${uri%/}" '
      /^[^#]/ && tolower($1) == "uris:" { for (i = 2; i <= NF; i++) { u = $i; sub(/\/$/, "", u); if (u == uri) hit = 1 } }
      tolower($1) == "signed-by:" { key = $2 }
      /^[[:space:]]*$/ { if (hit && key != "") { print key; exit } hit = 0; key = "" }
      END { if (hit && key != "") print key }' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
  local list=/etc/apt/sources.list.d/morrowjar-deb-src.sources
  echo "Adding a source entry for Qt's source package: deb-src $uri $suite $component (in $list)" >&2
  {
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n' "$uri" "$suite" "$component"
    [[ -z $signed_by ]] || printf 'Signed-By: %s\n' "$signed_by"
  } | "${sudo[@]}" tee "$list" >/dev/null
  if ! "${sudo[@]}" apt-get update -qq; then
    "${sudo[@]}" rm -f "$list"
    echo "windows_qt.sh: apt-get update failed with $list; removed it" >&2
    exit 1
  fi
}

mkdir -p "$work"
log=$work/build.log
echo "Qt for Windows: not in the cache; building Qt $qt_version into $prefix (log: $log)" >&2
qt_src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
if [[ -z $qt_src || ! -f $qt_src/configure ]]; then
  ensure_deb_src
  (cd "$work" && apt-get source -qq "qt6-base=$host_qt_version") >&2
  qt_src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
fi

start=$(date +%s)
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
build=$work/build
mkdir -p "$build"
if [[ ! -f $build/build.ninja ]]; then
  (cd "$build" && nice -n 10 "$qt_src/configure" -prefix "$prefix" "${qt_options[@]}" \
    -qt-host-path /usr -- -G Ninja \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw_w64_posix_shared.cmake") >>"$log" 2>&1 ||
    { tail -n 40 "$log" >&2; exit 1; }
fi
configured=$(date +%s)
nice -n 10 cmake --build "$build" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
built=$(date +%s)
cmake --install "$build" --strip >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

printf 'Qt %s for x86_64-w64-mingw32, gcc %s (posix)\nconfigure %s s, build %s s, install %s s on %s cores\nload average before %s, after %s\noptions: %s\n' \
  "$qt_version" "$gcc_version" $((configured - start)) $((built - configured)) \
  $(($(date +%s) - built)) "$(nproc)" "$load_before" "$load_after" "${qt_options[*]}" >"$stamp"
cat "$stamp" >&2
cache_complete || { echo "windows_qt.sh: the install lacks files the programs need" >&2; exit 1; }
# The build tree is large; the source stays for a rebuild.
rm -rf "$build"
echo "$prefix"
