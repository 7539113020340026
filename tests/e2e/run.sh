#!/usr/bin/env bash
# End-to-end test: the real program under a real X server (Xvfb), driven with real input
# events from xdotool. Animations run on the program's test clock (sped up), never with
# changed timings. Screenshots of the main steps go to the artefact folder.
# Usage: run.sh <alfabolotto executable> <source folder> <artefact folder>
set -u
programma=$1
bron=$2
export ARTEFACTEN=$3
source "$(dirname "$0")/lib.sh"

vereist Xvfb xdotool import

maak_werkmap
printf '"Kwartelhoven Software 2017"\r\n"--------------------------"\r\n"Bingo in de zaal"\r\n200,50,50\r\n3\r\n' > "$werk/Alfabolotto.ini"

start_xvfb "$werk"
# One more try when the first start finds no display: the server may still be settling.
hoofd=""
for poging in 1 2; do
    HOME="$werk" XDG_RUNTIME_DIR="$werk/run" CUPS_SERVER="$werk/geen-spooler" ALFABO_TESTKLOK_FACTOR=25 QT_QPA_PLATFORM=xcb "$werk/alfabolotto" >"$ARTEFACTEN/programma-$poging.log" 2>&1 &
    programma_pid=$!
    hoofd=$(wacht_op_venster "Alfabo Lotto" 30) && break
    kill "$programma_pid" 2>/dev/null
    programma_pid=""
    sleep 1
done
[[ -n "$hoofd" ]] || fail "the main window did not appear"
sleep 0.5
schermafdruk 01-start

# Bingo: the first draw with the mouse, the rest with the space bar on the start button.
klik_in "$hoofd" 768 660
sleep 1
schermafdruk 02-eerste-letter
# Presses during a draw are ignored, so keep pressing until the 27th press that counts
# brings the end-of-round message.
melding=""
for ((i = 0; i < 400; i++)); do
    [[ -n "$melding" ]] && break
    xdotool key space
    sleep 0.25
    melding=$(xdotool search --onlyvisible --name "^Einde Ronde\$" 2>/dev/null | tail -n 1)
done
[[ -n "$melding" ]] || fail "no end-of-round message after pressing the space bar for a whole round"
schermafdruk 03-einde-ronde
toets_in "$melding" Return
wacht_tot_weg "Einde Ronde" || fail "the end-of-round message did not close"

# A new round from the menu bar, confirmed with "Ja".
klik_in "$hoofd" 48 48
vraag=$(wacht_op_venster "Nieuw" 10) || fail "no new-round question"
toets_in "$vraag" Return
sleep 1.5
schermafdruk 04-nieuwe-ronde

# The word quiz: switch with the game-type dialog, play a short game (3 seconds, set in
# Alfabolotto.ini before the start) and see the high-score dialog.
soort=$(open_dialoog "$hoofd" 228 48 "Soort Bingo") || fail "no game-type dialog"
schermafdruk 05-spelsoort
klik_in "$soort" 225 80
klik_in "$soort" 298 168
wacht_tot_weg "Soort Bingo" || fail "the game-type dialog did not close"
sleep 0.5
schermafdruk 06-quiz
klik_in "$hoofd" 528 48
sleep 0.5
schermafdruk 07-help-quiz
klik_in "$hoofd" 528 48
sleep 0.3
klik_in "$hoofd" 1050 676
sleep 1
xdotool type --delay 30 "Tester"
xdotool key Return
score=$(wacht_op_venster "Hoogst Scorelijst" 90) || fail "no high-score dialog after the quiz game"
schermafdruk 08-scorelijst
klik_in "$score" 212 369
wacht_tot_weg "Hoogst Scorelijst" || fail "the high-score dialog did not close"
grep -q '"0000 - Tester"' "$werk/Data/Scorelijst.lib" || fail "the score was not recorded in Scorelijst.lib"

# The word-list editor: add a word to the second list (Woord-3.lst) and save it.
klik_in "$hoofd" 468 48
editor=$(wacht_op_venster "Woordlijst Bijwerken" 10) || fail "no word-list editor"
klik_in "$editor" 60 356
xdotool type --delay 30 "zzq"
klik_in "$editor" 219 358
schermafdruk 09-editor
klik_in "$editor" 215 398
wacht_tot_weg "Woordlijst Bijwerken" || fail "the editor did not close after Opslaan"
grep -q $'^ZZQ\r$' "$werk/Data/Woord-3.lst" || fail "the new word is not in Woord-3.lst"

