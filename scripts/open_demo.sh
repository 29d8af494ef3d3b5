#!/usr/bin/env bash
# Opens one built demonstration by name, or lists them all.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/default/bin
demos=(
  "cross_product|PRODUS VECTORIAL"
  "vector_angle|UNGHIUL DINTRE 2 VECTORI"
  "perpendicular|PERPENDICULARITATE"
  "circumcircle|CERCUL CIRCUMSCRIS TRIUNGHIULUI"
  "normal_line|DREAPTA DEFINITA PRIN DISTANTA SI NORMALA"
  "line_circle|INTERSECTIE INTRE DREAPTA SI CERC"
  "segment_crossing|INTERSECTII DE SEGMENTE"
  "intersections|INTERSECTII"
  "segment_distance|CEA MAI MICA DISTANTA DINTRE SEGMENTE"
  "point_in_polygon|INTERIORUL POLIGONULUI"
  "polygon_overlap|INTERSECTIA POLIGOANELOR"
)
if [ $# -eq 0 ]; then
  echo "Usage: ./demo NAME, one of:"
  for d in "${demos[@]}"; do printf '  %-18s %s\n' "${d%%|*}" "${d#*|}"; done
  exit 0
fi
for d in "${demos[@]}"; do
  [ "${d%%|*}" = "$1" ] && exec "$bin/$1"
done
echo "No demonstration is called '$1'; ./demo lists them." >&2
exit 2
