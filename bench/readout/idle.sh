#!/usr/bin/env bash
# Idle cost of the real window with the automatic refresh on (first start:
# every option checked, whole-world view), under Xvfb: CPU time of the
# process (all threads, /proc/PID/stat utime+stime) and its wake-ups over a
# window of SECONDS after a settling time: the voluntary context switches of
# the main (event-loop) thread, /proc/PID/status, then those of all threads
# (the X event reader wakes for the X server's replies to each repaint), and
# all switches of all threads, forced ones included (preemption on a busy
# machine, not wake-ups).
# Usage: bench/readout/idle.sh [build folder] [seconds]   (needs xvfb-run)
set -euo pipefail
build="${1:-build}"
seconds="${2:-60}"
settle=5
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME="$out/config"   # first start: no settings

xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
  set -euo pipefail
  QT_QPA_PLATFORM=xcb "$0" & pid=$!
  sleep "$2"
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  main_wakes() { awk "/^voluntary_ctxt_switches/ {print \$2}" /proc/$pid/status; }
  all_wakes() { cat /proc/$pid/task/*/status | awk "/^voluntary_ctxt_switches/ {n += \$2} END {print n}"; }
  switches() { cat /proc/$pid/task/*/status | awk "/ctxt_switches/ {n += \$2} END {print n}"; }
  hz=$(getconf CLK_TCK)
  t0=$(ticks); m0=$(main_wakes); w0=$(all_wakes); s0=$(switches); start=$(date +%s.%N)
  sleep "$1"
  t1=$(ticks); m1=$(main_wakes); w1=$(all_wakes); s1=$(switches); end=$(date +%s.%N)
  kill $pid; wait $pid 2>/dev/null || true
  python3 -c "
import sys
t0, t1, m0, m1, w0, w1, s0, s1, hz, a, b = map(float, sys.argv[1:])
wall = b - a
print(\"idle over %.1f s: CPU %.3f %% of one core\" % (wall, 100 * (t1 - t0) / hz / wall))
print(\"wake-ups/s: main thread %.2f, all threads %.2f; all switches %.2f/s\" %
      ((m1 - m0) / wall, (w1 - w0) / wall, (s1 - s0) / wall))
" $t0 $t1 $m0 $m1 $w0 $w1 $s0 $s1 $hz $start $end
' "$build/pellamar" "$seconds" "$settle"
