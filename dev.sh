#!/usr/bin/env bash
# One entry point for building and checking Morrowjar on Debian 12.
#   ./dev.sh run    install what is missing, build, and run the opener
#   ./dev.sh test   install what is missing, build, and run the whole test suite
#   ./dev.sh deps   only install what is missing (bench/run starts with it)
# Both are idempotent: with everything in place they only rebuild what changed.
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${MORROWJAR_BUILD_DIR:-build}

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev libx11-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  faketime xvfb xauth xdotool xdg-utils util-linux procps dbus-daemon dbus-bin
  time
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix googletest wine wine64
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  ((EUID == 0)) || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$build_dir"
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
    install_missing
    build
    shift
    (($# == 0)) && make_sample_capsule
    exec "$build_dir/opener/m_jar" "$@"
    ;;
  deps)
    install_missing
    ;;
  test)
    install_missing
    build
    (cd "$build_dir" && ctest --output-on-failure -j"$(nproc)")
    tools/fuzz.sh 60
    tools/sanitize.sh
    # The Qt-free code cross-built for Windows, its tests run under Wine.
    tools/windows_check.sh "$build_dir/windows"
    ;;
  *)
    echo "usage: $0 run [m_jar arguments] | test | deps" >&2
    exit 2
    ;;
esac
