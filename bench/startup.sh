#!/usr/bin/env bash
# Start-up to the main menu painted, beside the floor: an empty Qt Widgets
# window of the main menu's size (786 x 576, frameless) shown and painted once.
# Both run with --quit-after-show, alternately (program, floor, program, ...),
# so that a machine whose speed drifts slows both alike; each run is timed
# from outside, from the process's start to its end. Prints the medians and
# their ratio for the bundled bank, for generated banks of 10,000 and 100,000
# questions (or the sizes given with -s) and for the real public bank
# (../shared/data/realbank.json, imported with the build's qbank, when it is
# there).
#
#   bench/startup.sh [-n RUNS] [-s "SIZES"] [-x SCALE] [BUILD_DIR]
#
#   -n RUNS     timed runs of each program (default 30), after one warm-up run
#   -s SIZES    generated bank sizes, blank-separated (default "10000 100000");
#               -s "" runs the bundled bank only
#   -x SCALE    the display scale both run at (QT_SCALE_FACTOR, e.g. 2 or
#               1.5; default: as the display says). At 2 the screen must hold
#               1572 x 1152 pixels (xvfb-run -s "-screen 0 2048x1536x24").
#   BUILD_DIR   a build folder with bin/theoryexam, bench/startup_floor and
#               bench/write_bank (default: build-release, else build)
#
# Runs on the display in DISPLAY (e.g. under xvfb-run -a), or off screen when
# neither DISPLAY nor QT_QPA_PLATFORM is set.
set -euo pipefail

runs=30
sizes="10000 100000"
while getopts "n:s:x:h" option; do
    case $option in
    n) runs=$OPTARG ;;
    s) sizes=$OPTARG ;;
    x) export QT_SCALE_FACTOR=$OPTARG ;;
    *) sed -n '2,/^set -e/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 2 ;;
    esac
done
shift $((OPTIND - 1))

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
if [[ -z $build ]]; then
    build=$source_dir/build-release
    [[ -x $build/bin/theoryexam ]] || build=$source_dir/build
fi
build=$(cd "$build" && pwd)
program=$build/bin/theoryexam
floor=$build/bench/startup_floor
writer=$build/bench/write_bank
for file in "$program" "$floor" "$writer"; do
    [[ -x $file ]] || { echo "missing $file: build the program and bench/ first" >&2; exit 1; }
done
if [[ -z ${DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    export QT_QPA_PLATFORM=offscreen
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# Microseconds of processor time (user and system) of the finished children
# of the shell that ran `times` into the file $1.
cpu_of() {
    awk 'END { for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); us += (t[1] * 60 + t[2]) * 1000000 } printf "%d", us }' "$1"
}

# One run of a command, timed from its start to its end: "wall cpu" in
# microseconds (processor time: user and system, from the shell's own
# accounting of its children). Fails the script when the command fails.
time_run() {
    local start end stem=$work/times.$BASHPID
    times >"$stem.0"
    start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$EPOCHREALTIME
    times >"$stem.1"
    echo $((${end/./} - ${start/./})) $(($(cpu_of "$stem.1") - $(cpu_of "$stem.0")))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Runs the program in program folder $2 and the floor alternately and prints
# the figure under the heading $1.
measure() {
    local heading=$1 exe=$2 i
    local i a b
    rm -f "$work"/[ab].* "$work/ratio"
    time_run "$exe" --quit-after-show >/dev/null
    time_run "$floor" --quit-after-show >/dev/null
    for ((i = 0; i < runs; i++)); do
        read -r -a a <<<"$(time_run "$exe" --quit-after-show)"
        read -r -a b <<<"$(time_run "$floor" --quit-after-show)"
        echo "${a[0]}" >>"$work/a.wall"
        echo "${a[1]}" >>"$work/a.cpu"
        echo "${b[0]}" >>"$work/b.wall"
        echo "${b[1]}" >>"$work/b.cpu"
        awk -v a="${a[0]}" -v b="${b[0]}" 'BEGIN { print a / b }' >>"$work/ratio"
    done
    local ma mb ca cb spread_a spread_b pairs
    ma=$(median <"$work/a.wall")
    mb=$(median <"$work/b.wall")
    ca=$(median <"$work/a.cpu")
    cb=$(median <"$work/b.cpu")
    pairs=$(median <"$work/ratio")
    spread_a=$(sort -n "$work/a.wall" | awk '{ v[NR] = $1 } END { printf "%.1f-%.1f", v[1] / 1000, v[NR] / 1000 }')
    spread_b=$(sort -n "$work/b.wall" | awk '{ v[NR] = $1 } END { printf "%.1f-%.1f", v[1] / 1000, v[NR] / 1000 }')
    echo
    echo "== $heading"
    awk -v what="start-up to the main menu painted" -v a="$ma" -v b="$mb" \
        'BEGIN { printf "%-40s %9.1f ms   floor %7.1f ms   ratio %5.2f\n", what, a / 1000, b / 1000, a / b }'
    awk -v a="$spread_a" -v b="$spread_b" -v p="$pairs" -v n="$runs" -v ca="$ca" -v cb="$cb" \
        'BEGIN { printf "   (%d runs each; wall min-max %s ms, floor %s ms; median of the pairs'"'"' ratios %.2f;\n" \
                        "    processor time %.1f ms, floor %.1f ms, ratio %.2f)\n", n, a, b, p, ca / 1000, cb / 1000, ca / cb }'
}

echo "start-up benchmark on ${QT_QPA_PLATFORM:-the display $DISPLAY}${QT_SCALE_FACTOR:+ at scale $QT_SCALE_FACTOR}, $runs alternating runs each"
measure "bundled bank" "$program"

# A program folder of its own for a bank: the program, and the bundled
# pages, pictures and settings beside it; its data.db is written by the caller.
program_folder() {
    local folder=$work/$1
    mkdir -p "$folder"
    cp "$program" "$folder/"
    for item in html upload system.ini; do
        ln -s "$build/bin/$item" "$folder/$item"
    done
    echo "$folder"
}

for size in $sizes; do
    folder=$(program_folder "bank$size")
    "$writer" "$size" "$folder/data.db"
    measure "generated bank of $size questions" "$folder/theoryexam"
done

real=$source_dir/../shared/data/realbank.json
qbank=$build/devtools/qbank
if [[ -f $real && -x $qbank ]]; then
    folder=$(program_folder realbank)
    "$qbank" import "$real" -o "$folder/data.db" >/dev/null
    measure "real public bank (5,369 questions)" "$folder/theoryexam"
fi
