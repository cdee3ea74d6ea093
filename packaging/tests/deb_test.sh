#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build with CPack, unpacks it with dpkg -x
# into a temporary root and checks its name, control fields, file list and
# desktop entries; lintian must report no error.
set -u
build=${BUILD_DIR:?}
version=${VERSION:?}
id=${APP_ID:?}
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/../../tests/e2e_lib.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$tmp/out/morrowjar_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { echo "FAIL: no $deb among: $(ls "$tmp/out")"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == morrowjar ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture"
[[ $(field Section) == utils ]] || fail "Section: $(field Section)"
[[ $(field Maintainer) == *"<"*@*">" ]] || fail "Maintainer: $(field Maintainer)"
# Depends comes from dpkg-shlibdeps: the libraries the programs link.
depends=$(field Depends)
for package in libc6 libstdc++6 libical3 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libx11-6; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done
[[ $(field Recommends) == "fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n, xdg-utils" ]] ||
  fail "Recommends: $(field Recommends)"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles >"$tmp/conffiles" 2>/dev/null
[[ $(cat "$tmp/conffiles") == "/etc/xdg/autostart/$id.Opener.desktop" ]] ||
  fail "conffiles: $(cat "$tmp/conffiles")"

root=$tmp/root
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x"; exit 1; }
actual=$(cd "$root" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort)
expected=$(
  {
    echo /etc/xdg/autostart/$id.Opener.desktop
    echo /usr/bin/m_jar
    echo /usr/bin/m_jarin
    echo /usr/share/applications/$id.desktop
    echo /usr/share/bash-completion/completions/m_jar
    echo /usr/share/bash-completion/completions/m_jarin
    echo /usr/share/doc/morrowjar/changelog.gz
    echo /usr/share/doc/morrowjar/copyright
    echo /usr/share/doc/morrowjar/examples/morrowjar-calendar.service
    echo /usr/share/doc/morrowjar/examples/morrowjar-calendar.timer
    for size in 16 22 24 32 48 64 128 256; do
      echo /usr/share/icons/hicolor/${size}x$size/apps/$id.Opener.png
      echo /usr/share/icons/hicolor/${size}x$size/apps/$id.png
    done
    echo /usr/share/icons/hicolor/scalable/apps/$id.Opener.svg
    echo /usr/share/icons/hicolor/scalable/apps/$id.svg
    echo /usr/share/man/man1/m_jar.1.gz
    echo /usr/share/man/man1/m_jarin.1.gz
    echo /usr/share/man/man5/morrowjar.5.gz
    echo /usr/share/metainfo/$id.metainfo.xml
  } | LC_ALL=C sort
)
[[ $actual == "$expected" ]] ||
  fail "file list differs (< expected, > in the package):
$(diff <(echo "$expected") <(echo "$actual") | grep '^[<>]')"

writer_entry=$root/usr/share/applications/$id.desktop
autostart_entry=$root/etc/xdg/autostart/$id.Opener.desktop
grep -qx 'Exec=m_jarin' "$writer_entry" || fail "writer entry: $(grep ^Exec= "$writer_entry")"
grep -qx "Icon=$id" "$writer_entry" || fail "writer entry: $(grep ^Icon= "$writer_entry")"
grep -qx 'Exec="/usr/bin/m_jar" --watch' "$autostart_entry" ||
  fail "autostart entry: $(grep ^Exec= "$autostart_entry")"
grep -qx 'TryExec=/usr/bin/m_jar' "$autostart_entry" || fail "autostart entry: no TryExec"
grep -qx "Icon=$id.Opener" "$autostart_entry" || fail "autostart entry: $(grep ^Icon= "$autostart_entry")"

# The licence, machine-readable: MIT (Expat) for the whole, CC0 for the metainfo.
copyright=$root/usr/share/doc/morrowjar/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright: not machine-readable: $(head -1 "$copyright")"
grep -qx 'License: Expat' "$copyright" || fail "copyright: no Expat licence"
grep -q '<project_license>MIT</project_license>' "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo: no project licence"

# The programs are stripped, and still run.
for program in m_jar m_jarin; do
  file "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
# libical serves the opener's calendar export alone.
objdump -p "$root/usr/bin/m_jar" | grep -q 'NEEDED *libical\.so' || fail "m_jar does not link libical"
! objdump -p "$root/usr/bin/m_jarin" | grep -q 'NEEDED *libical' || fail "m_jarin links libical"
[[ $("$root/usr/bin/m_jar" --version) == "m_jar $version" ]] || fail "the packaged m_jar does not run"

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$tmp/lintian" 2>&1 ||
    fail "lintian reports errors or warnings: $(cat "$tmp/lintian")"
  grep -E '^[EW]: ' "$tmp/lintian"
else
  echo "SKIP (part): lintian is not installed"
fi

echo "Debian package: $(du -k "$deb" | cut -f1) KiB"
summary
