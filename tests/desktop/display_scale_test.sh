#!/usr/bin/env bash
# The real program on the displays a learner has, with no Qt variable of ours set:
# - on X11 it follows the desktop's scale (Xft.dpi): its logical size is its size in pixels
#   divided by the scale, fractional scales included;
# - under a Wayland compositor (weston, headless) it is a Wayland client, draws its first
#   frame and closes cleanly on SIGTERM.
#   display_scale_test.sh <program>
# Run through run_isolated.sh: settings, data and runtime folders are the test's own.
set -uo pipefail
program=$1
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
unset QT_QPA_PLATFORM QT_QUICK_BACKEND QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
      QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE
export OVELUNE_BENCH_REPORT=1 OVELUNE_MIDI_API=none

# Waits up to 60 s for the program's report of its window ("<platform> <ratio> <w>x<h>").
window_report() { # log
    for _ in $(seq 600); do
        line=$(grep -m1 '^ovelune-bench window ' "$1") && { echo "${line#ovelune-bench window }"; return 0; }
        sleep 0.1
    done
    return 1
}

# ---- X11: Xft.dpi as a desktop set to 200 % and 150 % gives it
for case in "192 2" "144 1.5"; do
    read -r dpi ratio <<<"$case"
    Xvfb -displayfd 3 -screen 0 3200x1800x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$scratch/display")"
    echo "Xft.dpi: $dpi" | xrdb -merge
    openbox >/dev/null 2>&1 &
    pids+=($!)
    "$program" 2>"$scratch/x11.log" &
    app=$!
    if ! report=$(window_report "$scratch/x11.log"); then
        fail "Xft.dpi $dpi: no first frame"; cat "$scratch/x11.log"
    else
        read -r platform shown size <<<"$report"
        [ "$platform" = xcb ] && [ "$shown" = "$ratio" ] || fail "Xft.dpi $dpi: platform $platform, ratio $shown (want xcb, $ratio)"
        # The window's size on the screen, in pixels, is its logical size times the ratio.
        pixels=$(xdotool getwindowgeometry "$(xdotool search --onlyvisible --pid "$app" | tail -n 1)" \
                 | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
        awk -v l="$size" -v p="$pixels" -v r="$ratio" 'BEGIN { split(l, a, "x"); split(p, b, "x");
            d = a[1] * r - b[1]; e = a[2] * r - b[2]; exit !(d * d <= r * r && e * e <= r * r && b[1] > 3000) }' \
            || fail "Xft.dpi $dpi: logical $size, on screen $pixels"
    fi
    kill "$app"
    wait "$app" || fail "Xft.dpi $dpi: the program did not end cleanly"
    kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; pids=()
    unset DISPLAY
done

# ---- Wayland: a headless weston; the program chooses its platform itself
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="ovelune-test-$$"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1600 --height=900 \
    >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
"$program" 2>"$scratch/wayland.log" &
app=$!
if ! report=$(window_report "$scratch/wayland.log"); then
    fail "Wayland: no first frame"; cat "$scratch/wayland.log"
else
    read -r platform _ size <<<"$report"
    [ "$platform" = wayland ] || fail "Wayland: the program is a $platform client"
    # Maximised: the output less the window's frame.
    [ "${size%x*}" -ge 1560 ] && [ "${size#*x}" -ge 800 ] || fail "Wayland: a $size window is not maximised on 1600x900"
fi
kill -TERM "$app"
wait "$app"; code=$?
[ "$code" = 0 ] || fail "Wayland: SIGTERM ended the program with status $code"
kill -0 "${pids[0]}" 2>/dev/null || fail "Wayland: the compositor went away"

[ "$status" = 0 ] && echo "PASS: the desktop's scale on X11 (200 %, 150 %) and a Wayland client"
exit "$status"
