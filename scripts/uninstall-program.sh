#!/usr/bin/env bash
# Removes the program, the files that ship with it and the user's launcher.
# The collection stays: a1.pvd, a3.pvd, a4.pvd, bindle.ini, pictures/,
# backups/ and anything else the user put in the folder.
set -euo pipefail
prefix=$(realpath -m "$1")
top=$(cd "$(dirname "$0")/.." && pwd)
app_id=org.bindlewick.Bindlewick

if [ -d "$prefix" ]; then
  rm -f "$prefix/bindlewick" "$prefix/bindlewick.new"
  (cd "$top/shipped" && find . -type f) | while read -r f; do
    case "$(basename "$f")" in
      a1.pvd|a3.pvd|a4.pvd|bindle.ini) continue ;;
    esac
    rm -f "$prefix/$f"
  done
  # Folders the shipped files made, then the program folder, only if empty.
  (cd "$top/shipped" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
    rmdir "$prefix/$d" 2>/dev/null || true
  done
  rmdir "$prefix" 2>/dev/null || echo "Kept $prefix: it holds your collection"
fi

data=${XDG_DATA_HOME:-$HOME/.local/share}
rm -f "$data/applications/$app_id.desktop" "$data/metainfo/$app_id.metainfo.xml"
for icon in "$data"/icons/hicolor/*/apps/"$app_id".png; do
  rm -f "$icon"
done
command -v update-desktop-database >/dev/null && update-desktop-database -q "$data/applications" || true
command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$data/icons/hicolor" || true
echo "Uninstalled from $prefix"
