#!/usr/bin/env bash
# Builds the kit's fuzz targets with clang's libFuzzer and runs each for a bounded time,
# starting from the corpus kept in tests/fuzz/corpus/. Fails on any finding.
#   scripts/fuzz.sh [SECONDS]   (default: $ZERVAL_FUZZ_SECONDS, else 60)
# Where clang or its libFuzzer is missing, says so and succeeds: the targets are optional.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${ZERVAL_FUZZ_SECONDS:-60}}"
compiler="${ZERVAL_FUZZ_CXX:-clang++}"
if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "zerval: no $compiler here; the fuzz targets are not built"
    exit 0
fi
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    >"$probe/probe.cpp"
if ! "$compiler" -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "zerval: $compiler has no libFuzzer here; the fuzz targets are not built"
    exit 0
fi

cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER="$compiler" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j2

status=0
for target in keyfilter numbersyntax textforms checked; do
    # New inputs go to a scratch folder; the kept corpus is only read.
    scratch="build/fuzz/corpus/$target"
    mkdir -p "$scratch"
    echo "zerval: fuzzing $target for ${seconds}s"
    if ! (cd build/fuzz && "./${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=0 "corpus/$target" \
            "../../tests/fuzz/corpus/$target" 2>"${target}.log"); then
        echo "zerval: the $target fuzz target found a fault (build/fuzz/${target}.log):" >&2
        tail -n 40 "build/fuzz/${target}.log" >&2
        status=1
    else
        grep -E '^#[0-9]+.*DONE|Done [0-9]+ runs' "build/fuzz/${target}.log" | tail -n 1
    fi
done
exit $status
