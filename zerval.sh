#!/usr/bin/env bash
# zerval's one entry point for people and CI:
#   ./zerval.sh run       set up, build and start zerval
#   ./zerval.sh test      set up, build and run every test (normal build), then the fuzz targets
#   ./zerval.sh sanitize  the same tests in the AddressSanitizer/UBSan build
#   ./zerval.sh fuzz      the kit's fuzz targets alone, each for $ZERVAL_FUZZ_SECONDS (60) s,
#                         where clang with libFuzzer is installed (0 seconds skips them)
set -euo pipefail
cd "$(dirname "$0")"

build() {
    bash scripts/setup.sh
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

fuzz() {
    if [ "${ZERVAL_FUZZ_SECONDS:-60}" != 0 ]; then
        bash scripts/fuzz.sh "${ZERVAL_FUZZ_SECONDS:-60}"
    fi
}

case "${1:-}" in
run)
    build default
    exec build/default/zerval
    ;;
test)
    build default
    ctest --preset default
    fuzz
    ;;
fuzz)
    fuzz
    ;;
sanitize)
    build sanitize
    ctest --preset sanitize
    ;;
*)
    echo "usage: $0 run|test|sanitize|fuzz" >&2
    exit 2
    ;;
esac
