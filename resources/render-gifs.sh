#!/usr/bin/env bash
# Renders the catalogue pictures from their SVG sources in art/gif/ into install/, from where
# the run script copies them beside the program (the first installation moves them on).
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick).
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in EAWLOGO NOIMAGE SPRING SUMMER AUTUMN WINTER; do
  rsvg-convert --background-color=white "art/gif/$name.svg" -o "$work/$name.png"
  # A plain palette picture without transparency or comments, as any GIF decoder reads it.
  convert "$work/$name.png" -strip -alpha off -colors 256 "install/$name.GIF"
  if [ -n "${KEEP_PNG:-}" ]; then cp "$work/$name.png" "$KEEP_PNG/"; fi
done
