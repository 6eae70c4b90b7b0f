#!/usr/bin/env bash
# Installs the Debian packages that Quillmark builds, tests and runs with. Only calls
# apt-get (and its update) when something is missing, so a second run costs nothing.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev qt6-tools-dev libzxing-dev librsvg2-bin poppler-utils ghostscript
    qt6-declarative-dev qml6-module-qtquick qml6-module-qtqml qml6-module-qtqml-workerscript
    libzint-dev zint
    libqrencode-dev libdmtx-dev
    clang libclang-rt-14-dev
    fonts-dejavu-core fonts-ocr-b xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root (or install them with apt-get) and try again." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
