#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those still missing.
set -euo pipefail
want=(cmake make g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation fonts-dejavu-core poppler-utils
      desktop-file-utils appstream)
# Printing tested through a private CUPS daemon and a PDF queue.
want+=(cups cups-client printer-driver-cups-pdf)
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
