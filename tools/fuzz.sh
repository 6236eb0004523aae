#!/usr/bin/env bash
# Runs the libFuzzer targets, one per input from outside the program, each for a bounded
# time, in the AddressSanitizer + UndefinedBehaviorSanitizer build of tools/sanitize.sh:
#   tools/fuzz.sh                      every target for 60 s (what CI runs)
#   tools/fuzz.sh 3600                 every target for an hour
#   tools/fuzz.sh 600 fuzz_midi_file   one target for ten minutes
# Each target starts from its seed corpus in tests/fuzz/corpus/<target>/ plus what earlier
# runs found (kept in the build directory). A failure stops with the reproducing input in
# <build>/fuzz-artifacts/; once the fault is fixed, that input belongs in the seed corpus,
# where the <target>_corpus test replays it from then on.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_settings_store fuzz_midi_input fuzz_midi_file)
dir="${OVELUNE_ASAN_DIR:-$here/build-asan}"

"$here/tools/sanitize.sh" asan-build

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in "${targets[@]}"; do
    seeds="$here/tests/fuzz/corpus/$target"
    found="$dir/fuzz-corpus/$target"
    artifacts="$dir/fuzz-artifacts/$target/"
    mkdir -p "$found" "$artifacts"
    options=(-max_total_time="$seconds" -timeout=30 -print_final_stats=1 -artifact_prefix="$artifacts")
    [ -f "$here/tests/fuzz/$target.dict" ] && options+=(-dict="$here/tests/fuzz/$target.dict")
    leaks=1
    case "$target" in
        # The application's QML interface keeps pointers where LeakSanitizer cannot see them.
        fuzz_midi_input) leaks=0 ;;
        fuzz_midi_file) options+=(-max_len=16384) ;;
    esac
    echo "== $target: $seconds s"
    if ! ASAN_OPTIONS="detect_leaks=$leaks" "$here/tests/run_isolated.sh" -- \
            "$dir/tests/fuzz/$target" "${options[@]}" -detect_leaks=$leaks "$found" "$seeds" \
            >"$dir/fuzz-$target.log" 2>&1; then
        echo "$target FAILED; reproducer in $artifacts" >&2
        tail -n 60 "$dir/fuzz-$target.log" >&2
        status=1
        continue
    fi
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added|stat::peak_rss_mb)' \
        "$dir/fuzz-$target.log" | sed "s/^/  /"
done
exit $status
