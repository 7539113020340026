#!/usr/bin/env bash
# The program's modes without a window: --kaarten writes sheets to a PDF with "Blad CODE" on
# every page, --kaart CODE 1 gives exactly the letters printed on card 1 of that page (read back
# from the PDF with pdftotext), and wrong input gives a Dutch message with exit code 1 or the
# usage with exit code 2; --version gives the project's version.
# Usage: opdrachtregel_test.sh <alfabolotto executable>
set -u
programma=$1
command -v pdftotext >/dev/null || { echo "SKIP: pdftotext is not installed"; exit 77; }
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
export XDG_RUNTIME_DIR=$werk/run XDG_CONFIG_HOME=$werk/config
mkdir -m 700 "$werk/run"
status=0
fout() { echo "FAILED: $*"; status=1; }

# The rows of card 1 of a page as pdftotext lays them out: the first letters of the first rows
# of single letters under the headings ("B I N G O", "A L F A B O - L O T T O", the title).
kaart_een() {
    local pdf=$1 pagina=$2 kolommen=$3 rijen=$4
    pdftotext -layout -f "$pagina" -l "$pagina" "$pdf" - |
        awk -v k="$kolommen" -v r="$rijen" '
            /B I N G O|A L F A B O|Alfabo Lotto|Blad/ { next }
            {
                n = 0; rij = ""
                for (i = 1; i <= NF; i++) if ($i ~ /^[A-Z]$/ && n < k) { rij = rij (n ? " " : "") $i; n++ }
                if (n == k && gedaan < r) { print rij; gedaan++ }
            }'
}

for geval in "uniek 5 5" "random 5 5" "breed 12 5" "4x4 4 4"; do
    read -r soort kolommen rijen <<<"$geval"
    pdf=$werk/$soort.pdf
    "$programma" --kaarten "$soort" --paginas 2 --pdf "$pdf" --middenstuk >/dev/null 2>&1 ||
        { fout "--kaarten $soort ended with $?"; continue; }
    for pagina in 1 2; do
        code=$(pdftotext -f $pagina -l $pagina "$pdf" - | sed -n 's/.*Blad \([2-9A-Z]\{7\}\).*/\1/p' | head -n 1)
        [[ -n "$code" ]] || { fout "$soort page $pagina has no Blad CODE"; continue; }
        gedrukt=$(kaart_een "$pdf" $pagina "$kolommen" "$rijen")
        gegeven=$("$programma" --kaart "$code" 1)
        [[ "$gedrukt" == "$gegeven" ]] || fout "$soort page $pagina ($code): printed\n$gedrukt\nbut --kaart gives\n$gegeven"
    done
done

verwacht_afloop() {
    local afloop=$1 tekst=$2; shift 2
    uitvoer=$("$programma" "$@" 2>&1)
    local kreeg=$?
    [[ $kreeg == "$afloop" ]] || fout "$* ended with $kreeg, not $afloop"
    [[ "$uitvoer" == *"$tekst"* ]] || fout "$* said '$uitvoer', not '$tekst'"
}
verwacht_afloop 1 "bestaat niet" --kaart 2252GAQ 1
verwacht_afloop 1 "genummerd van 1 tot 6" --kaart 2252GAK 7
verwacht_afloop 2 "Gebruik:" --kaarten ruit --paginas 1 --pdf "$werk/x.pdf"
verwacht_afloop 2 "Gebruik:" --kaart 2252GAK
verwacht_afloop 2 "Gebruik:" --onbekend
verwacht_afloop 0 "--kaart CODE NUMMER" --help
# The project's one version, as the package and the about box have it.
versie=$(sed -n 's/^project(AlfaboLotto VERSION \([0-9.]*\) .*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[[ -n "$versie" ]] || fout "no version in CMakeLists.txt"
verwacht_afloop 0 "Alfabo Lotto $versie" --version

[[ $status == 0 ]] && echo "The sheets carry their codes and --kaart gives the printed cards"
exit $status
