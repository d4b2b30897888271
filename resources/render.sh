#!/usr/bin/env bash
# Renders the art sources in art/ into the PNG files compiled into the program (embed/).
# Needs rsvg-convert (librsvg2-bin). Run it after editing an SVG and commit both.
set -euo pipefail
cd "$(dirname "$0")"

render() {  # source width height target
  rsvg-convert -w "$2" -h "$3" "art/$1" -o "embed/$4"
}

# Program icon 128: the small sizes come from the simpler tray badge, which reads better there.
for size in 16 24; do render tray-166.svg "$size" "$size" "icon-128-$size.png"; done
for size in 32 48 64 128 256; do render icon-128.svg "$size" "$size" "icon-128-$size.png"; done
# Tray icons 166 (normal) and 173 (busy).
for size in 22 32 48 64; do
  render tray-166.svg "$size" "$size" "tray-166-$size.png"
  render tray-173.svg "$size" "$size" "tray-173-$size.png"
done
# Title picture 103 and information-panel picture 132.
render title-103.svg 500 250 title-103.png
render panel-132.svg 300 178 panel-132.png
# The icon beside the program, named by the desktop entry it makes.
cp embed/icon-128-256.png install/harbinet.png
