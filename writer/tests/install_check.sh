#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into temporary prefixes and checks that the writer comes
# with its application-menu entry and icons, and that the entry starts it
# whether or not the prefix's bin folder is on the PATH.
set -u
build=${BUILD_DIR:?set BUILD_DIR to the build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
id=io.github.morrowjar.Morrowjar
source "$(dirname "$0")/../../tests/e2e_lib.sh"

# For one user (the autostart entry then stays in the temporary home). An
# earlier install's entry under the former name goes, so that the menu does
# not show the writer twice.
export HOME=$tmp/home XDG_CONFIG_HOME=
prefix=$HOME/.local
mkdir -p "$prefix/share/applications"
printf '[Desktop Entry]\nName=Morrowjar Text Input\nExec=m_jarin\n' \
  >"$prefix/share/applications/m_jarin.desktop"
cmake --install "$build" --prefix "$prefix" >"$tmp/log" 2>&1 ||
  { echo "FAIL: install: $(cat "$tmp/log")"; exit 1; }
for file in bin/m_jarin share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
  share/icons/hicolor/32x32/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
  [[ -s $prefix/$file ]] || fail "$file not installed"
done
[[ ! -e $prefix/share/applications/m_jarin.desktop ]] || fail "the entry of the former name is left"
entry=$prefix/share/applications/$id.desktop
for line in '[Desktop Entry]' 'Type=Application' "Exec=\"$prefix/bin/m_jarin\"" \
  "Icon=$prefix/share/icons/hicolor/256x256/apps/$id.png" 'StartupWMClass=m_jarin'; do
  grep -qxF "$line" "$entry" || fail "no '$line' in the menu entry"
done

# Under /usr the program and the icon are found by their names.
DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >"$tmp/log" 2>&1 ||
  { echo "FAIL: staged install: $(cat "$tmp/log")"; exit 1; }
entry=$tmp/stage/usr/share/applications/$id.desktop
for line in 'Exec=m_jarin' "Icon=$id"; do
  grep -qxF "$line" "$entry" || fail "no '$line' in the system-wide menu entry"
done
summary
