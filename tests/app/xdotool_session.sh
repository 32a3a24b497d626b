# Sourced by the scripts that drive the real designer on an X server with xdotool: a work
# folder removed at the end, the program ($pid, once started) killed if still running,
# waiting for a condition and typing keys into a window.
work=$(mktemp -d)
pid=
cleanup() {
  if [[ -n $pid ]]; then
    kill -9 "$pid" 2>/dev/null || true
    { wait "$pid"; } 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 60 s for a command to succeed (the machine may be busy).
wait_for() {
  for _ in $(seq 600); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Gives the window $1 the keyboard and types the keys that follow.
keys() {
  local wid=$1
  shift
  [[ -n $wid ]] || return 1
  xdotool windowfocus --sync "$wid"
  xdotool key --clearmodifiers "$@"
}
