#!/usr/bin/env bash
# Installs what the build needs from Debian, builds, then either starts the
# program on the demo database ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")"

what="${1:-}"
case "$what" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

packages=(cmake ninja-build g++ pkg-config ccache libsqlite3-dev qt6-base-dev libgl-dev
          libkainjow-mustache-dev libbenchmark-dev fonts-dejavu-core poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ "$what" = test ]; then
  cd build
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure
else
  exec build/bin/tavrix-mri
fi
