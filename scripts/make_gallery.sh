#!/usr/bin/env bash
# Makes the pictures of the gallery in README.md, docs/gallery/NAME.png: each
# program (and the launcher) run headless on a few lines of input, its page
# snapped. Run after a build (./run-tests or ./demo builds):
#   scripts/make_gallery.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/default/bin
out=docs/gallery
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Left clicks at the vertices given, then a right click: a polygon entered.
polygon() {
  while [ $# -gt 0 ]; do
    printf 'mouse %d %d 1\nmouse %d %d 0\nwait 1\n' "$1" "$2" "$1" "$2"
    shift 2
  done
  printf 'mouse 700 550 2\n'
}

# The seed of the random pictures: one that shows what the program is about.
seed_of() {
  case $1 in
    point_in_polygon) echo 5 ;;
    *) echo 6 ;;
  esac
}

# The input of each picture, up to the snap.
input() {
  case $1 in
    cross_product) printf 'mouse 100 500 0\nwait 2\n' ;;
    vector_angle) printf 'mouse 400 400 1\nwait 2\nmouse 330 215 1\nwait 2\nmouse 330 215 0\nwait 4\n' ;;
    segment_crossing) printf 'mouse 300 500 0\nwait 2\n' ;;
    segment_distance) printf 'mouse 700 500 0\nwait 2\n' ;;
    normal_line) printf 'wait 500\n' ;;
    line_circle) printf 'wait 100\n' ;;
    perpendicular | circumcircle | intersections | point_in_polygon) ;;
    polygon_overlap)
      polygon 150 120 450 90 520 330 230 430
      printf 'key 32\n'
      polygon 330 200 680 260 440 520
      printf 'key 32\n'
      ;;
    launcher) printf 'mouse 790 590 0\nmouse 400 250 0\nwait 1\n' ;;
  esac
}

names=$("$bin/launcher" --list | cut -f1)
for name in $names launcher; do
  { input "$name"; echo "snap $PWD/$out/$name.png"; echo "key 27"; } >"$work/$name.txt"
  WINGRAPH_DRIVER=headless WINGRAPH_SCRIPT="$work/$name.txt" WINGRAPH_SEED=$(seed_of "$name") "$bin/$name"
  echo "$out/$name.png"
done
