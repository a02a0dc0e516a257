#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
pellamar_install_packages
pellamar_build "$@"
ctest --test-dir "${PELLAMAR_BUILD:-build}" --output-on-failure -j "$(nproc)"
