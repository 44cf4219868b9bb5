#!/usr/bin/env bash
# Renders every package picture in a folder with librsvg, a real SVG
# renderer: each must give a PNG of the width and height its <svg> element
# names. Reported as skipped (77) where rsvg-convert is not installed;
# .ci/run installs it (Debian package librsvg2-bin).
command -v rsvg-convert > /dev/null ||
  { echo "rsvg-convert not found (Debian package librsvg2-bin)"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for svg in "$1"/*.svg; do
  png=$scratch/picture.png
  want=$(sed -n 's/^<svg .* width="\([0-9]*\)" height="\([0-9]*\)".*/\1 \2/p' "$svg")
  # The PNG header holds the width and the height as 4-byte big-endian numbers.
  got=$(rsvg-convert -o "$png" "$svg" && od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1 * 2^24 + $2 * 2^16 + $3 * 2^8 + $4, $5 * 2^24 + $6 * 2^16 + $7 * 2^8 + $8 }')
  echo "$(basename "$svg"): ${got:-not rendered}"
  [ -n "$want" ] && [ "$got" = "$want" ] || failed=1
done
exit $failed
