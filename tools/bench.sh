#!/usr/bin/env bash
# Builds a release build and runs every benchmark of bench/ several times, then prints one
# table: for each figure its median, minimum and maximum over the runs, its target, and
# whether the median meets it.
#
#   tools/bench.sh [--runs N] [--build-dir DIR] [--quick] [--jobs N] [--desktop-only]
#                  [--compare OTHER-BUILD-DIR]
#
# --runs N       repetitions of every benchmark (default 3)
# --build-dir    where the release build goes (default: build-bench beside the sources)
# --quick        fewer samples per run: a quick look, not figures to quote
# --jobs N       parallel compile jobs (default: the number of cores)
# --desktop-only only the program on the desktop (start-up, memory, idle, session)
# --compare DIR  another, already built build directory of the program (e.g. the last Qt 5
#                one: DIR/src/app/ovelune and DIR/bench/bare_quick_view): its start-up, its
#                bare view, its resident set and idle cost are measured in the same runs,
#                the two builds taking turns, and a second table shows both side by side
#
# Needs what the tests need (Xvfb, openbox, xdotool, jackd) plus pulseaudio, which plays
# the default audio output on a null sink here; KDE Minuet, when installed, is started
# beside the program as a reference. The exit status is 1 when a figure misses its target.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
runs=3
build="$root/build-bench"
quick=0
jobs=$(nproc)
desktop_only=0
compare=
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --build-dir) build=$2; shift 2 ;;
        --quick) quick=1; shift ;;
        --jobs) jobs=$2; shift 2 ;;
        --desktop-only) desktop_only=1; shift ;;
        --compare) compare=$(cd "$2" && pwd) || exit 2; shift 2 ;;
        *) echo "usage: $0 [--runs N] [--build-dir DIR] [--quick] [--jobs N] [--desktop-only] [--compare DIR]" >&2
           exit 2 ;;
    esac
done
before_args=()
if [ -n "$compare" ]; then
    for file in src/app/ovelune bench/bare_quick_view; do
        [ -x "$compare/$file" ] || {
            echo "bench: $compare/$file is missing: cmake --build $compare --target ovelune bare_quick_view" >&2
            exit 2
        }
    done
    before_args=(--before-program "$compare/src/app/ovelune" --before-bare "$compare/bench/bare_quick_view")
fi

# A sound server is installed only where none answers already (PipeWire or PulseAudio).
runtime="${XDG_RUNTIME_DIR:-/run/user/$(id -u)}"
if [ -S "$runtime/pulse/native" ] || [ -S "$runtime/pipewire-0" ]; then
    "$root/tools/setup.sh" packages run test || exit 1
else
    "$root/tools/setup.sh" packages run test bench || exit 1
fi

