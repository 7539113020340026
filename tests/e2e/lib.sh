# Helpers for driving the real program under Xvfb with xdotool.

fail() { echo "E2E FAILED: $*" >&2; exit 1; }

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
