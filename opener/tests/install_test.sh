#!/usr/bin/env bash
# Installs the build into temporary prefixes and checks the program, its icon
# and the autostart entry that starts the opener at each login.
set -u
build=${BUILD_DIR:?set BUILD_DIR to the build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
id=io.github.morrowjar.Morrowjar

fail() {
  echo "FAIL: $*"
  failed=1
}

check_entry() {  # DESKTOP-FILE PREFIX ICON
  [[ -f $1 ]] || { fail "no autostart entry at $1"; return; }
  grep -qx "Exec=\"$2/bin/m_jar\" --watch" "$1" || fail "Exec line in $1: $(grep Exec "$1")"
  grep -qx "TryExec=$2/bin/m_jar" "$1" || fail "TryExec line in $1: $(grep TryExec "$1")"
  grep -qx 'X-GNOME-Autostart-enabled=true' "$1" || fail "autostart not enabled in $1"
  grep -qx "Icon=$3" "$1" || fail "Icon line in $1: $(grep Icon "$1")"
  grep -qx 'Type=Application' "$1" || fail "Type line in $1"
}

# For one user: a prefix in the home folder puts the entry in the user's
# autostart folder, naming the icon by its path. The entry an earlier install
# left under the former name, for the same program, goes.
home=$tmp/home
mkdir -p "$home/.config/autostart"
printf '[Desktop Entry]\nExec="%s" --watch\n' "$home/.local/bin/m_jar" \
  >"$home/.config/autostart/m_jar.desktop"
HOME=$home XDG_CONFIG_HOME= cmake --install "$build" --prefix "$home/.local" >"$tmp/log" 2>&1 ||
  fail "install for one user: $(cat "$tmp/log")"
[[ -x $home/.local/bin/m_jar ]] || fail "m_jar not installed in $home/.local/bin"
icon=$home/.local/share/icons/hicolor/256x256/apps/$id.Opener.png
[[ -f $icon ]] || fail "icon not installed"
check_entry "$home/.config/autostart/$id.Opener.desktop" "$home/.local" "$icon"
[[ ! -e $home/.config/autostart/m_jar.desktop ]] || fail "the entry of the former name is left"
"$home/.local/bin/m_jar" --version | grep -q '^m_jar ' || fail "the installed m_jar does not run"

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

[[ $failed == 0 ]] && echo "install: all checks passed"
exit "$failed"
