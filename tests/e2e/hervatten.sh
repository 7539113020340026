#!/usr/bin/env bash
# End-to-end test of a round that survives a crash: the real program under Xvfb draws ten
# letters, is killed with SIGKILL, and the next start shows the same board and says the round
# was taken up; after a confirmed exit the start after that begins with an empty board again.
# Usage: hervatten.sh <alfabolotto executable> <source folder> <artefact folder>
set -u
programma=$1
bron=$2
export ARTEFACTEN=$3
source "$(dirname "$0")/lib.sh"

vereist Xvfb xdotool import compare
maak_werkmap
start_xvfb "$werk"

start_programma() {
    HOME="$werk" XDG_RUNTIME_DIR="$werk/run" XDG_CONFIG_HOME="$werk/config" CUPS_SERVER="$werk/geen-spooler" \
        ALFABO_TESTKLOK_FACTOR=25 QT_QPA_PLATFORM=xcb "$werk/alfabolotto" >>"$ARTEFACTEN/programma.log" 2>&1 &
    programma_pid=$!
}
# The board (its place at the design size) as a picture of its own.
bord() { import -window root -crop 481x481+720+220 "$ARTEFACTEN/$1.png"; }

start_programma
hoofd=$(wacht_op_venster "Alfabo Lotto" 30) || fail "the main window did not appear"
sleep 1
for ((n = 1; n <= 10; n++)); do
    toets_in "$hoofd" space
    sleep 0.8
done
bord voor
[[ $(tr -d '\r' < "$werk/Data/Ronde.dat" | sed -n 4p | wc -c) == 11 ]] || fail "ten letters are not kept: $(cat "$werk/Data/Ronde.dat")"
kill -9 "$programma_pid"
wait "$programma_pid" 2>/dev/null

start_programma
melding=$(wacht_op_venster " Ronde hervat" 30) || fail "no message that the round was taken up"
schermafdruk hervat
toets_in "$melding" Return
wacht_tot_weg " Ronde hervat" || fail "the message did not close"
sleep 0.5
bord na
verschil=$(compare -metric AE "$ARTEFACTEN/voor.png" "$ARTEFACTEN/na.png" null: 2>&1)
[[ "$verschil" == 0 ]] || fail "the board after the restart differs in $verschil pixels"

hoofd=$(wacht_op_venster "Alfabo Lotto" 10) || fail "no main window after the restart"
sluit_af "$hoofd"
[[ ! -e "$werk/Data/Ronde.dat" ]] || fail "the round file stayed after a confirmed exit"
echo "E2E passed: ten letters survive a kill -9 and come back on the same board"
