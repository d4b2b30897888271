#!/usr/bin/env bash
# Renders the art sources in art/ into the PNG files compiled into the program (embed/).
# Needs rsvg-convert (librsvg2-bin). Run it after editing an SVG and commit both.
set -euo pipefail
cd "$(dirname "$0")"

render() {  # source width height target
  rsvg-convert -w "$2" -h "$3" "art/$1" -o "embed/$4"
}

# The program icon: the small sizes come from the simpler tray badge, which reads better there.
for size in 16 24; do render tray.svg "$size" "$size" "icon-$size.png"; done
for size in 32 48 64 128 256; do render icon.svg "$size" "$size" "icon-$size.png"; done
# The tray icons: normal, and busy while terrain or skins change.
for size in 22 32 48 64; do
  render tray.svg "$size" "$size" "tray-$size.png"
  render tray-busy.svg "$size" "$size" "tray-busy-$size.png"
done
# The title picture and the information panel's picture.
render title.svg 500 250 title.png
render panel.svg 300 178 panel.png
# The icon beside the program, named by the desktop entry it makes.
cp embed/icon-256.png install/harbinet.png
# The Windows program's icon, every size in one file (ImageMagick).
convert embed/icon-{16,24,32,48,64,128,256}.png windows/harbinet.ico
