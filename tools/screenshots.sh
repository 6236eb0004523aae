#!/usr/bin/env bash
# Screenshots of the main window, the help window and the statistics view, for docs/:
#   tools/screenshots.sh PROGRAM OUTDIR SCALE [dpi|env]
# SCALE 1 or 2. At 2 the desktop's scale is given as X11's Xft.dpi 192 ("dpi", what a
# desktop set to 200 % gives a program) or as QT_SCALE_FACTOR=2 ("env"). Each picture
# runs the program on its own Xvfb screen of 1366 x 768 logical pixels with openbox, with
# a store and a practice history of three weeks made up here. Writes OUTDIR/main.png,
# OUTDIR/help.png, OUTDIR/statistics.png, OUTDIR/settings.png and OUTDIR/testcard.png.
set -euo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
scale=${3:-1}
how=${4:-dpi}
mkdir -p "$out"
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
width=$((1366 * scale))
height=$((768 * scale))

# A level-3 learner with the colour hint on, and three weeks of answers and sessions.
seed() { # help-at-start
    rm -rf "$scratch/config" "$scratch/data"
    mkdir -p "$scratch/config/Quorvex" "$scratch/data/Quorvex/Ovelune"
    cat >"$scratch/config/Quorvex/Ovelune.conf" <<EOF
[GlobalSetting]
MaturityLevel=3
ShowColorMap=true
ShowHelpOnStartup=$1
EOF
    python3 - "$scratch/data/Quorvex/Ovelune/history.sqlite" <<'PY'
import random, sqlite3, sys, time
random.seed(7)
db = sqlite3.connect(sys.argv[1])
db.executescript("""
CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, level INTEGER NOT NULL,
  session INTEGER NOT NULL, question INTEGER NOT NULL, asked INTEGER NOT NULL,
  answered INTEGER NOT NULL, "right" INTEGER NOT NULL, input INTEGER NOT NULL,
  response_ms INTEGER NOT NULL, instrument INTEGER NOT NULL DEFAULT 0);
CREATE TABLE sessions(session INTEGER PRIMARY KEY, "end" INTEGER NOT NULL, level INTEGER NOT NULL,
  "right" INTEGER NOT NULL, total INTEGER NOT NULL, next_level INTEGER NOT NULL);
CREATE INDEX answers_time ON answers(time);
PRAGMA user_version=2;
""")
order = [0, 2, 4, 5, 7, 9, 11, 1, 3, 6, 8, 10]
now = int(time.time() * 1000)
level = 1
for day in range(21, 0, -1):
    start = now - day * 86400000 - 3600000
    for _ in range(2):
        asked = [12 * octave + 24 + order[i] for i in range(level) for octave in range(7)]
        random.shuffle(asked)
        t, right = start, 0
        for q, note in enumerate(asked):
            ok = random.random() < 0.55 + 0.02 * (21 - day)
            response = random.randint(900, 4200 - 100 * (21 - day))
            if note % 12 == 0 and day < 12: # C has become fluent
                ok, response = random.random() < 0.97, random.randint(700, 1700)
            answered = note if ok else note + random.choice([-12, 12, -1, 1, 2])
            t += response + 700
            right += ok
            db.execute("INSERT INTO answers(time, level, session, question, asked, answered, \"right\", input, response_ms) VALUES(?,?,?,?,?,?,?,?,?)",
                       (t, level, start, q, note, answered, int(ok), 1, response))
        passed = right * 100 >= 65 * len(asked)
        nxt = min(12, level + 1) if passed else level
        db.execute("INSERT INTO sessions VALUES(?,?,?,?,?,?)", (start, t, level, right, len(asked), nxt))
        level, start = nxt, t + 60000
        if level > 3:
            level = 3
db.commit()
PY
}

shot() { # name help-at-start [title-bar button to click: 3 statistics, 4 settings; T: a pitch test answered C4 throughout]
    seed "$2"
    local display
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset 3>"$scratch/display" &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    display=":$(cat "$scratch/display")"
    local env=(env DISPLAY="$display" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
               XDG_RUNTIME_DIR="$scratch" OVELUNE_MIDI_API=none OVELUNE_AUDIO_DRIVER=none QT_QPA_PLATFORM=xcb)
    if [ "$scale" = 2 ]; then
        if [ "$how" = env ]; then env+=(QT_SCALE_FACTOR=2); else echo "Xft.dpi: 192" | DISPLAY="$display" xrdb -merge; fi
    fi
    "${env[@]}" openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    [ "$2" = false ] && env+=(OVELUNE_START_SESSION=1)
    "${env[@]}" "$program" >/dev/null 2>&1 &
    local app=$!
    pids+=($app)
    sleep 6
    if [ "${3:-}" = T ]; then
        # Ctrl+T, then C4 (the lower letter row's Z) to each of the 36 notes.
        DISPLAY="$display" xdotool key ctrl+t
        for _ in $(seq 36); do sleep 1.2; DISPLAY="$display" xdotool key z; done
        sleep 2
    elif [ $# -ge 3 ]; then
        # The button $3 places left of the close button in the window's title bar.
        local window w
        window=$(DISPLAY="$display" xdotool search --onlyvisible --pid "$app" | tail -n 1)
        w=$(DISPLAY="$display" xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
        DISPLAY="$display" xdotool mousemove --window "$window" $((w - (30 + 18 + $3 * 42) * scale)) $((30 * scale)) click 1
        sleep 3
    fi
    DISPLAY="$display" import -window root "$out/$1.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
}

shot main false
shot help true
shot statistics false 3
shot settings false 4
shot testcard false T
