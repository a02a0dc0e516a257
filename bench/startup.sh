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

hyperfine -N --warmup 3 --runs 30 --export-json "$out/snap.json" \
  "$exe --snapshot $out/a.png" "$exe --snapshot $out/b.png --precise"

xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  QT_QPA_PLATFORM=xcb hyperfine -N --warmup 3 --runs 30 '$exe --snapshot $out/c.png'
  QT_QPA_PLATFORM=xcb /usr/bin/time -f 'peak memory: %M KB' '$exe' --snapshot '$out/d.png' > /dev/null
"
