#!/usr/bin/env bash
# End-to-end test of what must never be lost, with the real program under Xvfb: a second
# start brings the running program forward and ends, leaving one window; a high-score list
# the user may not read keeps every byte through a quiz game and a confirmed exit, and the
# new score goes to the file beside it. As root the program runs as the user "nobody", for
# whom root's file is closed, as another user's file is for an operator.
# Usage: bewaren.sh <alfabolotto executable> <source folder> <artefact folder>
set -u
programma=$1
bron=$2
export ARTEFACTEN=$3
source "$(dirname "$0")/lib.sh"

vereist Xvfb xdotool import setpriv

rm -rf "$ARTEFACTEN"; mkdir -p "$ARTEFACTEN"
werk=$(mktemp -d)
chmod 755 "$werk"
cp "$programma" "$werk/alfabolotto"
cp -r "$bron/assets/Data" "$werk/Data"
chmod -R a+rX "$werk/Data"
chmod 777 "$werk/Data"
printf '"Kwartelhoven Software 2017"\r\n"--------------------------"\r\n"Bingo in de zaal"\r\n200,50,50\r\n3\r\n' > "$werk/Alfabolotto.ini"
printf '"Kwartelhoven Software 2017"\r\n"--------------------------"\r\n"0010 - An"\r\n"0020 - Bo"\r\n"0030 - Cas"\r\n' > "$werk/Data/Scorelijst.lib"
cp "$werk/Data/Scorelijst.lib" "$werk/scorelijst-voor"
als=()
if [[ $(id -u) == 0 ]]; then
    chmod 600 "$werk/Data/Scorelijst.lib"
    als=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    mkdir -m 777 "$werk/home"
else
    chmod 000 "$werk/Data/Scorelijst.lib"
    mkdir "$werk/home"
fi
start_xvfb "$werk"

start_programma() {
    env HOME="$werk/home" XDG_RUNTIME_DIR="$werk/home/run" CUPS_SERVER="$werk/geen-spooler" ALFABO_TESTKLOK_FACTOR=25 \
        QT_QPA_PLATFORM=xcb "${als[@]}" "$werk/alfabolotto" "$@"
}
# The runtime folder belongs to the user the program runs as.
"${als[@]}" mkdir -m 700 "$werk/home/run"

start_programma >"$ARTEFACTEN/programma-1.log" 2>&1 &
programma_pid=$!
if ! melding=$(wacht_op_venster " Foutje" 30); then
    echo "Visible windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1 | tr '\n' '|')" >&2
    cat "$ARTEFACTEN/programma-1.log" >&2
    fail "no message about the unreadable high-score list"
fi
schermafdruk 01-melding-scorelijst
toets_in "$melding" Return
wacht_tot_weg " Foutje" || fail "the message did not close"
hoofd=$(wacht_op_venster "Alfabo Lotto" 10) || fail "the main window did not appear"

# A second start ends by itself, with status 0, and leaves one window.
timeout 20 bash -c "$(declare -f start_programma); $(declare -p werk als); start_programma" >"$ARTEFACTEN/programma-2.log" 2>&1
tweede=$?
[[ $tweede == 0 ]] || fail "the second start ended with status $tweede"
sleep 0.5
vensters=$(xdotool search --onlyvisible --name "^Alfabo Lotto\$" 2>/dev/null | wc -l)
[[ $vensters == 1 ]] || fail "after a second start $vensters main windows are visible"
kill -0 "$programma_pid" 2>/dev/null || fail "the first program ended at the second start"
schermafdruk 02-na-tweede-start

speel_quiz "$hoofd" Tester
cmp -s "$werk/Data/Scorelijst.lib" "$werk/scorelijst-voor" || fail "the unreadable list changed after a quiz game"
grep -q '"0000 - Tester"' "$werk/Data/Scorelijst.lib.nieuw" || fail "the new score is not in Scorelijst.lib.nieuw"

sluit_af "$hoofd"
cmp -s "$werk/Data/Scorelijst.lib" "$werk/scorelijst-voor" || fail "the unreadable list changed at the exit"
ls "$werk/Data" | grep -q '\.tmp-' && fail "temporary files left in Data"
echo "E2E passed: a second start leaves one window; an unreadable high-score list keeps its bytes through a quiz and an exit, the new score is kept beside it"
