#!/usr/bin/env bash
# Installs the Debian packages Quintara needs to build, test and run; does nothing when all are present.
# Usage: scripts/install-deps.sh [--no-qt]
set -euo pipefail

packages=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
    libboost-dev libcurl4-openssl-dev dpkg-dev file help2man lintian appstream desktop-file-utils)
if [[ "${1:-}" != "--no-qt" ]]; then
    packages+=(qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev xvfb xauth imagemagick fonts-dejavu-core poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and sudo is not installed. As root, run:" >&2
        echo "    apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
        echo "(for example through: su -c '...'), then run this script again." >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
