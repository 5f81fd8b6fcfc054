#!/usr/bin/env bash
# zerval's benchmark: start-up and memory against the floor dialog, and the cost of one
# keystroke through the energy window's whole cascade. Medians of interleaved runs, printed
# as ratios to the floor. Usage: bench/run.sh [RUNS]   (default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}

bash scripts/setup.sh
extras=()
for tool in Xvfb:xvfb /usr/bin/time:time; do
    command -v "${tool%%:*}" >/dev/null 2>&1 || extras+=("${tool##*:}")
done
dpkg-query -W -f='${Status}' libx11-dev 2>/dev/null | grep -q 'install ok installed' || extras+=(libx11-dev)
if [ ${#extras[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    "${as_root[@]}" apt-get install -y -qq "${extras[@]}" >/dev/null
fi
cmake --preset default >/dev/null
cmake --build --preset default --target zerval zerval-play zerval-bench-floor zerval-bench-firstmap >/dev/null
build=build/default
work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT

if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:77
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    # A busy machine takes a while to start the server: wait for its socket.
    for ((wait = 0; wait < 100; wait++)); do
        [ -S /tmp/.X11-unix/X77 ] && break
        sleep 0.1
    done
    sleep 0.2
fi
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Start-up: from launch until the main window (or the floor's dialog) is mapped, and the
# resident memory 300 ms later. Runs alternate between the two programs.
main_title=" - zerval - Unidades de pesas y medidas"
for ((i = 0; i < runs; i++)); do
    "$build/bench/zerval-bench-firstmap" floor 300 "$build/bench/zerval-bench-floor" >>"$work/floor.start"
    "$build/bench/zerval-bench-firstmap" "$main_title" 300 "$build/zerval" 2>/dev/null >>"$work/zerval.start"
done
floor_time=$(cut -f1 "$work/floor.start" | median)
zerval_time=$(cut -f1 "$work/zerval.start" | median)
floor_rss=$(cut -f2 "$work/floor.start" | median)
zerval_rss=$(cut -f2 "$work/zerval.start" | median)

# The largest windows open, through the player on the real X display: peak resident memory
# of the whole run against the floor's, which leaves once its dialog is painted.
largest_rss=0
largest=""
for window in TFormEnergia TFormPotencia TFormClinic TFormAndalucia TFormValencia; do
    printf 'open %s\n' "$window" >"$work/$window.play"
    "$build/zerval-play" "$work/$window.play" >/dev/null 2>&1 || continue
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f %M "$build/bench/zerval-bench-floor" --quit-after-show 2>>"$work/floor.peak" >/dev/null
        /usr/bin/time -f %M "$build/zerval-play" "$work/$window.play" 2>>"$work/$window.peak" >/dev/null
    done
    peak=$(grep -E '^[0-9]+$' "$work/$window.peak" | median)
    if [ "${peak%.*}" -gt "${largest_rss%.*}" ]; then largest_rss=$peak; largest=$window; fi
done
floor_peak=$(grep -E '^[0-9]+$' "$work/floor.peak" | median)

# One keystroke through the energy window's cascade: a script of typed keys against a control
# script that opens the window and types nothing, on the offscreen platform.
keys=3000
{
    echo "open TFormEnergia"
    for ((i = 0; i < keys / 2; i++)); do echo "type $((i % 9 + 1))"; echo "key Backspace"; done
} >"$work/keys.play"
printf 'open TFormEnergia\n' >"$work/control.play"
for ((i = 0; i < 5; i++)); do
    for script in control keys; do
        start=$(date +%s.%N)
        QT_QPA_PLATFORM=offscreen "$build/zerval-play" "$work/$script.play" >/dev/null 2>&1
        end=$(date +%s.%N)
        awk -v s="$start" -v e="$end" 'BEGIN { print e - s }' >>"$work/$script.seconds"
    done
done
control=$(median <"$work/control.seconds")
typed=$(median <"$work/keys.seconds")
per_key=$(awk -v t="$typed" -v c="$control" -v n="$keys" 'BEGIN { printf "%.3f", (t - c) * 1000 / n }')

printf '%-44s %10s %10s %7s\n' "" zerval floor ratio
printf '%-44s %9.3fs %9.3fs %7s\n' "start to visible main window" "$zerval_time" "$floor_time" \
    "$(ratio "$zerval_time" "$floor_time")"
printf '%-44s %8.1fMiB %8.1fMiB %7s\n' "resident memory, main window shown" \
    "$(ratio "$zerval_rss" 1024)" "$(ratio "$floor_rss" 1024)" "$(ratio "$zerval_rss" "$floor_rss")"
printf '%-44s %8.1fMiB %8.1fMiB %7s\n' "peak memory, largest window ($largest)" \
    "$(ratio "$largest_rss" 1024)" "$(ratio "$floor_peak" 1024)" "$(ratio "$largest_rss" "$floor_peak")"
printf '%-44s %8sms\n' "one keystroke, energy window cascade" "$per_key"
echo "($runs interleaved runs each; keystrokes: $keys, medians of 5 runs)"
