#!/usr/bin/env bash
# The same 1920x1080 whole-world day/night map drawn by `pellamar --snapshot`
# (global and precise outlines) and by the peer xplanet, run alternately,
# RUNS times each (11 by default). Prints the medians of the whole-process
# wall time and peak memory (maximum resident set, as GNU time's %M) and the
# ratios pellamar / xplanet.
# Usage: bench/side-by-side.sh [build folder]
#   BASELINE=path/to/another/pellamar  also runs that build (e.g. an older
#   commit's) in the same alternation, for before/after figures.
# Needs: xplanet and xplanet-images (its day and night Earth pictures), and
# GNU time: apt-get install xplanet xplanet-images time
set -euo pipefail
build="${1:-build}"
runs="${RUNS:-11}"
exe="$build/pellamar"
day=2026-06-21 clock=12:00          # UTC: the Sun over the Greenwich meridian
[ -x "$exe" ] || { echo "side-by-side: no $exe" >&2; exit 2; }
for tool in xplanet /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "side-by-side: $tool missing (apt-get install xplanet xplanet-images time)" >&2; exit 2; }
done
if [ ! -e /usr/share/xplanet/images/earth.jpg ]; then
  echo "side-by-side: xplanet has no Earth picture (apt-get install xplanet-images)" >&2
  exit 2
fi
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/config" "$out/xplanet"

python3 - "$out" "$runs" "$exe" "$day" "$clock" "${BASELINE:-}" <<'PY'
import os, statistics, subprocess, sys, time

out, runs, exe, day, clock, baseline = sys.argv[1], int(sys.argv[2]), *sys.argv[3:]
env = dict(os.environ, XDG_CONFIG_HOME=out + "/config", TZ="UTC")
env.pop("DISPLAY", None)
stamp = day.replace("-", "") + "." + clock.replace(":", "") + "00"
common = ["--size", "1920x1080", "--date", day, "--time", clock, "--tz", "0"]
commands = {
    "pellamar global": [exe, "--snapshot", out + "/global.png"] + common,
    "pellamar precise": [exe, "--snapshot", out + "/precise.png", "--precise"] + common,
}
if baseline:
    commands["baseline global"] = [baseline, "--snapshot", out + "/b-global.png"] + common
    commands["baseline precise"] = [baseline, "--snapshot", out + "/b-precise.png", "--precise"] + common
# xplanet with its own folder as home: no user configuration is read.
commands.update({
    "xplanet": ["xplanet", "-projection", "rectangular", "-num_times", "1",
                "-geometry", "1920x1080", "-output", out + "/xplanet.png", "-date", stamp],
})
xenv = dict(env, HOME=out + "/xplanet")

def run(name, argv):
    mem_file = out + "/mem"
    start = time.perf_counter()
    done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", mem_file] + argv,
                          env=xenv if name == "xplanet" else env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    wall = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit("side-by-side: %s failed:\n%s" % (name, done.stderr.decode(errors="replace")))
    if b"Can't find" in done.stderr or b"Warning" in done.stderr:
        sys.exit("side-by-side: %s warned:\n%s" % (name, done.stderr.decode(errors="replace")))
    kib = int(open(mem_file).read().split()[-1])
    return wall, kib

results = {name: ([], []) for name in commands}
for name, argv in commands.items():  # one warm-up each: files in the page cache
    run(name, argv)
for _ in range(runs):                 # alternately
    for name, argv in commands.items():
        wall, kib = run(name, argv)
        results[name][0].append(wall)
        results[name][1].append(kib)

load = open("/proc/loadavg").read().split()[:3]
print("%d runs each, alternately; load average %s" % (runs, " ".join(load)))
print("%-18s %12s %12s %12s %12s" % ("", "wall median", "wall min", "peak median", "peak max"))
if baseline:
    same = all(subprocess.run(["compare", "-metric", "AE", out + "/%s.png" % a, out + "/b-%s.png" % a, "null:"],
                              capture_output=True).stderr.strip() == b"0" for a in ("global", "precise"))
    print("pictures of the baseline pixel for pixel the same: %s" % ("yes" if same else "NO"))
med = {}
for name, (walls, kibs) in results.items():
    med[name] = (statistics.median(walls), statistics.median(kibs))
    print("%-18s %9.1f ms %9.1f ms %8.1f MiB %8.1f MiB" % (
        name, 1000 * med[name][0], 1000 * min(walls), med[name][1] / 1024, max(kibs) / 1024))
x_wall, x_mem = med["xplanet"]
for name in [n for n in commands if n != "xplanet"]:
    wall, mem = med[name]
    print("%s / xplanet: wall time %.3f (1/%.1f), peak memory %.3f" % (name, wall / x_wall, x_wall / wall, mem / x_mem))
PY