targets="ovelune bare_quick_view desktop_bench"
[ "$desktop_only" = 1 ] || targets="$targets note_timing_bench click_to_note_bench masker_bench midi_answer_bench history_bench fluency_bench review_bench stats_view_bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DOVELUNE_BUILD_BENCH=ON >/dev/null || exit 1
# shellcheck disable=SC2086
nice cmake --build "$build" --target $targets -j"$jobs" >/dev/null || {
    echo "bench: the release build failed" >&2
    exit 1
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ovelune-bench.XXXXXX")
pulse_pid=
cleanup() {
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# The default audio output: a PulseAudio server on a null sink, as a desktop would have.
if command -v pulseaudio >/dev/null; then
    mkdir -p "$scratch/pulse" && chmod 700 "$scratch/pulse"
    XDG_RUNTIME_DIR="$scratch/pulse" HOME="$scratch/pulse" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        -L module-null-sink -L module-native-protocol-unix >"$scratch/pulse.log" 2>&1 &
    pulse_pid=$!
    for _ in $(seq 50); do [ -S "$scratch/pulse/pulse/native" ] && break; sleep 0.1; done
    export PULSE_SERVER="unix:$scratch/pulse/pulse/native"
    driver=pulseaudio
else
    echo "bench: pulseaudio is not installed; the in-process benchmarks run without audio output" >&2
    driver=none
fi

figures="$scratch/figures.tsv"
isolated="$root/tests/run_isolated.sh"
bin="$build/bench"
notes=200 clicks=150 answers=200 starts=5 idle=30 session=
if [ "$quick" = 1 ]; then
    notes=60 clicks=40 answers=50 starts=2 idle=10 session=--no-session
fi
minuet=$(command -v minuet || true)

for run in $(seq "$runs"); do
    echo "bench: run $run of $runs" >&2
    if [ "$desktop_only" = 0 ]; then
        OVELUNE_AUDIO_DRIVER=$driver "$isolated" -- "$bin/note_timing_bench" --notes "$notes" >>"$figures" 2>>"$scratch/log"
        OVELUNE_AUDIO_DRIVER=$driver "$isolated" -- "$bin/click_to_note_bench" --clicks "$clicks" >>"$figures" 2>>"$scratch/log"
        OVELUNE_AUDIO_DRIVER=$driver "$isolated" -- "$bin/masker_bench" --times "$clicks" >>"$figures" 2>>"$scratch/log"
        OVELUNE_AUDIO_DRIVER=$driver OVELUNE_TEST_JACK_PERIOD=256 "$isolated" --jack -- \
            "$bin/midi_answer_bench" --answers "$answers" >>"$figures" 2>>"$scratch/log"
        "$isolated" -- "$bin/history_bench" >>"$figures" 2>>"$scratch/log"
        "$isolated" -- "$bin/fluency_bench" >>"$figures" 2>>"$scratch/log"
        "$isolated" -- "$bin/review_bench" >>"$figures" 2>>"$scratch/log"
        "$isolated" -- "$bin/stats_view_bench" >>"$figures" 2>>"$scratch/log"
    fi
    # shellcheck disable=SC2086
    "$isolated" -- "$bin/desktop_bench" --program "$build/src/app/ovelune" --bare "$bin/bare_quick_view" \
        ${minuet:+--minuet "$minuet"} --startup-runs "$starts" --idle-seconds "$idle" $session \
        "${before_args[@]}" >>"$figures" 2>>"$scratch/log"
done
grep -E "^(note_timing|click_to_note|masker|midi_answer|history|fluency|review|stats_view|desktop)_bench:" "$scratch/log" | sed 's/^/  /' >&2

# Median, minimum and maximum of figure $1 over the runs.
stats() {
    grep -P "^FIGURE\t$1\t" "$figures" | cut -f4 | sort -g |
        awk '{v[NR]=$1} END {printf "%s %s %s", v[int((NR+1)/2)], v[1], v[NR]}'
}

# One row per figure, in the order first reported.
echo
echo "Ovelune benchmarks: $runs run(s) on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(uname -sr)"
echo
printf '| %-68s | %10s | %10s | %10s | %-12s | %-4s |\n' "Figure" "median" "min" "max" "target" ""
printf '|%s|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' $(seq 70))" "------------" "------------" "------------" "--------------" "------"
missed=0
for id in $(grep '^FIGURE' "$figures" | cut -f2 | grep -v '^before-' | awk '!seen[$0]++'); do
    row=$(grep -P "^FIGURE\t$id\t" "$figures")
    label=$(echo "$row" | head -1 | cut -f3)
    unit=$(echo "$row" | head -1 | cut -f5)
    comparison=$(echo "$row" | head -1 | cut -f6)
    target=$(echo "$row" | head -1 | cut -f7)
    read -r median min max <<<"$(stats "$id")"
    verdict=""
    shown_target="-"
    if [ "$comparison" != "-" ]; then
        shown_target="$comparison $(printf '%g' "$target") $unit"
        if awk -v m="$median" -v t="$target" -v c="$comparison" 'BEGIN {exit !((c == "<=" && m <= t) || (c == ">=" && m >= t))}'; then
            verdict="ok"
        else
            verdict="MISS"
            missed=1
        fi
    fi
    printf '| %-68s | %10s | %10s | %10s | %-12s | %-4s |\n' "$label${unit:+ ($unit)}" \
        "$(printf '%.2f' "$median")" "$(printf '%.2f' "$min")" "$(printf '%.2f' "$max")" "$shown_target" "$verdict"
done

# Side by side: each figure that the other build has too, ours and the other's.
if [ -n "$compare" ]; then
    qt_of() { ldd "$1" | grep -o 'libQt[0-9]Core' | head -1 | sed 's/libQt\([0-9]\)Core/Qt \1/'; }
    ours_name="this build ($(qt_of "$build/src/app/ovelune"))"
    before_name="before ($(qt_of "$compare/src/app/ovelune"))"
    echo
    echo "Side by side, median (min-max): $ours_name is $build; $before_name is $compare"
    echo
    printf '| %-68s | %-24s | %-24s |\n' "Figure" "$ours_name" "$before_name"
    printf '|%s|%s|%s|\n' "$(printf -- '-%.0s' $(seq 70))" "$(printf -- '-%.0s' $(seq 26))" "$(printf -- '-%.0s' $(seq 26))"
    for id in $(grep '^FIGURE' "$figures" | cut -f2 | grep '^before-' | sed 's/^before-//' | awk '!seen[$0]++'); do
        row=$(grep -m1 -P "^FIGURE\t$id\t" "$figures") || continue
        cell() { read -r median min max <<<"$(stats "$1")"; printf '%.2f (%.2f-%.2f)' "$median" "$min" "$max"; }
        unit=$(echo "$row" | cut -f5)
        printf '| %-68s | %-24s | %-24s |\n' "$(echo "$row" | cut -f3)${unit:+ ($unit)}" "$(cell "$id")" "$(cell "before-$id")"
    done
fi
exit $missed
