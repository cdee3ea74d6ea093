#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the writer comes
# with its application-menu entry and icon.
set -u
build=${BUILD_DIR:?set BUILD_DIR to the build folder}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
failed=0
for file in bin/m_jarin share/applications/m_jarin.desktop \
  share/icons/hicolor/scalable/apps/m_jarin.svg share/icons/hicolor/32x32/apps/m_jarin.png; do
  [[ -s $prefix/$file ]] || { echo "FAIL: $file not installed"; failed=1; }
done
entry=$prefix/share/applications/m_jarin.desktop
for line in '[Desktop Entry]' 'Type=Application' 'Exec=m_jarin' 'Icon=m_jarin'; do
  grep -qxF "$line" "$entry" || { echo "FAIL: no '$line' in the menu entry"; failed=1; }
done
exit "$failed"
