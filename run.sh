#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pellamar with the given
# options. An option that needs no window (--readout, --snapshot, --help)
# runs as given. Without a display the window is drawn into pellamar.png.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
pellamar_install_packages
pellamar_build
program="${PELLAMAR_BUILD:-build}/pellamar"
for arg in "$@"; do
  case "$arg" in
    --readout|--snapshot|--help|-h) exec "$program" "$@" ;;
  esac
done
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Pas d'écran : la fenêtre est dessinée dans une image."
  exec "$program" --snapshot pellamar.png "$@"
fi
exec "$program" "$@"
