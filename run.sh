#!/usr/bin/env bash
# Installs what is missing, builds, and starts Pellamar. Without a display it
# draws the window into pellamar.png instead.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
pellamar_install_packages
pellamar_build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Pas d'écran : la fenêtre est dessinée dans une image."
  exec "${PELLAMAR_BUILD:-build}/pellamar" --snapshot pellamar.png "$@"
fi
exec "${PELLAMAR_BUILD:-build}/pellamar" "$@"
