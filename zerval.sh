#!/usr/bin/env bash
# zerval's one entry point for people and CI:
#   ./zerval.sh run       set up, build and start zerval
#   ./zerval.sh test      set up, build and run every test (normal build)
#   ./zerval.sh sanitize  the same tests in the AddressSanitizer/UBSan build
set -euo pipefail
cd "$(dirname "$0")"

build() {
    bash scripts/setup.sh
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    build default
    exec build/default/zerval
    ;;
test)
    build default
    ctest --preset default
    ;;
sanitize)
    build sanitize
    ctest --preset sanitize
    ;;
*)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
