#!/usr/bin/env bash
# End-to-end test of the spoken calls: the real program under Xvfb, speech on, plays a whole
# round of 26 draws with no speech service at all, and a round whose speech-dispatcher (one of
# the test's own) is killed after ten letters. Neither hangs or stops the program, and the
# settings dialog says why it is silent. Until it is killed, the service is sent one call per
# letter, in the order of the board, each cutting off the one before.
# Usage: spraak.sh <alfabolotto executable> <source folder> <artefact folder>
set -u
programma=$1
bron=$2
export ARTEFACTEN=$3
source "$(dirname "$0")/lib.sh"

vereist Xvfb xdotool import
maak_werkmap
start_xvfb "$werk"

start_programma() {
    HOME="$werk" XDG_RUNTIME_DIR="$werk/run" XDG_CONFIG_HOME="$werk/config" CUPS_SERVER="$werk/geen-spooler" \
        SPEECHD_ADDRESS="$1" ALFABO_TESTKLOK_FACTOR=25 QT_QPA_PLATFORM=xcb "$werk/alfabolotto" \
        >>"$ARTEFACTEN/programma.log" 2>&1 &
    programma_pid=$!
}
# The letters on the board, as the round file after every draw holds them.
letters() { tr -d '\r\n' < <(sed -n 4p "$werk/Data/Ronde.dat" 2>/dev/null) | wc -c; }
# Presses the space bar until n letters are on the board; a press during a draw is ignored.
trek_tot() {
    local hoofd=$1 n=$2
    for ((poging = 0; poging < 300; poging++)); do
        (($(letters) >= n)) && return 0
        kill -0 "$programma_pid" 2>/dev/null || fail "the program ended during the round"
        toets_in "$hoofd" space
        sleep 0.2
    done
    fail "only $(letters) of $n letters were drawn"
}
einde_ronde() {
    local hoofd=$1 melding
    toets_in "$hoofd" space
    melding=$(wacht_op_venster "Einde Ronde" 10) || fail "no end of the round after 26 letters"
    toets_in "$melding" Return
    wacht_tot_weg "Einde Ronde" || fail "the end-of-round message did not close"
}
# Opens the settings dialog, keeps a screenshot of it and closes it with Escape.
toon_instellingen() {
    local hoofd=$1 instellingen
    klik_in "$hoofd" 288 48
    instellingen=$(wacht_op_venster "Instellingen" 10) || fail "no settings dialog"
    sleep 0.5
    schermafdruk "$2"
    toets_in "$instellingen" Escape
    wacht_tot_weg "Instellingen" || fail "the settings dialog did not close"
}

# 1. No speech service.
start_programma "unix_socket:$werk/geen-spraakdienst.sock"
hoofd=$(wacht_op_venster "Alfabo Lotto" 30) || fail "the main window did not appear"
sleep 1
trek_tot "$hoofd" 26
einde_ronde "$hoofd"
schermafdruk ronde-zonder-spraakdienst
toon_instellingen "$hoofd" instellingen-zonder-spraakdienst
sluit_af "$hoofd"

# 2. A speech service that dies in the middle of the round.
if ! adres=$(bash "$(dirname "$0")/spraakdienst.sh" "$werk/spraakdienst" 5); then
    echo "SKIP: no speech-dispatcher of our own (the round without a service passed)"
    exit 77
fi
trap 'pkill -9 -f "$werk/spraakdienst"; opruimen' EXIT
start_programma "$adres"
hoofd=$(wacht_op_venster "Alfabo Lotto" 30) || fail "the main window did not appear with a speech service"
sleep 1
# What the service was sent, texts and commands in order.
log=$werk/spraakdienst/log/speech-dispatcher.log
gezonden() { grep -a -o -E 'DATA:\|(CANCEL ALL|[A-Za-z]+ van [A-Za-z-]+)' "$log" | cut -d'|' -f2; }
# Ten draws, each once the call before it has reached the service (a call that is still on
# its way when the next letter lands gives way to the new one).
for ((n = 1; n <= 10; n++)); do
    trek_tot "$hoofd" "$n"
    for ((i = 0; i < 50; i++)); do
        (($(gezonden | grep -c ' van ') >= n)) && break
        sleep 0.1
    done
done
gezonden >"$ARTEFACTEN/gezegd.txt"
mapfile -t gezegd < <(grep -v '^CANCEL ALL$' "$ARTEFACTEN/gezegd.txt")
bord=$(sed -n 4p "$werk/Data/Ronde.dat" | tr -d '\r\n')
((${#gezegd[@]} == 10)) || fail "${#gezegd[@]} calls for the 10 letters $bord: ${gezegd[*]}"
for ((i = 0; i < 10; i++)); do
    letter=${bord:i:1}
    [[ $letter == S ]] && letter=Es
    [[ ${gezegd[i]} == "$letter van "* ]] || fail "call $((i + 1)) is '${gezegd[i]}' for the letter ${bord:i:1}"
done
# Every call comes right after a CANCEL ALL, which cuts off the call still being said.
[[ $(sed -n '1~2p' "$ARTEFACTEN/gezegd.txt" | sort -u) == "CANCEL ALL" && $(wc -l <"$ARTEFACTEN/gezegd.txt") == 20 ]] ||
    fail "the calls do not each cut off the one before: $(tr '\n' '/' <"$ARTEFACTEN/gezegd.txt")"
pkill -9 -f "$werk/spraakdienst" # the service and its voice modules
trek_tot "$hoofd" 26
einde_ronde "$hoofd"
toon_instellingen "$hoofd" instellingen-na-gestopte-spraakdienst
sluit_af "$hoofd"
echo "E2E passed: 26 draws with speech on, without a speech service and with one that died"
