#!/usr/bin/env bash
# Runs one test headless, with its own empty settings and runtime locations, so that no
# test touches a user's progress and tests can run in any order or at once.
#   run_isolated.sh [--jack] -- <command> [args...]
# --jack starts a private JACK server on the dummy driver (no sound hardware needed) under a
# unique name, exports JACK_DEFAULT_SERVER for the test, and stops it afterwards. Its period
# is 1024 frames (OVELUNE_TEST_JACK_PERIOD changes it): with shorter ones a machine loaded
# by parallel tests drops MIDI from clients that miss their cycle. Its client time-out is
# long (10 s): on a loaded machine a client must not be thrown out for being slow.
set -u
want_jack=0
while [ $# -gt 0 ]; do
    case "$1" in
        --jack) want_jack=1; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ovelune-test.XXXXXX")
jack_pid=
cleanup() {
    if [ -n "$jack_pid" ]; then
        # A server killed hard keeps its slot in JACK's table of eight servers for good, so
        # it gets time to leave on its own even on a loaded machine.
        kill "$jack_pid" 2>/dev/null
        for _ in $(seq 200); do kill -0 "$jack_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$jack_pid" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
export XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export HOME="$scratch/home"
mkdir -p "$HOME"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export QT_QUICK_BACKEND="${QT_QUICK_BACKEND:-software}"
# A JACK client must never start a server of its own behind the test's back.
export JACK_NO_START_SERVER=1
# No sound hardware is assumed: the synthesizer renders, but nothing is played aloud.
export OVELUNE_AUDIO_DRIVER="${OVELUNE_AUDIO_DRIVER:-none}"

if [ "$want_jack" = 1 ]; then
    server="ovelune-$$-$RANDOM"
    export JACK_DEFAULT_SERVER="$server"
    jackd -R -P 10 -t 10000 -n "$server" -d dummy -r 48000 -p "${OVELUNE_TEST_JACK_PERIOD:-1024}" >"$scratch/jackd.log" 2>&1 &
    jack_pid=$!
    # jack_wait can fail at once while the server's socket is not there yet: ask again.
    started=0
    for _ in $(seq 40); do
        if [ "$(timeout 10 jack_wait -s "$server" -c 2>/dev/null)" = running ]; then started=1; break; fi
        kill -0 "$jack_pid" 2>/dev/null || break
        sleep 0.25
    done
    if [ "$started" != 1 ]; then
        echo "run_isolated: the JACK dummy server did not start:" >&2
        cat "$scratch/jackd.log" >&2
        exit 1
    fi
fi

"$@"
status=$?
if [ "$status" != 0 ] && [ -n "$jack_pid" ]; then
    echo "run_isolated: the JACK server's last messages:" >&2
    tail -n 40 "$scratch/jackd.log" >&2
fi
exit "$status"
