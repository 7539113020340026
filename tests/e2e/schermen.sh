#!/usr/bin/env bash
# End-to-end test: the real program on screens of the sizes a hall has, from a projector of
# 1024 x 768 to 4K and 21:9. On each the design fills the screen: the window covers it, the
# exit button stands in the top-right corner, the wheel is as much larger as the screen, and no
# scroll bar shows. Screenshots go to the artefact folder.
# Usage: schermen.sh <alfabolotto executable> <source folder> <artefact folder>
set -u
programma=$1
bron=$2
export ARTEFACTEN=$3
source "$(dirname "$0")/lib.sh"

vereist Xvfb xdotool import convert
rm -rf "$ARTEFACTEN"; mkdir -p "$ARTEFACTEN"

# "r g b" of one pixel of a screenshot.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}
reken() { awk "BEGIN { printf \"%.0f\", $1 }"; }

# The width of the wheel on the row through its middle: from the first to the last pixel
# brighter than the dark red around it.
wiel_breedte() {
    local beeld=$1 y=$2 van=$3 tot=$4
    convert "$beeld" -crop "$((tot - van))x1+$van+$y" -depth 8 txt:- |
        awk -F'[(,)]' 'NR > 1 && $3 + $4 + $5 > 200 { x = $1 + 0; if (!n++) eerste = x; laatste = x }
                       END { print (n ? laatste - eerste + 1 : 0) }'
}

referentie=""
for scherm in 1250x800 1024x768 1366x768 1920x1080 2560x1080 3840x2160; do
    werk=$(mktemp -d)
    mkdir -m 700 "$werk/run"
    cp "$programma" "$werk/alfabolotto"
    cp -r "$bron/assets/Data" "$werk/Data"
    start_xvfb "$werk" "$scherm"
    HOME="$werk" XDG_RUNTIME_DIR="$werk/run" XDG_CONFIG_HOME="$werk/config" CUPS_SERVER="$werk/geen-spooler" \
        QT_QPA_PLATFORM=xcb "$werk/alfabolotto" >"$ARTEFACTEN/programma-$scherm.log" 2>&1 &
    programma_pid=$!
    hoofd=$(wacht_op_venster "Alfabo Lotto" 30) || fail "$scherm: the main window did not appear"
    sleep 1.5
    beeld="$ARTEFACTEN/scherm-$scherm.png"
    schermafdruk "scherm-$scherm"

    b=${scherm%x*} h=${scherm#*x}
    eval "$(xdotool getwindowgeometry --shell "$hoofd")"
    [[ "$WIDTH"x"$HEIGHT" == "$scherm" && $X == 0 && $Y == 0 ]] || fail "$scherm: the window is ${WIDTH}x$HEIGHT at $X,$Y"
    s=$(awk "BEGIN { s = $b / 1250; t = $h / 800; print (s < t ? s : t) }")

    # The exit button's red plate, in the top-right corner.
    read -r r g _ <<<"$(pixel "$beeld" "$(reken "$b - 66 * $s")" "$(reken "48 * $s")")"
    ((r > 150 && g < 90)) || fail "$scherm: no exit button in the top-right corner (found $r,$g)"
    # The border (its sixth line) all along the right and bottom edges: no scroll bar.
    rand=$(reken "5.5 * $s")
    for punt in "$((b - rand)) $((h / 2))" "$((b / 2)) $((h - rand))" "$((b - rand)) $((h - rand))"; do
        read -r r g _ <<<"$(pixel "$beeld" $punt)"
        ((r > g + 40)) || fail "$scherm: the edge at $punt is not the border ($r,$g): a scroll bar?"
    done
    # The wheel, in the middle of the design that stands in the middle of the screen.
    vx=$(awk "BEGIN { b = int($b / $s - 1e-6) + ($b / $s - 1e-6 > int($b / $s - 1e-6)); print int((b - 1250) / 2) }")
    vy=$(awk "BEGIN { h = int($h / $s - 1e-6) + ($h / $s - 1e-6 > int($h / $s - 1e-6)); print int((h - 800) / 2) }")
    midden_x=$(reken "(360 + $vx) * $s") midden_y=$(reken "(400 + $vy) * $s")
    breedte=$(wiel_breedte "$beeld" "$midden_y" "$(reken "$midden_x - 310 * $s")" "$(reken "$midden_x + 310 * $s")")
    per_schaal=$(awk "BEGIN { printf \"%.1f\", $breedte / $s }")
    echo "$scherm: scale $s, wheel $breedte pixels wide ($per_schaal at 1:1)"
    [[ -n "$referentie" ]] || referentie=$per_schaal
    awk "BEGIN { exit !($per_schaal > $referentie * 0.98 && $per_schaal < $referentie * 1.02) }" ||
        fail "$scherm: the wheel is $breedte pixels wide, not $referentie times $s"

    sluit_af "$hoofd" "$(reken "$b - 48 * $s")" "$(reken "48 * $s")"
    trap - EXIT
    opruimen
done
echo "E2E passed: the design fills 1250x800, 1024x768, 1366x768, 1920x1080, 2560x1080 and 3840x2160"
