# Shared by run.sh and test.sh: installs the missing Debian packages, then
# configures and builds. Sourced, not run.

PELLAMAR_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
  fonts-dejavu-core
  # The end-to-end test: a private X display, real input, the accessibility
  # bus read from Debian's /usr/bin/python3, screenshots.
  xvfb xauth xdotool dbus at-spi2-core python3-pyatspi python3-pil libx11-6
)

pellamar_install_packages() {
  local missing=()
  local p
  for p in "${PELLAMAR_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installation des paquets manquants : ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# pellamar_build [cmake options...] builds into $PELLAMAR_BUILD (default build/).
pellamar_build() {
  local dir="${PELLAMAR_BUILD:-build}"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
  elif [ $# -gt 0 ]; then
    cmake "$dir" "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$(nproc)"
}
