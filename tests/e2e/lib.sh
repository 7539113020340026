# Helpers for driving the real program under Xvfb with xdotool.

fail() { echo "E2E FAILED: $*" >&2; exit 1; }

# Skips the test (exit 77) unless every tool named is installed.
vereist() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# An empty artefact folder, and a fresh work folder ($werk) with a copy of the program
# ($programma) and the Data of the sources ($bron).
maak_werkmap() {
    rm -rf "$ARTEFACTEN"; mkdir -p "$ARTEFACTEN"
    werk=$(mktemp -d)
    mkdir -m 700 "$werk/run"
    cp "$programma" "$werk/alfabolotto"
    cp -r "$bron/assets/Data" "$werk/Data"
}

# The programs these tests start find no speech service (and start none) unless a test gives
# them one.
export SPEECHD_ADDRESS=unix_socket:/nonexistent/alfabolotto-e2e/speechd.sock

# A window title as an exact search pattern: brackets, dots and the like stand for themselves.
titel_patroon() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][().*^$+?{}|\\]/\\&/g')"
}

# Waits (bounded) until a window with this exact title exists; prints its id.
wacht_op_venster() {
    local titel=$1 seconden=${2:-20} id=""
    for ((i = 0; i < seconden * 10; i++)); do
        id=$(xdotool search --onlyvisible --name "$(titel_patroon "$titel")" 2>/dev/null | tail -n 1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits (bounded) until no visible window has this title any more.
wacht_tot_weg() {
    local titel=$1 seconden=${2:-20}
    for ((i = 0; i < seconden * 10; i++)); do
        xdotool search --onlyvisible --name "$(titel_patroon "$titel")" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Clicks at a point inside a window (pixels from its top-left corner).
klik_in() {
    local venster=$1 x=$2 y=$3
    eval "$(xdotool getwindowgeometry --shell "$venster")"
    xdotool mousemove --sync $((X + x)) $((Y + y)) click 1
}

# Gives a window the keyboard focus (there is no window manager) and presses keys in it.
toets_in() {
    local venster=$1; shift
    xdotool windowfocus --sync "$venster" 2>/dev/null || true
    xdotool key "$@"
}

# Clicks a menu button until its dialog appears (the game-type button waits while the
# wheel turns or the board slides); prints the dialog's window id.
open_dialoog() {
    local venster=$1 x=$2 y=$3 titel=$4 id=""
    for ((poging = 0; poging < 30; poging++)); do
        klik_in "$venster" "$x" "$y"
        id=$(wacht_op_venster "$titel" 2) && { echo "$id"; return 0; }
    done
    return 1
}

# Clicks a button once and waits for the window it opens; prints the window's id.
wacht_op_klik() {
    local venster=$1 x=$2 y=$3 titel=$4
    klik_in "$venster" "$x" "$y"
    wacht_op_venster "$titel" 10
}

schermafdruk() {
    import -window root "$ARTEFACTEN/$1.png" 2>/dev/null || true
}

# Starts Xvfb on a free display (it writes the number to a file in the work folder), exports
# DISPLAY, and on exit stops the program ($programma_pid) and the server and removes the work
# folder. The screen is the design size unless given (WxH). Exits with 77 (skipped) when no
# server comes up.
start_xvfb() {
    werk_map=$1
    scherm=${2:-1250x800}
    scherm_breedte=${scherm%x*}
    # -noreset: the server does not reset when its last client (xdpyinfo) leaves, which would
    # refuse the program that connects during the reset.
    Xvfb -displayfd 3 -screen 0 "${scherm}x24" -nolisten tcp -noreset 3>"$werk_map/display" >"$ARTEFACTEN/xvfb.log" 2>&1 &
    xvfb_pid=$!
    programma_pid=""
    trap opruimen EXIT
    for ((i = 0; i < 100; i++)); do [[ -s "$werk_map/display" ]] && break; sleep 0.1; done
    [[ -s "$werk_map/display" ]] || { echo "SKIP: Xvfb did not start"; exit 77; }
    export DISPLAY=:$(head -n 1 "$werk_map/display")
    for ((i = 0; i < 100; i++)); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || { echo "SKIP: Xvfb did not answer"; exit 77; }
}

opruimen() {
    [[ -n "$programma_pid" ]] && kill "$programma_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$werk_map"
}

# Plays one short word quiz from the bingo screen: the game-type dialog, a name, the game,
# the high-score dialog closed again.
speel_quiz() {
    local hoofd=$1 naam=$2 soort score
    soort=$(open_dialoog "$hoofd" 228 48 "Soort Bingo") || fail "no game-type dialog"
    klik_in "$soort" 225 80
    klik_in "$soort" 298 168
    wacht_tot_weg "Soort Bingo" || fail "the game-type dialog did not close"
    sleep 0.5
    klik_in "$hoofd" 1050 676
    sleep 1
    xdotool type --delay 30 "$naam"
    xdotool key Return
    score=$(wacht_op_venster "Hoogst Scorelijst" 90) || fail "no high-score dialog after the quiz game"
    schermafdruk "quiz-$naam"
    klik_in "$score" 212 369
    wacht_tot_weg "Hoogst Scorelijst" || fail "the high-score dialog did not close"
}

# Answers the exit question with "Ja" and waits for the program to end with status 0. The exit
# button is at the top right of the design size unless given (x y).
sluit_af() {
    local hoofd=$1 vraag status
    klik_in "$hoofd" "${2:-$((scherm_breedte - 48))}" "${3:-48}"
    vraag=$(wacht_op_venster " Exit programma" 10) || fail "no exit question"
    toets_in "$vraag" Return
    for ((i = 0; i < 100; i++)); do kill -0 "$programma_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$programma_pid" 2>/dev/null && fail "the program did not end after Ja"
    wait "$programma_pid"
    status=$?
    programma_pid=""
    [[ $status == 0 ]] || fail "the program ended with status $status after Ja"
}
