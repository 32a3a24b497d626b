#!/usr/bin/env bash
# Writes the sample deck (as a show with panes and as a full-screen show) and a slide of
# text in every Latin face, and checks them in headless Chromium. The npm packages are installed into the build folder, from the
# lock file, the first time and whenever the lock file changes.
#   run_browser_test.sh WRITE_SVG_SHOW BUILD_DIR
set -euo pipefail
writer=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)

export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
mkdir -p "$work"
cp "$here/package.json" "$here/package-lock.json" "$here/svg_slideshow_test.mjs" "$work/"
if [ ! -f "$work/node_modules/.package-lock.json" ] ||
   ! cmp -s "$here/package-lock.json" "$work/installed-lock.json"; then
  (cd "$work" && npm ci --no-audit --no-fund --loglevel=error)
  cp "$here/package-lock.json" "$work/installed-lock.json"
fi

shows=$(mktemp -d)
trap 'rm -rf "$shows"' EXIT
mkdir "$shows/panes" "$shows/full" "$shows/fonts"
"$writer" "$shows/panes/show.svg"
"$writer" "$shows/full/show.svg" --full-screen
"$writer" "$shows/fonts/show.svg" --fonts "$shows/fonts/lines.txt"
cd "$work"
node svg_slideshow_test.mjs "$shows/panes/show.svg" "$shows/full/show.svg" \
  "$shows/fonts/show.svg" "$shows/fonts/lines.txt"