# Back to bingo, then the settings dialog: a new advertisement text.
soort=$(open_dialoog "$hoofd" 228 48 "Soort Bingo") || fail "no game-type dialog"
klik_in "$soort" 225 60
klik_in "$soort" 298 168
wacht_tot_weg "Soort Bingo" || fail "the game-type dialog did not close"
klik_in "$hoofd" 288 48
instellingen=$(wacht_op_venster "Instellingen" 10) || fail "no settings dialog"
klik_in "$instellingen" 100 26
xdotool key ctrl+a
xdotool type --delay 20 "Nieuwe reclame"
schermafdruk 10-instellingen
klik_in "$instellingen" 486 192
wacht_tot_weg "Instellingen" || fail "the settings dialog did not close"

# The help screens of bingo: the menu's help button shows them and hides them again.
klik_in "$hoofd" 528 48
sleep 0.5
schermafdruk 11-help-bingo
klik_in "$hoofd" 528 48
sleep 0.3

# The about box and the high-score list from the menu bar.
about=$(wacht_op_klik "$hoofd" $((scherm_breedte - 109)) 48 "About Me...") || fail "no about box"
schermafdruk 12-about
klik_in "$about" 367 138
wacht_tot_weg "About Me..." || fail "the about box did not close"
score=$(wacht_op_klik "$hoofd" 108 48 "Hoogst Scorelijst") || fail "no high-score dialog from the menu"
klik_in "$score" 212 369
wacht_tot_weg "Hoogst Scorelijst" || fail "the high-score dialog did not close"

# Printing: one page of each kind to the built-in PDF printer (the spooler is switched off
# for the program, so that printer is the current one). Each job asks for a file name.
afdruk=$(wacht_op_klik "$hoofd" 348 48 "Afdrukken Formulieren (PDF-bestand)") || fail "no print dialog on the PDF printer"
schermafdruk 13-afdrukken
soorten=(bingo random breed vier-bij-vier)
for i in 0 1 2 3; do
    pdf="$werk/kaart-${soorten[$i]}.pdf"
    klik_in "$afdruk" 46 $((46 + 68 * i))
    bestand=$(wacht_op_venster "Bingokaarten bewaren als PDF" 10) || fail "no file question for ${soorten[$i]}"
    [[ $i == 0 ]] && schermafdruk 14-pdf-bestand
    toets_in "$bestand" ctrl+a
    xdotool type --delay 10 "$pdf"
    xdotool key Return
    wacht_tot_weg "Bingokaarten bewaren als PDF" || fail "the file question did not close"
    for ((w = 0; w < 100; w++)); do [[ -s "$pdf" ]] && break; sleep 0.1; done
    [[ -s "$pdf" ]] || fail "no PDF written for ${soorten[$i]}"
done
klik_in "$afdruk" 372 321
wacht_tot_weg "Afdrukken Formulieren (PDF-bestand)" || fail "the print dialog did not close"

# Leaving with "Ja" writes the settings file.
schermafdruk 15-afsluiten
sluit_af "$hoofd"

grep -q '"Nieuwe reclame"' "$werk/Alfabolotto.ini" || fail "the new advertisement text was not saved"
grep -q '^200,50,50' "$werk/Alfabolotto.ini" || fail "letter colour lost"
for soort in "${soorten[@]}"; do
    pdf="$werk/kaart-$soort.pdf"
    cp "$pdf" "$ARTEFACTEN/"
    if command -v pdfinfo >/dev/null; then
        info=$(pdfinfo "$pdf") || fail "kaart-$soort.pdf is not a readable PDF"
        grep -q '^Pages: *1$' <<<"$info" || fail "kaart-$soort.pdf does not hold exactly one page"
        awk '/^Page size:/ { exit !($3 > 594 && $3 < 597 && $5 > 840 && $5 < 843) }' <<<"$info" ||
            fail "kaart-$soort.pdf is not A4: $(grep '^Page size:' <<<"$info")"
    fi
done
echo "E2E passed: bingo round, end-of-round message, new round, quiz game with high score, word-list editor, settings, help, about, printing of each card kind to PDF, exit"
