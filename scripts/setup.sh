#!/usr/bin/env bash
# Installs the Debian packages that zerval needs to build, run and test, where missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-webengine-dev
    libgtest-dev
    fonts-dejavu-core
    locales
    desktop-file-utils appstream librsvg2-bin groff-base
    python3  # the layout generators of tools/forms/ and their test
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
# The program's users have a Spanish locale, and every test runs under it too.
spanish_locale=es_ES.UTF-8
has_spanish_locale() {
    locale -a 2>/dev/null | grep -qix 'es_ES\.utf-\?8'
}
[ ${#missing[@]} -eq 0 ] && has_spanish_locale && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    else
        echo "zerval: I need root to install these Debian packages or the $spanish_locale locale:" >&2
        echo "  ${missing[*]}" >&2
        echo "zerval: install them with: apt-get install ${missing[*]}" >&2
        echo "zerval: and generate the locale with: localedef -i es_ES -c -f UTF-8 $spanish_locale" >&2
        exit 1
    fi
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "zerval: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! "${as_root[@]}" apt-get update -qq || ! "${as_root[@]}" apt-get install -y -qq "${missing[@]}"; then
        echo "zerval: apt-get could not install: ${missing[*]}" >&2
        exit 1
    fi
fi
if ! has_spanish_locale; then
    echo "zerval: generating the $spanish_locale locale"
    if ! "${as_root[@]}" localedef -i es_ES -c -f UTF-8 "$spanish_locale"; then
        echo "zerval: could not generate the $spanish_locale locale" >&2
        exit 1
    fi
fi
