#!/usr/bin/env bash
# Installs the build into temporary prefixes and checks the program, its icon
# and the autostart entry that starts the opener at each login.
set -u
build=${BUILD_DIR:?set BUILD_DIR to the build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

fail() {
  echo "FAIL: $*"
  failed=1
}

check_entry() {  # DESKTOP-FILE PREFIX
  [[ -f $1 ]] || { fail "no autostart entry at $1"; return; }
  grep -qx "Exec=\"$2/bin/m_jar\" --watch" "$1" || fail "Exec line in $1: $(grep Exec "$1")"
  grep -qx 'X-GNOME-Autostart-enabled=true' "$1" || fail "autostart not enabled in $1"
  grep -qx "Icon=$2/share/icons/hicolor/64x64/apps/morrowjar.png" "$1" || fail "Icon line in $1"
  grep -qx 'Type=Application' "$1" || fail "Type line in $1"
}

# For one user: a prefix in the home folder puts the entry in the user's
# autostart folder.
home=$tmp/home
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME= cmake --install "$build" --prefix "$home/.local" >"$tmp/log" 2>&1 ||
  fail "install for one user: $(cat "$tmp/log")"
[[ -x $home/.local/bin/m_jar ]] || fail "m_jar not installed in $home/.local/bin"
[[ -f $home/.local/share/icons/hicolor/64x64/apps/morrowjar.png ]] || fail "icon not installed"
check_entry "$home/.config/autostart/m_jar.desktop" "$home/.local"
"$home/.local/bin/m_jar" --version | grep -q '^m_jar ' || fail "the installed m_jar does not run"

# System-wide (staged with DESTDIR): the entry goes to /etc/xdg/autostart.
HOME=$home DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >"$tmp/log" 2>&1 ||
  fail "system install: $(cat "$tmp/log")"
[[ -x $tmp/stage/usr/bin/m_jar ]] || fail "m_jar not staged in /usr/bin"
check_entry "$tmp/stage/etc/xdg/autostart/m_jar.desktop" /usr

[[ $failed == 0 ]] && echo "install: all checks passed"
exit "$failed"
