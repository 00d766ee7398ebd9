#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when they
# are missing. Idempotent; prints nothing when everything is present.
set -euo pipefail

packages=(
  cmake
  ninja-build
  g++
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
)

missing=()
for pkg in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q >/dev/null
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
