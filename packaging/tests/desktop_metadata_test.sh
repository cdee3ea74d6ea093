#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop entries and the AppStream metainfo as installed: system-wide
# (staged under /usr) and for one user, under ~/.local and under a prefix
# whose name holds a space, quotes, a dollar sign and a percent sign.
# desktop-file-validate and appstreamcli validate --no-net find nothing to
# report, and every Exec, TryExec and Icon line leads to an installed file.
set -u
build=${BUILD_DIR:?}
id=${APP_ID:?}
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home XDG_CONFIG_HOME=
mkdir -p "$HOME"
source "$(dirname "$0")/../../tests/e2e_lib.sh"

# The program an Exec value starts, read as the freedesktop.org desktop entry format
# says: the string escapes first, then the quoting of the first argument.
exec_program() {
  local value=$1 text= i c
  for ((i = 0; i < ${#value}; i++)); do
    c=${value:i:1}
    if [[ $c == \\ ]]; then
      ((i++))
      case ${value:i:1} in
        s) c=' ' ;;
        n) c=$'\n' ;;
        t) c=$'\t' ;;
        *) c=${value:i:1} ;;
      esac
    fi
    text+=$c
  done
  local program=
  if [[ $text == \"* ]]; then
    for ((i = 1; i < ${#text}; i++)); do
      c=${text:i:1}
      [[ $c == '"' ]] && break
      if [[ $c == \\ ]]; then
        ((i++))
        c=${text:i:1}
      fi
      program+=$c
    done
  else
    program=${text%% *}
  fi
  printf '%s' "${program//%%/%}"
}

# check_entry FILE ROOT: validates one entry; ROOT is where its absolute paths
# lie (the staging folder, or / for an install in place).
check_entry() {
  local entry=$1 root=$2 report
  [[ -f $entry ]] || { fail "no entry $entry"; return; }
  report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate $entry failed"
  [[ -z $report ]] || fail "desktop-file-validate $entry: $report"
  # Japanese desktops show the entry in Japanese.
  grep -q '^Name\[ja\]=..' "$entry" || fail "$entry: no Name[ja]"
  grep -q '^Comment\[ja\]=..' "$entry" || fail "$entry: no Comment[ja]"
  local exec try icon program
  exec=$(sed -n 's/^Exec=//p' "$entry")
  program=$(exec_program "$exec")
  if [[ $program == /* ]]; then
    [[ -x $root$program ]] || fail "$entry: Exec names $program, not an installed program"
  else
    [[ $program == m_jarin ]] || fail "$entry: Exec=$exec"
  fi
  try=$(sed -n 's/^TryExec=//p' "$entry")
  [[ -z $try || -x $root$try ]] || fail "$entry: TryExec=$try is not installed"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  if [[ $icon == /* ]]; then
    [[ -f $root$icon ]] || fail "$entry: Icon=$icon is not installed"
  else
    [[ -f $root/usr/share/icons/hicolor/48x48/apps/$icon.png &&
      -f $root/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] ||
      fail "$entry: no icon $icon in the hicolor theme"
  fi
}

check_metainfo() {  # FILE BINDIR
  local metainfo=$1 bindir=$2 report
  [[ -f $metainfo ]] || { fail "no metainfo $metainfo"; return; }
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
    fail "appstreamcli validate $metainfo: $report"
  grep -E '^[EW]: ' <<<"$report" && fail "appstreamcli reports errors or warnings"
  grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo: launchable"
  local binary
  for binary in m_jar m_jarin; do
    grep -q "<binary>$binary</binary>" "$metainfo" || fail "metainfo does not provide $binary"
    [[ -x $bindir/$binary ]] || fail "$bindir/$binary is not installed"
  done
  grep -q '<release version="[0-9][0-9.]*" date="[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]">' "$metainfo" ||
    fail "metainfo: no release with a version and a date"
}

# System-wide, staged: the entries name the writer alone and the icons by name.
stage=$tmp/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$tmp/log" 2>&1 ||
  fail "staged install: $(cat "$tmp/log")"
check_entry "$stage/usr/share/applications/$id.desktop" "$stage"
check_entry "$stage/etc/xdg/autostart/$id.Opener.desktop" "$stage"
check_metainfo "$stage/usr/share/metainfo/$id.metainfo.xml" "$stage/usr/bin"
grep -qx 'Exec=m_jarin' "$stage/usr/share/applications/$id.desktop" ||
  fail "system-wide writer entry: $(grep ^Exec= "$stage/usr/share/applications/$id.desktop")"

# For one user: full paths, since ~/.local/bin is often not on the PATH.
for prefix in "$HOME/.local" "$HOME/my \$apps \"and\" 'co' 100%"; do
  cmake --install "$build" --prefix "$prefix" >"$tmp/log" 2>&1 ||
    { fail "install to $prefix: $(cat "$tmp/log")"; continue; }
  entry=$prefix/share/applications/$id.desktop
  check_entry "$entry" ""
  [[ $(exec_program "$(sed -n 's/^Exec=//p' "$entry")") == "$prefix/bin/m_jarin" ]] ||
    fail "writer entry under $prefix: $(grep ^Exec= "$entry")"
  check_entry "$prefix/etc/xdg/autostart/$id.Opener.desktop" ""
  [[ $(exec_program "$(sed -n 's/^Exec=//p' "$prefix/etc/xdg/autostart/$id.Opener.desktop")") == \
    "$prefix/bin/m_jar" ]] || fail "autostart entry under $prefix"
  check_metainfo "$prefix/share/metainfo/$id.metainfo.xml" "$prefix/bin"
done

summary
