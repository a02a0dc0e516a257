#!/usr/bin/env bash
# Whole-process figures of the program, medians by hyperfine:
#  - a picture made offscreen (--snapshot, 1920x1080);
#  - start-up to a complete first map in a real X window under Xvfb (the
#    same run on the xcb platform: the window is shown, drawn, grabbed);
#  - peak memory of that run.
# Usage: bench/startup.sh [build folder]   (needs hyperfine and xvfb-run)
set -euo pipefail
build="${1:-build}"
exe="$build/pellamar"
out="$(mktemp -d)"
export XDG_CONFIG_HOME="$out/config"   # first start: no settings
trap 'rm -rf "$out"' EXIT

medians() {
  python3 -c 'import json,sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("median %7.1f ms  %s" % (1000 * r["median"], r["command"]))' "$1"
}

hyperfine -N --warmup 3 --runs 30 --export-json "$out/snap.json" \
  "$exe --snapshot $out/a.png" "$exe --snapshot $out/b.png --precise" > /dev/null
medians "$out/snap.json"

xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  QT_QPA_PLATFORM=xcb hyperfine -N --warmup 3 --runs 30 --export-json '$out/x11.json' \
    '$exe --snapshot $out/c.png' > /dev/null
  QT_QPA_PLATFORM=xcb /usr/bin/time -f 'peak memory (X11 window): %M KB' '$exe' --snapshot '$out/d.png' > /dev/null
"
medians "$out/x11.json" | sed 's/$/ (X11 window)/'
