#!/usr/bin/env bash
# Installs into a temporary folder (a name full of characters the desktop
# entry must escape) for a temporary user: the launcher's files are there and
# pass their validators; uninstalling keeps the collection.
set -euo pipefail
build=$1
top=$(cd "$(dirname "$0")/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home"
unset XDG_DATA_HOME
data="$HOME/.local/share"
app_id=org.bindlewick.Bindlewick
entry="$data/applications/$app_id.desktop"
meta="$data/metainfo/$app_id.metainfo.xml"
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$tmp/My Beanies \$5 & \"100%\" \\ \`x\`"
bash "$top/scripts/install-program.sh" "$build" "$prefix" >/dev/null

[ -x "$prefix/bindlewick" ] || fail "no program in $prefix"
[ -f "$entry" ] || fail "no desktop entry"
[ -f "$meta" ] || fail "no metainfo"
for n in 16 22 24 32 48 64 128 256; do
  png="$data/icons/hicolor/${n}x${n}/apps/$app_id.png"
  [ -f "$png" ] || fail "no ${n}x$n icon"
  # Width and height stand big-endian in the IHDR chunk, bytes 16 to 23.
  size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  [ "$size" = "${n}x$n" ] || fail "the ${n}x$n icon is $size"
done

grep -qx 'Name=Bindlewick' "$entry" || fail "Name"
grep -qx 'StartupWMClass=Bindlewick' "$entry" || fail "StartupWMClass"
grep -q '^Categories=.*Office;' "$entry" || fail "Categories"
# Exec, read back by the entry format's rules, names the installed program.
shopt -u patsub_replacement 2>/dev/null || true
arg=$(sed -n 's/^Exec=//p' "$entry")
[ "${arg:0:1}" = '"' ] && [ "${arg: -1}" = '"' ] || fail "Exec is not quoted: $arg"
arg=${arg:1:${#arg}-2}
arg=${arg//\\\\/\\}                                  # the string escapes
arg=$(printf '%s' "$arg" | sed -e 's/\\\(.\)/\1/g')  # the quoting escapes
arg=${arg//%%/%}
[ "$arg" = "$prefix/bindlewick" ] || fail "Exec names '$arg'"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate"
else
  echo "desktop-file-validate not installed: entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$meta" || fail "appstreamcli validate"
else
  echo "appstreamcli not installed: metainfo not validated"
fi

# The collection stays through an uninstall; everything installed goes.
mkdir -p "$prefix/pictures" "$prefix/backups"
for f in a1.pvd a3.pvd a4.pvd bindle.ini pictures/bear.jpg backups/a3.pvd; do
  echo keep > "$prefix/$f"
done
bash "$top/scripts/uninstall-program.sh" "$prefix" >/dev/null
for f in a1.pvd a3.pvd a4.pvd bindle.ini pictures/bear.jpg backups/a3.pvd; do
  [ "$(cat "$prefix/$f")" = keep ] || fail "uninstall touched $f"
done
for f in bindlewick a2.pvd ROOSTER.ICO docs/wickhelp.htm; do
  [ ! -e "$prefix/$f" ] || fail "uninstall left $f"
done
[ ! -e "$entry" ] && [ ! -e "$meta" ] || fail "uninstall left the launcher"
[ -z "$(find "$data/icons" -name "$app_id.png")" ] || fail "uninstall left icons"

# Without a collection the program folder goes too.
other="$tmp/plain"
bash "$top/scripts/install-program.sh" "$build" "$other" >/dev/null
bash "$top/scripts/uninstall-program.sh" "$other" >/dev/null
[ ! -e "$other" ] || fail "uninstall left $other: $(find "$other")"
echo "launcher: ok"
