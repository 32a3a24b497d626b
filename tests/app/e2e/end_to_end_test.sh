#!/usr/bin/env bash
# Starts the real quarrion on an X server with the sample deck, waits for its window to show
# the document's name, closes it as a window manager would and checks that it ended cleanly:
# exit status 0, the document untouched, the settings written with the deck as recent file.
# Usage (inside xvfb-run): end_to_end_test.sh QUARRION QUARRION_CLI X_WINDOW_PROBE
set -u
quarrion=$1 cli=$2 probe=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb
fail() { echo "FAIL: $*"; echo "0 passed, 1 failed"; exit 1; }

[ "$("$quarrion" --version)" = "Quarrion 1.0" ] || fail "--version"
"$quarrion" --help | grep -q "^Usage: quarrion" || fail "--help"

"$cli" demo "$work/deck" >/dev/null || fail "quarrion-cli demo"
deck="$work/deck/demo.qsl"
before=$(sha256sum < "$deck")

"$quarrion" "$deck" > "$work/out.txt" 2>&1 &
pid=$!
window=$("$probe" wait "Quarrion - demo.qsl" 30) || { kill "$pid" 2>/dev/null; fail "no window with the document"; }
"$probe" close "$window" || fail "could not ask the window to close"
for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fail "quarrion did not close"; fi
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { cat "$work/out.txt"; fail "exit status $status"; }
[ "$(sha256sum < "$deck")" = "$before" ] || fail "the document changed"
settings="$XDG_CONFIG_HOME/Kelvane/Quarrion.conf"
grep -q "^MRU%20Entry%201=$deck\$" "$settings" || { cat "$settings"; fail "the deck is not the recent file in $settings"; }
echo "PASS: window \"Quarrion - demo.qsl\" came up and closed cleanly"
echo "1 passed, 0 failed"
