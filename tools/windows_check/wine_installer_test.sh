#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer under Wine: installed silently (/S), its files, the
# writer's Start-menu entry and the opener's shortcut in the user's Startup
# folder are there and the installed opener runs; the uninstaller (/S) removes
# them and leaves the capsule alone.
#   wine_installer_test.sh INSTALLER
# Needs WINEPREFIX set to a prepared prefix of its own and a running wineserver.
set -u
installer=${1:?installer}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools wine wineserver
: "${WINEPREFIX:?set WINEPREFIX to the prefix of the test}"
unset DISPLAY
drive_c=$WINEPREFIX/drive_c

unix_path() {  # WINDOWS-PATH
  timeout 30 winepath -u "$1" 2>/dev/null | tr -d '\r'
}
# A folder of the user's shell (Startup, Programs, ...), as the registry names it.
shell_folder() {  # NAME
  local line
  line=$(timeout 60 wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' \
    /v "$1" 2>/dev/null | tr -d '\r' | grep -i "^ *$1 ")
  unix_path "${line#*REG_SZ    }"
}
# Whether a shortcut points at TARGET (its path is stored as text in the .lnk).
points_at() {  # LINK TARGET
  [[ -f $1 ]] && tr -d '\0' <"$1" | grep -qaF "$2"
}
# Waits until none of the paths exist, within the deadline.
all_gone() {  # PATH...
  local deadline=$((SECONDS + 120)) p left
  while ((SECONDS < deadline)); do
    left=0
    for p in "$@"; do [[ -e $p ]] && left=1; done
    ((left == 0)) && return 0
    sleep 0.5
  done
  return 1
}

installed=$(unix_path 'C:\Program Files\Morrowjar')
startup=$(shell_folder Startup)
[[ -n $startup ]] || { echo "FAIL: the registry names no Startup folder"; exit 1; }
startup_link=$startup/Morrowjar.lnk
# Nothing left from an earlier run counts.
rm -rf "$installed" "$startup_link"
find "$drive_c" -path '*Start Menu/Programs/Morrowjar' -prune -exec rm -rf {} +
mkdir -p "$drive_c/Morrowjar/TOMORROW"
printf 'kept\r\n' >"$drive_c/Morrowjar/TOMORROW/kept.txt"

timeout 300 wine "$installer" /S >/dev/null 2>&1
check "the silent installer ends with status 0" test $? = 0
for f in m_jar.exe m_jarin.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
  libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
  translations/qtbase_ja.qm qt.conf Uninstall.exe; do
  check "installed: $f" test -f "$installed/$f"
done
check "the Startup shortcut runs the installed opener" points_at "$startup_link" 'Morrowjar\m_jar.exe'
menu_entry=$(find "$drive_c" -path '*Start Menu/Programs/Morrowjar/Morrowjar Text Input.lnk' | head -n1)
check "the Start menu has the writer" points_at "$menu_entry" 'Morrowjar\m_jarin.exe'
version=$(timeout 120 wine "$installed/m_jar.exe" --version 2>/dev/null | tr -d '\r')
check "the installed m_jar.exe runs (--version: $version)" grep -qx 'm_jar [0-9.]*' <<<"$version"
# The watch needs a Linux desktop: on Windows it says so and ends with 2.
watch=$(timeout 120 wine "$installed/m_jar.exe" --watch 2>&1 >/dev/null | tr -d '\r')
check "m_jar.exe --watch says it is not available" grep -q -- '--watch is not available' <<<"$watch"
timeout 120 wine "$installed/m_jar.exe" --watch >/dev/null 2>&1
check "m_jar.exe --watch ends with status 2" test $? = 2
plan=$(timeout 120 wine "$installed/m_jar.exe" --dry-run --json 2>/dev/null | tr -d '\r')
check "the installed m_jar.exe reads the default capsule" grep -q 'C:\\\\Morrowjar' <<<"$plan"

# Uninstall.exe copies itself away and returns at once: its work is waited for.
timeout 120 wine "$installed/Uninstall.exe" /S >/dev/null 2>&1
check "the uninstaller removes the programs, the DLLs and the shortcuts" \
  all_gone "$installed/m_jar.exe" "$installed/Qt6Core.dll" "$installed/platforms" \
  "$startup_link" "$menu_entry"
check "the uninstaller leaves the capsule alone" test -f "$drive_c/Morrowjar/TOMORROW/kept.txt"

summary
