#!/usr/bin/env bash
# Builds and runs the tests under the sanitizers, each suite from one command:
#   tools/sanitize.sh asan   every test under AddressSanitizer + UndefinedBehaviorSanitizer
#                            (clang, -O1; also builds the fuzz targets and replays their
#                            corpora as tests)
#   tools/sanitize.sh tsan   the engine and session tests under ThreadSanitizer
#   tools/sanitize.sh all    both
#   tools/sanitize.sh asan-build   only build the AddressSanitizer tree (tools/fuzz.sh uses it)
#   tools/sanitize.sh tsan-build   only build what the ThreadSanitizer suite runs
# Build directories: build-asan/ and build-tsan/ beside build/ (OVELUNE_ASAN_DIR and
# OVELUNE_TSAN_DIR override them). Builds are incremental. Extra arguments go to ctest.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode="${1:-all}"
shift || true
jobs=$(nproc)
"$here/tools/setup.sh" packages run test sanitize

configure() { # dir flags extra-cmake-args...
    local dir=$1 flags=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        # The build type's own -g would override the flags' lighter line tables; lld links the
        # instrumented programs in a tenth of the default linker's time.
        CXX=clang++-14 cmake -S "$here" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG= \
            -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags --ld-path=/usr/bin/ld.lld-14" \
            -DOVELUNE_BUILD_BENCH=OFF -DOVELUNE_QML_AHEAD_OF_TIME=OFF "$@"
    fi
}

asan_dir="${OVELUNE_ASAN_DIR:-$here/build-asan}"

# OVELUNE_SANITIZE_ENGINE_ONLY=1 (CI): the AddressSanitizer suite is the engine's, the
# periphery's, the keyboard item's and the fuzzers' only, and its build holds just those; the
# application's and interface's tests under AddressSanitizer, and the store's and history's
# under ThreadSanitizer, are for a run by hand. Ten minutes on two cores hold no more.
engine_only="${OVELUNE_SANITIZE_ENGINE_ONLY:-0}"

build_asan() {
    local flags="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
    configure "$asan_dir" "$flags" -DOVELUNE_FUZZ=ON
    if [ "$engine_only" = 1 ]; then
        local targets
        # The tests' programs (a fuzz corpus replays its fuzzer; a script test has none).
        targets=$(cd "$asan_dir" && ctest -N -LE '^(app|interface|reliability|desktop|valgrind)$' |
            sed -n 's/^ *Test *#[0-9]*: //p' | sed 's/_corpus$//' | sort -u |
            grep -Fx -f <(cmake --build "$asan_dir" --target help | sed -n 's/^\.\.\. //p'))
        # shellcheck disable=SC2086
        nice cmake --build "$asan_dir" -j "$jobs" --target $targets
    else
        nice cmake --build "$asan_dir" -j "$jobs"
    fi
}

run_asan() {
    local dir="$asan_dir"
    build_asan
    local asan="detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:suppressions=$here/tools/asan.supp"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp"
    local status=0
    cd "$dir"
    # The engine, the periphery and the fuzz corpora, with leak checking. The desktop install
    # check packages a release build and the valgrind run cannot host AddressSanitizer:
    # neither belongs here. The port stress runs (a million messages among them) are left to
    # the release suite: the instrumented client falls behind the JACK server's cycles on a
    # loaded machine and the run outlasts its limit; tst_midi_ports drives the same input
    # path here.
    ASAN_OPTIONS="$asan:detect_leaks=1" ctest --output-on-failure -j "$jobs" \
        -LE '^(keyboard|app|interface|reliability|desktop|valgrind)$' "$@" || status=1
    # The keyboard item under the offscreen platform: leak checking with whole allocation
    # stacks (the system's Qt has no frame pointers), so that the suppressions can match.
    ASAN_OPTIONS="$asan:detect_leaks=1:fast_unwind_on_malloc=0" ctest --output-on-failure -j "$jobs" \
        -L '^keyboard$' "$@" || status=1
    # The application and its QML interface (also the real program started by the
    # reliability tests), memory errors and undefined behaviour only:
    # LeakSanitizer cannot see the pointers that QML's JavaScript heap (not malloc'd memory)
    # holds, and the application keeps its model and bridge until the process ends. One at
    # a time, as the real program must start within the tests' limits. The desktop session
    # under Xvfb is left out: on a loaded machine the instrumented program, drawing through
    # Mesa's software OpenGL, does not always show its maximised window within the test's
    # 60 s; the crash test is left to the release suite too, which runs
    # it in full: instrumented, its kills took two of CI's ten minutes.
    [ "$engine_only" = 1 ] || OVELUNE_CRASH_SECONDS=90 ASAN_OPTIONS="$asan:detect_leaks=0" ctest --output-on-failure -j 1 \
        -L '^(app|interface|reliability)$' -E '^(desktop_session_test|tst_ports_stress|tst_crash_consistency)$' "$@" || status=1
    cd "$here"
    return $status
}

tsan_dir="${OVELUNE_TSAN_DIR:-$here/build-tsan}"
# What the ThreadSanitizer suite runs: the engine tests but the long JACK stress runs (at
# ThreadSanitizer's speed they would take most of an hour; tst_midi_ports drives the same
# input path), and the tests of the store and of the practice history, whose writer thread
# records what the GUI thread hands it. tst_session also starts a second real program,
# which has not been timed under ThreadSanitizer yet.
tsan_session='^(tst_app_settings|tst_history)$'
[ "$engine_only" = 1 ] && tsan_session='^$'
tsan_skipped='^tst_ports_stress$'

build_tsan() {
    configure "$tsan_dir" "-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=thread"
    local targets
    targets=$(cd "$tsan_dir" && { ctest -N -L '^engine$' -E "$tsan_skipped"; ctest -N -R "$tsan_session"; } |
        sed -n 's/^ *Test *#[0-9]*: //p')
    # shellcheck disable=SC2086
    nice cmake --build "$tsan_dir" -j "$jobs" --target $targets
}

run_tsan() {
    local dir="$tsan_dir"
    build_tsan
    export TSAN_OPTIONS="halt_on_error=0 exitcode=66 second_deadlock_stack=1 suppressions=$here/tools/tsan.supp"
    local status=0
    cd "$dir"
    ctest --output-on-failure -j "$jobs" -L '^engine$' -E "$tsan_skipped" "$@" || status=1
    [ "$tsan_session" = '^$' ] || ctest --output-on-failure -j "$jobs" -R "$tsan_session" "$@" || status=1
    cd "$here"
    return $status
}

case "$mode" in
    asan) run_asan "$@" ;;
    asan-build) build_asan ;;
    tsan-build) build_tsan ;;
    tsan) run_tsan "$@" ;;
    all) status=0; run_asan "$@" || status=1; run_tsan "$@" || status=1; exit $status ;;
    *) echo "usage: $0 asan|tsan|all|asan-build|tsan-build [ctest arguments]" >&2; exit 2 ;;
esac
