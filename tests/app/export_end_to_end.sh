#!/bin/bash
# The designer under a real X server (Xvfb) exports a large deck as PDF through its own
# command (Ctrl+G, the real file dialog, keys sent with xdotool). The file it writes on
# every core must be the bytes quarrion-cli writes for the same file, and pass qpdf.
#   export_end_to_end.sh QUARRION QUARRION-CLI   (run under xvfb-run)
set -euo pipefail
quarrion=$1
cli=$2
source "$(dirname "$0")/xdotool_session.sh"
fail() {
  echo "FAIL: $*" >&2
  for wid in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  window: $(xdotool getwindowname "$wid")" >&2
  done
  exit 1
}

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export SOURCE_DATE_EPOCH=1700000000
# A first start shows an exported PDF in the desktop's viewer: here that viewer does nothing.
mkdir -p "$HOME" "$work/bin"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH

# A compressed deck of many slides, so the export has many streams to share out: the
# sample deck's slides over and over (its links keep pointing into the first copy).
"$cli" demo "$work/demo" >/dev/null
"$cli" dump "$work/demo/demo.qsl" | python3 -c '
import json, sys
deck = json.load(sys.stdin)
slides = [p for p in deck["pages"] if not p.get("master")]
masters = [p for p in deck["pages"] if p.get("master")]
deck["pages"] = masters + (slides * 200)[: 255 - len(masters)]
deck["compressed"] = True
json.dump(deck, sys.stdout)' >"$work/big.json"
"$cli" build "$work/big.json" "$work/talk.qsl" >/dev/null || fail "the large deck could not be built"

"$cli" pdf "$work/talk.qsl" "$work/reference.pdf" >/dev/null || fail "quarrion-cli pdf"

window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { [[ -n $(window "$1") ]]; }

"$quarrion" "$work/talk.qsl" &
pid=$!
wait_for has_window '^Quarrion - talk.qsl$' || fail "the main window did not appear"
# Ctrl+G until the dialog comes: the first key may come before the window takes input.
asked() { has_window '^Save as PDF$'; }
for _ in $(seq 20); do
  keys "$(window '^Quarrion - talk.qsl$')" ctrl+g || true
  for _ in $(seq 15); do asked && break; sleep 0.2; done
  asked && break
done
asked || fail "Generate PDF did not ask for a file name"
out=$work/out/gui.pdf
mkdir -p "$work/out"
keys "$(window '^Save as PDF$')" ctrl+a || fail "the file dialog went away"
xdotool type --delay 5 "$out"
keys "$(window '^Save as PDF$')" Return || fail "the file dialog went away"
written() { [[ -s $out ]] && ! has_window '^Save as PDF$'; }
wait_for written || fail "the designer wrote no PDF to $out"
# The writer replaces the file in one step, so once it is there it is whole.
cmp "$out" "$work/reference.pdf" || fail "the designer's PDF differs from quarrion-cli's"
qpdf --check "$out" >/dev/null || fail "qpdf rejects the designer's PDF"
streams=$(grep -ac FlateDecode "$out" || true)
((streams > 200)) || fail "expected the slides' compressed streams, found $streams"
echo "the designer's PDF of $(grep -ac '/Type /Page\b' "$out") pages and $streams compressed streams is quarrion-cli's, byte for byte"
