#!/bin/sh
# Installs the build into a temporary prefix and runs the installed program
# from its link, as a desktop launcher would, with the program's folder made
# read-only as after a system-wide install.
#   install_test.sh BUILD_DIR [CITY_SAVE_HELPER]
set -u
build=$1
helper=${2:-}
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
fail() { echo "ÉCHEC : $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }

program="$prefix/lib/pellamar"
for f in pellamar totale.Asc contours.Asc Iles.Asc Lacs.Asc rivieres.Asc Villes.txt Pellamar.html NOTICE.txt; do
  [ -f "$program/$f" ] || fail "$program/$f manque"
done
[ -L "$prefix/bin/pellamar" ] || fail "bin/pellamar n'est pas un lien"
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/pellamar.png" ] || fail "icône ${size}x${size} manquante"
done
desktop="$prefix/share/applications/pellamar.desktop"
for line in "Exec=\"$program/pellamar\"" "Icon=pellamar" "Categories=Education;Science;" "Type=Application" \
            "Comment[fr]=Calcul d'heures de lever et de coucher du Soleil dans le monde"; do
  grep -qxF "$line" "$desktop" || fail "$desktop : ligne « $line » absente"
done
# Every installed file is in the manifest, so uninstalling removes it.
for f in "$desktop" "$prefix/bin/pellamar" "$program/Pellamar.html"; do
  grep -qxF "$f" "$build/install_manifest.txt" || fail "$f absent de install_manifest.txt"
done

# Read-only program folder; as root, without the override of file modes.
chmod -R a-w "$program"
run() {
  if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    set -- setpriv --bounding-set -dac_override,-dac_read_search "$@"
  fi
  env -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
      XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/runtime" "$@"
}
mkdir -p "$work/home" "$work/runtime" "$work/out"
chmod 700 "$work/runtime"
if [ "$(id -u)" -eq 0 ] && run sh -c ": > '$program/probe'" 2>/dev/null; then
  fail "le dossier du programme reste modifiable"
fi

run "$prefix/bin/pellamar" --snapshot "$work/out/europe.jpg" --size 640x400 --centre 48,10 --zoom 2400 \
    --date 2026-03-21 --time 18:30 --tz 1 >"$work/out.txt" 2>"$work/err.txt"
status=$?
[ "$status" -eq 0 ] || fail "--snapshot : code $status ($(cat "$work/err.txt"))"
# JPEG bytes, not PNG: FF D8 FF.
magic=$(od -An -tx1 -N3 "$work/out/europe.jpg" 2>/dev/null | tr -d ' \n')
[ "$magic" = "ffd8ff" ] || fail "europe.jpg n'est pas un JPEG ($magic)"
# The data were found: no file-opening error was reported.
grep -q "Erreur" "$work/err.txt" && fail "erreurs au démarrage : $(cat "$work/err.txt")"
[ "$(tr -d '\n' <"$work/out.txt")" = "$work/out/europe.jpg" ] || fail "chemin écrit : $(cat "$work/out.txt")"

run "$prefix/bin/pellamar" --snapshot "$work/out/carte.xyz" 2>"$work/err.txt"
status=$?
[ "$status" -eq 2 ] || fail "suffixe inconnu : code $status au lieu de 2"
grep -q "format d'image" "$work/err.txt" || fail "suffixe inconnu sans message"
[ -e "$work/out/carte.xyz" ] && fail "carte.xyz écrit malgré le refus"

version=$(run "$prefix/bin/pellamar" --version)
[ "$version" = "Pellamar 2.2" ] || fail "--version : « $version »"

# A city saved through the editor (the real window, offscreen, by the helper)
# lands in the per-user copy, the shipped file untouched; the installed
# program, started again, reads the copy and draws the city in dark green.
if [ -n "$helper" ]; then
  city_picture() {
    run "$prefix/bin/pellamar" --snapshot "$1" --size 1200x800 --centre -30,-20 --zoom 60 \
        --date 2026-03-21 --time 12:00 --tz 0 >/dev/null 2>"$work/err.txt" || fail "--snapshot $1 : $(cat "$work/err.txt")"
  }
  # Pixels clearly greener than red and blue (the circle and name are
  # smoothed), counted by Debian's Python with PIL (python3-pil).
  dark_green() {
    /usr/bin/python3 -c 'import sys
from PIL import Image
print(sum(1 for r, g, b in Image.open(sys.argv[1]).convert("RGB").getdata() if g > r + 60 and g > b + 60))' "$1"
  }
  shipped=$(cksum <"$program/Villes.txt")
  city_picture "$work/out/avant.png"
  before=$(dark_green "$work/out/avant.png")
  copy=$(run "$helper" "$program" 2>"$work/err.txt") || fail "sauvegarde par l'éditeur : $(cat "$work/err.txt")"
  [ "$copy" = "$work/home/data/pellamar/Villes.txt" ] || fail "copie de l'utilisateur : « $copy »"
  [ "$(cksum <"$program/Villes.txt")" = "$shipped" ] || fail "le fichier livré a changé"
  # 30°00' S, 20°00' W as the editor writes it; the shipped cities come first.
  grep -q '^-30\.000 020\.000 9 3 Essai install' "$copy" || fail "la ville n'est pas dans la copie"
  [ "$(grep -c . "$copy")" -gt 1000 ] || fail "la copie n'a pas repris les villes livrées"
  city_picture "$work/out/apres.png"
  after=$(dark_green "$work/out/apres.png")
  [ "$after" -gt "$((before + 100))" ] || fail "la ville enregistrée n'est pas dessinée ($before puis $after pixels)"
fi

[ "$failures" -eq 0 ] && echo "installation vérifiée dans $prefix"
exit "$failures"
