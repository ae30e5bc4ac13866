#!/usr/bin/env bash
# Draws the splash picture and the about box's logo and encodes them as the
# progressive JPEG files in app/pictures/, which the program embeds. Run it
# again after changing make_pictures.py and commit the JPEG files.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
command -v cjpeg >/dev/null || { echo "cjpeg is missing: run scripts/setup.sh (libjpeg-turbo-progs)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 "$root/scripts/make_pictures.py" "$work/splash.ppm" "$work/logo.ppm"
mkdir -p "$root/app/pictures"
for picture in splash logo; do
  cjpeg -progressive -optimize -quality 92 -outfile "$root/app/pictures/$picture.jpg" "$work/$picture.ppm"
done
echo "app/pictures: splash.jpg logo.jpg"
