#!/bin/bash
# The designer under a real X server (Xvfb): open a document, add a slide, wait for the
# recovery copy, kill the program with SIGKILL, start it again, answer Yes to the real
# question (keys sent with xdotool) and save: the saved document holds the added slide.
#   recovery_end_to_end.sh QUARRION QUARRION-CLI   (run under xvfb-run)
set -euo pipefail
quarrion=$1
cli=$2
source "$(dirname "$0")/xdotool_session.sh"

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Kelvane"
# A copy every second, so the test need not wait a minute.
printf '[1.0]\nRecovery%%20Interval=1\n' >"$XDG_CONFIG_HOME/Kelvane/Quarrion.conf"
recovery=$XDG_DATA_HOME/Kelvane/Quarrion/recovery

"$cli" demo "$work/demo" >/dev/null
talk=$work/talk.qsl
cp "$(ls "$work"/demo/*.qsl | head -n1)" "$talk"
slides() { "$cli" dump "$1" | python3 -c 'import json,sys; print(len(json.load(sys.stdin)["pages"]))'; }
before=$(slides "$talk")

fail() {
  echo "FAIL: $*" >&2
  echo "windows:" >&2
  for wid in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  $(xdotool getwindowname "$wid") $(xprop -id "$wid" _NET_WM_WINDOW_TYPE 2>/dev/null)" >&2
  done
  ls -la "$recovery" >&2 || true
  exit 1
}
# The visible window whose title is $1 and whose window type contains $2.
window() {
  local wid
  for wid in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    if xprop -id "$wid" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "$2"; then
      echo "$wid"
      return 0
    fi
  done
  return 1
}
main_window() { window '^Quarrion - talk.qsl$' NORMAL; }
copy_written() { compgen -G "$recovery/*.info" >/dev/null; }

# Presses keys in a window until a condition holds: the first press may come before the
# window takes input. Gives up after 20 tries.
press_until() {
  local find=$1 key=$2
  shift 2
  for _ in $(seq 20); do
    local wid
    wid=$($find) && keys "$wid" "$key" || true
    for _ in $(seq 15); do
      if "$@" >/dev/null 2>&1; then return 0; fi
      sleep 0.2
    done
  done
  return 1
}

# 1. Edit: a slide added behind the first one (again if the first key came too early).
"$quarrion" "$talk" &
pid=$!
wait_for main_window || fail "the main window did not appear"
press_until main_window F5 copy_written || fail "no recovery copy was written"
edited=$(slides "$(ls "$recovery"/*.qsl)")
((edited > before)) || fail "the recovery copy lacks the added slide"

# 2. Killed, as by a crash: no close steps run.
kill -9 "$pid"
{ wait "$pid"; } 2>/dev/null || true
pid=
compgen -G "$recovery/*.qsl" >/dev/null || fail "the copy did not survive the kill"

# 3. Started again: the question, answered Yes with Return (the default button). A start
# that could not reach the X server (it ends at once) is tried again.
question() { window '^Quarrion$' DIALOG; }
no_question() { ! question; }
asked_or_ended() { question || ! kill -0 "$pid" 2>/dev/null; }
for _ in 1 2 3; do
  "$quarrion" &
  pid=$!
  wait_for asked_or_ended || true
  if question >/dev/null; then break; fi
  { wait "$pid"; } 2>/dev/null || true
done
question >/dev/null || fail "the recovery question was not asked"
press_until question Return no_question || fail "the question could not be answered"
wait_for main_window || fail "the recovered document did not open under its own name"

# 4. The edit is there: Ctrl+S saves it under its original name without asking.
saved() { test "$(slides "$talk")" -eq "$edited"; }
press_until main_window ctrl+s saved || fail "the saved document lacks the added slide"
echo "recovered: $before slides became $edited"
