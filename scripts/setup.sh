#!/usr/bin/env bash
# Installs the Debian packages that zerval needs to build, run and test, where missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-webengine-dev
    libgtest-dev
    fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "zerval: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    else
        echo "zerval: these Debian packages are missing and I cannot install them without root:" >&2
        echo "  ${missing[*]}" >&2
        echo "zerval: install them with: apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get update -qq || ! "${as_root[@]}" apt-get install -y -qq "${missing[@]}"; then
    echo "zerval: apt-get could not install: ${missing[*]}" >&2
    exit 1
fi
