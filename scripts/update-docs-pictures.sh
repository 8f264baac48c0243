#!/usr/bin/env bash
# Renders the gallery and copies the pictures that the README and the AppStream description show
# into docs/pictures. Run it after a change to a screen they show, and commit the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# <picture in docs/pictures>:<gallery scene>
pictures=(
  food_day:food_tab_full_day
  food_menu:food_menu_main
  add_food:food_add_edit
  profile:profile_metric_filled
)
[ -f "$BUILD_DIR/CMakeCache.txt" ] || cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" --target quorvel_gallery -j2
rendered=$(mktemp -d)
trap 'rm -rf "$rendered"' EXIT
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bin/quorvel_gallery" "$rendered" >/dev/null
mkdir -p docs/pictures
for p in "${pictures[@]}"; do
  cp "$rendered/${p#*:}.png" "docs/pictures/${p%%:*}.png"
done
echo "docs/pictures: ${#pictures[@]} pictures from the gallery"
