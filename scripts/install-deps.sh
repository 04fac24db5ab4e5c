#!/usr/bin/env bash
# Installs what Velmoria needs to build, run and test on Debian 12.
set -euo pipefail
PKGS=(build-essential cmake pkg-config ccache qt6-base-dev qt6-base-dev-tools libqt6printsupport6
      qt6-image-formats-plugins libjpeg62-turbo libsqlcipher-dev sqlcipher libssl-dev
      fonts-noto-cjk fontconfig qt6-translations-l10n xvfb xauth)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
