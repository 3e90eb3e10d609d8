#!/usr/bin/env bash
# Installs every Debian package that building, testing and benchmarking Quillane needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  cmake
  ninja-build
  g++
  clang
  clang-format
  clang-tidy
  libclang-rt-14-dev
  make
  python3
  pkg-config
  qt6-base-dev
  qt6-qpa-plugins
  libsqlite3-dev
  libpcre2-dev
  libexiv2-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  fonts-dejavu-core
  xvfb
  xauth
  desktop-file-utils
  appstream
  dpkg-dev
  rename
)

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
