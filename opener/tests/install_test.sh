#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into temporary prefixes and checks the program, its icon
# and the autostart entry that starts the opener at each login.
set -u
build=${BUILD_DIR:?set BUILD_DIR to the build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/../../tests/e2e_lib.sh"
id=io.github.morrowjar.Morrowjar

check_entry() {  # DESKTOP-FILE PREFIX ICON
  [[ -f $1 ]] || { fail "no autostart entry at $1"; return; }
  grep -qx "Exec=\"$2/bin/m_jar\" --watch" "$1" || fail "Exec line in $1: $(grep Exec "$1")"
  grep -qx "TryExec=$2/bin/m_jar" "$1" || fail "TryExec line in $1: $(grep TryExec "$1")"
  grep -qx 'X-GNOME-Autostart-enabled=true' "$1" || fail "autostart not enabled in $1"
  grep -qx "Icon=$3" "$1" || fail "Icon line in $1: $(grep Icon "$1")"
  grep -qx 'Type=Application' "$1" || fail "Type line in $1"
}

# For one user: the autostart entry stays in the prefix, in
# PREFIX/etc/xdg/autostart, naming the icon by its path; the user's own
# autostart folder is left alone. The entry an earlier install left under the
# former name in the prefix, for the same program, goes.
home=$tmp/home
prefix=$home/.local
mkdir -p "$home/.config/autostart" "$prefix/etc/xdg/autostart"
printf '[Desktop Entry]\nExec="%s" --watch\n' "$prefix/bin/m_jar" \
  >"$prefix/etc/xdg/autostart/m_jar.desktop"
HOME=$home XDG_CONFIG_HOME= cmake --install "$build" --prefix "$prefix" >"$tmp/log" 2>&1 ||
  fail "install for one user: $(cat "$tmp/log")"
[[ -x $prefix/bin/m_jar ]] || fail "m_jar not installed in $prefix/bin"
icon=$prefix/share/icons/hicolor/256x256/apps/$id.Opener.png
[[ -f $icon ]] || fail "icon not installed"
check_entry "$prefix/etc/xdg/autostart/$id.Opener.desktop" "$prefix" "$icon"
[[ ! -e $prefix/etc/xdg/autostart/m_jar.desktop ]] || fail "the entry of the former name is left"
[[ -z $(ls -A "$home/.config/autostart") ]] || fail "the user's autostart folder was written to"
"$prefix/bin/m_jar" --version | grep -q '^m_jar ' || fail "the installed m_jar does not run"

# Nothing lands outside a scratch prefix: every path of the install manifest
# lies under it, and no file under /etc or the home folder is new.
scratch=$tmp/scratch
ls -A /etc/xdg/autostart 2>/dev/null >"$tmp/etc_before"
(cd "$tmp" && HOME=$home XDG_CONFIG_HOME= cmake --install "$build" --prefix "$scratch" \
  >"$tmp/log" 2>&1) || fail "install to a scratch prefix: $(cat "$tmp/log")"
# The paths this install reports (its own log: the build's install_manifest.txt
# is shared with other installs running at the same time).
sed -n 's/^-- \(Installing\|Up-to-date\|Removed the entry of the former name\): //p' "$tmp/log" \
  >"$tmp/installed"
(($(wc -l <"$tmp/installed") > 20)) || fail "the install reported few paths: $(cat "$tmp/log")"
outside=$(grep -v "^$scratch/" "$tmp/installed")
[[ -z $outside ]] || fail "installed outside the prefix $scratch: $outside"
grep -qx "$scratch/etc/xdg/autostart/$id.Opener.desktop" "$tmp/installed" ||
  fail "the autostart entry is not under $scratch/etc/xdg/autostart: $(cat "$tmp/installed")"
ls -A /etc/xdg/autostart 2>/dev/null | cmp -s - "$tmp/etc_before" ||
  fail "/etc/xdg/autostart changed: $(ls -A /etc/xdg/autostart)"
[[ -z $(ls -A "$home/.config/autostart") ]] || fail "the user's autostart folder was written to"
new_files=$(find "$tmp" -path "$scratch" -prune -o -path "$prefix" -prune -o -newer "$tmp/etc_before" \
  -type f -print | grep -v -e "^$tmp/log$" -e "^$tmp/installed$")
[[ -z $new_files ]] || fail "files written outside the prefix: $new_files"

# System-wide (staged with DESTDIR): the entry goes to /etc/xdg/autostart and
# names the icon of the theme. An entry of the former name that starts
# another program stays.
mkdir -p "$tmp/stage/etc/xdg/autostart"
printf '[Desktop Entry]\nExec="/opt/elsewhere/bin/m_jar" --watch\n' \
  >"$tmp/stage/etc/xdg/autostart/m_jar.desktop"
HOME=$home DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >"$tmp/log" 2>&1 ||
  fail "system install: $(cat "$tmp/log")"
[[ -x $tmp/stage/usr/bin/m_jar ]] || fail "m_jar not staged in /usr/bin"
check_entry "$tmp/stage/etc/xdg/autostart/$id.Opener.desktop" /usr "$id.Opener"
[[ -f $tmp/stage/etc/xdg/autostart/m_jar.desktop ]] || fail "another program's entry was removed"

summary
