# SPDX-License-Identifier: MIT
# Helpers shared by the end-to-end test scripts, which source this file:
# counting checks, a private X server, waiting for a program to end, and
# running the programs as an unprivileged user.
# Exit status 77 from a script means "skipped here" (CTest SKIP_RETURN_CODE).

passed=0 failed=0
pids=() xvfb_pid=''

# The programs speak the language of the user's locale; the scripts look for
# their English window titles and texts, whatever the locale of the machine.
unset LANGUAGE LC_MESSAGES
export LC_ALL=C.UTF-8

check() {  # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}

# A check the script makes itself: what went wrong, or one more passed.
fail() {  # DESCRIPTION
  failed=$((failed + 1))
  echo "FAIL: $*"
}
pass() { passed=$((passed + 1)); }

# The closing line of every script, and its exit status.
summary() {
  echo "$passed passed, $failed failed"
  [[ $failed == 0 ]]
}

# Makes the script's temporary folder, $tmp, removed at its exit together
# with the processes whose ids it added to `pids` and the X server of
# start_xvfb.
make_tmp() {
  tmp=$(mktemp -d)
  trap end_tmp EXIT
}
end_tmp() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}

# Runs COMMAND every tenth of a second until it succeeds, for at most SECONDS.
wait_for() {  # SECONDS COMMAND...
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Whether a notification server owns its name on the bus at ADDRESS.
notification_server_up() {  # ADDRESS
  dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
    grep -q 'boolean true'
}

# Whether no stand-in xdg-open of BIN-FOLDER runs any more: after that, every
# path handed to one is in its log.
stand_ins_ended() {  # BIN-FOLDER
  ! pgrep -f -- "$1/xdg-open" >/dev/null
}

# Puts a stand-in xdg-open into BIN-FOLDER that writes each path it is handed
# to LOG, a line each, and succeeds; LOG starts empty.
stand_in_xdg_open() {  # BIN-FOLDER LOG
  mkdir -p "$1"
  : >"$2"
  printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$2" >"$1/xdg-open"
  chmod +x "$1/xdg-open"
}

skip() {  # REASON
  echo "SKIP: $*"
  exit 77
}

require_tools() {  # TOOL...
  local tool
  for tool in "$@"; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done
}

# Sets `libfaketime` to the library that fakes the time of the programs it
# is preloaded into (read again at each call, so a test can move it on), or
# skips the script without it.
require_libfaketime() {
  libfaketime=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n1)
  [[ -n $libfaketime ]] || skip "libfaketime is not installed"
}

# Starts Xvfb on a free display number, which it picks itself, and points
# DISPLAY at it; `xvfb_pid` is its process for the caller's clean-up.
start_xvfb() {  # WORK-FOLDER
  local work=$1
  exec 3>"$work/display"
  # -noreset: the server would otherwise reset whenever its last client
  # leaves, and refuse the next program that connects meanwhile.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  [[ -s $work/display ]] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  DISPLAY=:$(head -n1 "$work/display")
  export DISPLAY
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Whether process PID ends within fifteen seconds (a loaded machine starts
# Qt slowly); its exit status when it does.
ended_in_time() {  # PID
  for _ in $(seq 150); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      return
    fi
    sleep 0.1
  done
  return 1
}

# Root may read and write whatever the permission bits say, so as root the
# programs run as the user nobody: `as_user` becomes the command prefix for
# that (empty for an ordinary user). Skips when that cannot be done, or when
# the permission bits deny nothing to the user the programs run as.
as_user=()
drop_privileges() {  # WORK-FOLDER
  if ((EUID == 0)); then
    command -v setpriv >/dev/null || skip "running as root without setpriv"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    "${as_user[@]}" true 2>/dev/null || skip "setpriv cannot drop to nobody here"
    "${as_user[@]}" test -x "$1" || skip "nobody cannot reach the temporary folder $1"
  fi
  echo secret >"$1/probe"
  chmod 000 "$1/probe"
  if "${as_user[@]}" cat "$1/probe" >/dev/null 2>&1; then
    skip "permission bits deny nothing to this user"
  fi
}

# Hands PATHs to the user the programs run as, like a user's own files.
own() { ((${#as_user[@]} == 0)) || chown -R 65534:65534 "$@"; }

# A copy of BINARY that the user the programs run as can execute; prints its path.
reachable_binary() {  # BINARY WORK-FOLDER
  if "${as_user[@]}" test -x "$1"; then
    printf '%s' "$1"
  else
    mkdir -p "$2/bin"
    cp "$1" "$2/bin/"
    printf '%s' "$2/bin/$(basename "$1")"
  fi
}

# The opener's record of days for a capsule root that is not the default one:
# its own section of M_Jar.conf, named after its canonical path.
record_section() {  # CAPSULE
  printf 'capsule_%s' "$(printf '%s' "$(realpath -m "$1")" | sha256sum | cut -c1-16)"
}
write_record() {  # SETTINGS-FILE CAPSULE PREV-DATE (printf %b escapes allowed)
  printf '[%s]\nprev_date=%b\n' "$(record_section "$2")" "$3" >"$1"
}
read_record() {  # SETTINGS-FILE CAPSULE: the day served through
  sed -n "/^\[$(record_section "$2")\]/,/^\[/ s/^prev_date=//p" "$1" 2>/dev/null
}
