#!/usr/bin/env bash
# Whole-process figures of the program, medians:
#  1. a picture made offscreen (--snapshot, 1920x1080, global and precise),
#     by hyperfine;
#  2. start-up to a complete first map in a real X window under Xvfb
#     (bench/startup/first_frame: the main window started as the program
#     does, ended right after the map's first paint has been flushed to the
#     X server), global and precise outlines, with its peak memory;
#  3. peak memory of the real program's window, global and precise, once
#     drawn and after four resizes (each redraws the map);
#  4. idle CPU time and wake-ups of the real window over IDLE_SECONDS (60)
#     with the automatic refresh on: utime+stime from /proc/PID/stat (in
#     clock ticks), the same finer from /proc/PID/task/*/schedstat, and the
#     voluntary + involuntary context switches of all its threads from
#     /proc/PID/task/*/status.
# Usage: bench/startup.sh [build folder]
# Needs: hyperfine, xvfb-run (xvfb), xdotool, GNU time (Debian "time").
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
exe="$build/pellamar"
first_frame="$build/bench/startup/first_frame"
runs="${RUNS:-30}"
idle_seconds="${IDLE_SECONDS:-60}"
for f in "$exe" "$first_frame"; do
  [ -x "$f" ] || { echo "startup: no $f (build with -DPELLAMAR_BENCH=ON)" >&2; exit 2; }
done
for tool in hyperfine xvfb-run xdotool /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "startup: $tool missing (apt-get install hyperfine xvfb xdotool time)" >&2; exit 2; }
done
out="$(mktemp -d)"
export XDG_CONFIG_HOME="$out/config"   # first start: no settings...
mkdir -p "$XDG_CONFIG_HOME/pellamar"
printf '[Config]\nRaf=1\n' > "$XDG_CONFIG_HOME/pellamar/pellamar.ini"   # ...but the refresh on
trap 'rm -rf "$out"' EXIT
echo "$(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

medians() {
  python3 -c 'import json,sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("median %7.1f ms  min %7.1f ms  %s" % (1000 * r["median"], 1000 * min(r["times"]), r["command"].replace(sys.argv[2], "")))' "$1" "$build/"
}

echo "== offscreen picture (--snapshot 1920x1080)"
hyperfine -N --warmup 3 --runs "$runs" --export-json "$out/snap.json" \
  "$exe --snapshot $out/a.png" "$exe --snapshot $out/b.png --precise" > /dev/null
medians "$out/snap.json"

# Everything below on one X server of the screen's size.
export build exe first_frame runs idle_seconds out
# -n: a random first display to try, so that runs started at the same time
# on a shared machine do not pick the same free one.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1920x1080x24" bash -s <<'XEOF'
set -euo pipefail
export QT_QPA_PLATFORM=xcb

echo "== start-up to a complete first map, real window (Xvfb 1920x1080), global and precise alternately"
python3 - "$first_frame" "$build" "$runs" <<'PY'
import statistics, subprocess, sys, time
exe, data, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
sets = {"global": [exe, data], "precise": [exe, data, "--precise"]}
times = {name: [] for name in sets}
for i in range(runs + 3):  # the first 3 of each warm the caches
    for name, argv in sets.items():
        start = time.perf_counter()
        subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        if i >= 3:
            times[name].append(time.perf_counter() - start)
for name, t in times.items():
    print("median %7.1f ms  min %7.1f ms  max %7.1f ms  %s (%d runs)" % (
        1000 * statistics.median(t), 1000 * min(t), 1000 * max(t), name, len(t)))
PY
for set in "" --precise; do
  for i in 1 2 3 4 5; do /usr/bin/time -f %M "$first_frame" "$build" $set 2>&1 >/dev/null | tail -1; done |
    sort -n | sed -n 3p | awk -v s="${set:---global}" '{printf "peak memory to the first map %s: %.1f MiB (median of 5)\n", s, $1/1024}'
done

# Peak memory of the real program (its maximum resident set, as GNU time
# reads it when the program ends) once its map is drawn, and in a second run
# after four resizes of its window, each of which redraws the map.
window_of() {  # waits for the program's window
  local pid=$1 wid=""
  for _ in $(seq 100); do
    wid="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)"
    [ -n "$wid" ] && break
    sleep 0.1
  done
  echo "$wid"
}
peak_of_window() {  # outlines set, number of resizes
  local set=$1 resizes=$2 timer pid wid size
  /usr/bin/time -o "$out/peak" -f %M "$exe" $set >/dev/null 2>&1 &
  timer=$!
  for _ in $(seq 50); do
    pid="$(pgrep -P $timer || true)"
    [ -n "$pid" ] && break
    sleep 0.1
  done
  wid="$(window_of "$pid")"
  sleep 2
  if [ -n "$wid" ]; then
    for size in "1400 900" "1000 700" "1920 1080" "1600 1000"; do
      [ "$resizes" -gt 0 ] || break
      xdotool windowsize "$wid" $size
      resizes=$((resizes - 1))
      sleep 1.5
    done
  fi
  kill "$pid"
  wait $timer 2>/dev/null || true
  awk 'END {printf "%.1f MiB", $1 / 1024}' "$out/peak"
}
echo "== real window, peak memory"
for set in "" --precise; do
  echo "${set:---global}: $(peak_of_window "$set" 0) drawn, $(peak_of_window "$set" 4) after 4 resizes"
done

echo "== real window, idle for ${idle_seconds} s with the automatic refresh on"
"$exe" >/dev/null 2>&1 &
pid=$!
window_of $pid >/dev/null
sleep 3   # start-up done
sample() {  # CPU time (ns, all threads) and context switches of all threads
  local cpu=0 switches=0 t
  for t in /proc/$pid/task/*; do
    cpu=$((cpu + $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null || echo 0)))
    switches=$((switches + $(awk '/^(non)?voluntary_ctxt_switches/ {s += $2} END {print s + 0}' "$t/status" 2>/dev/null || echo 0)))
  done
  echo "$(awk '{print $14 + $15}' "/proc/$pid/stat") $cpu $switches"
}
read -r t0 c0 s0 < <(sample)
sleep "$idle_seconds"
read -r t1 c1 s1 < <(sample)
threads=$(ls /proc/$pid/task | wc -l)
kill $pid; wait $pid 2>/dev/null || true
python3 -c 'import sys
ticks, ns, s, secs, hz, threads = (float(a) for a in sys.argv[1:])
print("CPU %.0f ms by utime+stime, %.1f ms by schedstat, in %.0f s (%.3f %%); "
      "%.0f wake-ups (%.2f/s); %d threads" % (
    1000 * ticks / hz, ns / 1e6, secs, 100 * ns / 1e9 / secs, s, s / secs, threads))' \
  $((t1 - t0)) $((c1 - c0)) $((s1 - s0)) "$idle_seconds" "$(getconf CLK_TCK)" "$threads"
XEOF
