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

# How long to wait for another installer to let go of the package manager.
PELLAMAR_LOCK_WAIT=${PELLAMAR_LOCK_WAIT:-600}

# True while a process holds one of the package manager's locks (read from
# /proc/locks, which needs neither root nor extra tools).
pellamar_package_lock_held() {
  local f inode
  for f in /var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock; do
    [ -e "$f" ] || continue
    inode=$(stat -c %i "$f") || continue
    grep -Eq "[0-9a-f]+:[0-9a-f]+:${inode} " /proc/locks 2>/dev/null && return 0
  done
  return 1
}

# Waits, with a message, while another installer (often the automatic updates
# started at log-in) holds the package manager; apt-get waits too, as a
# second guard, through DPkg::Lock::Timeout.
pellamar_wait_for_package_manager() {
  pellamar_package_lock_held || return 0
  echo "Un autre programme d'installation utilise le gestionnaire de paquets : attente de sa fin (${PELLAMAR_LOCK_WAIT} s au plus)…"
  local waited=0
  while pellamar_package_lock_held && [ "$waited" -lt "$PELLAMAR_LOCK_WAIT" ]; do
    sleep 2
    waited=$((waited + 2))
  done
}

pellamar_install_packages() {
  local missing=()
  local p
  for p in "${PELLAMAR_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Il manque les paquets Debian ${missing[*]} : installez-les en administrateur avec « su -c 'apt-get install -y --no-install-recommends ${missing[*]}' », puis relancez cette commande." >&2
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installation des paquets manquants : ${missing[*]}"
  local apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o "DPkg::Lock::Timeout=${PELLAMAR_LOCK_WAIT}")
  pellamar_wait_for_package_manager
  "${sudo[@]}" "${apt[@]}" update -qq
  pellamar_wait_for_package_manager
  "${sudo[@]}" "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
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
