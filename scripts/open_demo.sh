#!/usr/bin/env bash
# Opens the launcher, one built demonstration by name, or lists them.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/default/bin
case "${1:-}" in
  "")
    exec "$bin/launcher"
    ;;
  --list)
    echo "./demo NAME opens one of these; ./demo alone opens the launcher:"
    "$bin/launcher" --list | while IFS=$'\t' read -r name title; do
      printf '  %-18s %s\n' "$name" "$title"
    done
    ;;
  *)
    if "$bin/launcher" --list | cut -f1 | grep -qx -- "$1"; then exec "$bin/$1"; fi
    echo "No demonstration is called '$1'; ./demo --list lists them." >&2
    exit 2
    ;;
esac
