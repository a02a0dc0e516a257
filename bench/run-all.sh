#!/usr/bin/env bash
# Runs every Google Benchmark program the build made under <build>/bench and
# prints one table: name, median, min and max of the repetitions (real time).
# Usage: bench/run-all.sh [build folder] [extra benchmark flags...]
#   BENCH_REPETITIONS=N   repetitions of each benchmark (default 7)
#   BENCH_FILTER=REGEX    only the benchmarks whose name matches
# Offscreen Qt is used for the programs that open widgets.
set -euo pipefail
build="${1:-build}"
[ $# -gt 0 ] && shift
reps="${BENCH_REPETITIONS:-7}"
filter="${BENCH_FILTER:-.}"
if [ ! -d "$build/bench" ]; then
  echo "run-all: no $build/bench (build with -DPELLAMAR_BENCH=ON first)" >&2
  exit 2
fi
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The benchmarks of the shipped data read the program's own data folder.
export PELLAMAR_DATA="${PELLAMAR_DATA:-$build}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# Executables under bench/, leaving out CMake's own folders. A program is
# taken as a benchmark when it answers --benchmark_list_tests.
mapfile -t programs < <(find "$build/bench" -type f -perm -u+x \
  -not -path '*/CMakeFiles/*' -not -path '*_autogen/*' | sort)
ran=0
for exe in "${programs[@]}"; do
  if ! timeout 30 "$exe" --benchmark_list_tests=true >/dev/null 2>&1; then
    echo "run-all: skipping $exe (not a benchmark program)" >&2
    continue
  fi
  name="$(basename "$exe")"
  echo "run-all: $name ..." >&2
  if ! "$exe" --benchmark_repetitions="$reps" --benchmark_filter="$filter" \
       --benchmark_out="$out/$name.json" --benchmark_out_format=json "$@" >/dev/null 2>"$out/$name.err"; then
    echo "run-all: $name failed:" >&2
    tail -5 "$out/$name.err" >&2
    continue
  fi
  ran=$((ran + 1))
done
[ "$ran" -gt 0 ] || { echo "run-all: no benchmark program ran" >&2; exit 1; }

python3 - "$out"/*.json <<'PY'
import json, statistics, sys

rows, errors = [], []
for path in sys.argv[1:]:
    text = open(path).read()
    if not text.strip():
        continue  # the filter left nothing of this program
    doc = json.loads(text)
    program = path.rsplit("/", 1)[-1][:-len(".json")]
    runs = {}
    for b in doc.get("benchmarks", []):
        if b.get("error_occurred"):
            errors.append((program + "/" + b["run_name"], b.get("error_message", "")))
            continue
        if b.get("run_type") != "iteration":
            continue
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b.get("time_unit", "ns")]
        runs.setdefault(b["run_name"], []).append(b["real_time"] * scale)
    for name, times in runs.items():
        rows.append((program, name, statistics.median(times), min(times), max(times), len(times)))

def fmt(seconds):
    for unit, k in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6)):
        if seconds >= k:
            return "%.3g %s" % (seconds / k, unit)
    return "%.3g ns" % (seconds / 1e-9)

width = max([len(p) + len(n) + 1 for p, n, *_ in rows] + [9])
print("%-*s %10s %10s %10s %5s" % (width, "benchmark", "median", "min", "max", "reps"))
for program, name, med, lo, hi, n in rows:
    print("%-*s %10s %10s %10s %5d" % (width, program + "/" + name, fmt(med), fmt(lo), fmt(hi), n))
for name in dict(errors):
    print("%-*s  not run: %s" % (width, name, dict(errors)[name]))
PY
