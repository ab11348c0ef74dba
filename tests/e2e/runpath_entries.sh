#!/usr/bin/env bash
# The loader reads an empty entry of a RUNPATH or RPATH (a leading or trailing colon, or
# two in a row) as the current folder: no program or plug-in of the build may have one,
# or a library would be loaded from wherever the user stands.
set -euo pipefail
: "${SKYTRAK3D:?path of the program}"
command -v readelf >/dev/null || exit 77
checked=0
for file in "$(dirname "$SKYTRAK3D")"/*; do
  [ -f "$file" ] && [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = "177ELF" ] || continue
  checked=$((checked + 1))
  while read -r paths; do
    case ":$paths:" in
      *::*) echo "$file: an empty entry in [$paths]"; exit 1 ;;
    esac
  done < <(readelf -d "$file" | sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]$/\2/p')
done
[ "$checked" -gt 0 ] || { echo "no program found next to $SKYTRAK3D"; exit 1; }
