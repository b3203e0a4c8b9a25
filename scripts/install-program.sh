#!/usr/bin/env bash
# Copies the program and the files that ship with it into the program folder.
# The collection files are the user's: they are never written here.
set -euo pipefail
build=$1
prefix=$2
mkdir -p "$prefix/docs"
install -m 755 "$build/bindlewick" "$prefix/bindlewick.new"
mv -f "$prefix/bindlewick.new" "$prefix/bindlewick"
cd "$(dirname "$0")/../shipped"
find . -type f | while read -r f; do
  case "$(basename "$f")" in
    a1.pvd|a3.pvd|a4.pvd|bindle.ini) continue ;;
  esac
  mkdir -p "$prefix/$(dirname "$f")"
  install -m 644 "$f" "$prefix/$f"
done
echo "Installed into $prefix"
