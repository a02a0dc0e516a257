#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite. With CI
# set, runs it a second time built with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan/.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
pellamar_install_packages
pellamar_build "$@"
ctest --test-dir "${PELLAMAR_BUILD:-build}" --output-on-failure -j "$(nproc)"
if [ -n "${CI:-}" ]; then
  echo "Deuxième passage sous AddressSanitizer et UndefinedBehaviorSanitizer (build-asan/)"
  PELLAMAR_BUILD=build-asan pellamar_build -DPELLAMAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPELLAMAR_BENCH=OFF
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --timeout 600
fi
