#!/usr/bin/env bash
# Copies the program and the files that ship with it into the program folder,
# and gives the user who runs it a launcher: a desktop entry, the rooster in
# the icon theme and the AppStream description. Nothing needs root.
# The collection files are the user's: they are never written here.
set -euo pipefail
build=$(realpath "$1")
prefix=$(realpath -m "$2")
screenshot=${SCREENSHOT_URL:-https://bindlewick.org/docs/main-window.png}
top=$(cd "$(dirname "$0")/.." && pwd)
app_id=org.bindlewick.Bindlewick

mkdir -p "$prefix/docs"
install -m 755 "$build/bindlewick" "$prefix/bindlewick.new"
mv -f "$prefix/bindlewick.new" "$prefix/bindlewick"
cd "$top/shipped"
find . -type f | while read -r f; do
  case "$(basename "$f")" in
    a1.pvd|a3.pvd|a4.pvd|bindle.ini) continue ;;
  esac
  mkdir -p "$prefix/$(dirname "$f")"
  install -m 644 "$f" "$prefix/$f"
done
echo "Installed into $prefix"

# The launcher, for this user.
data=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$data/applications" "$data/metainfo" "$data/icons/hicolor"
shopt -u patsub_replacement 2>/dev/null || true
# Exec: quoted, with the escapes the desktop entry format asks for.
exec_arg=${prefix//\\/\\\\\\\\}
for c in '"' '`' '$'; do exec_arg=${exec_arg//"$c"/\\\\$c}; done
exec_arg=\"${exec_arg//%/%%}/bindlewick\"
entry=$(<"$top/desktop/$app_id.desktop.in")
entry=${entry//@EXEC@/$exec_arg}
entry=${entry//@PREFIX@/${prefix//\\/\\\\}}
printf '%s\n' "$entry" > "$data/applications/$app_id.desktop.new"
mv -f "$data/applications/$app_id.desktop.new" "$data/applications/$app_id.desktop"
meta=$(<"$top/desktop/$app_id.metainfo.xml")
printf '%s\n' "${meta//@SCREENSHOT@/$screenshot}" > "$data/metainfo/$app_id.metainfo.xml"
"$build/rooster_icons" "$data/icons/hicolor" "$app_id"
# Caches some desktops read; the launcher works without them.
command -v update-desktop-database >/dev/null && update-desktop-database -q "$data/applications" || true
command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$data/icons/hicolor" || true
echo "Launcher installed into $data"
