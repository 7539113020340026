#!/usr/bin/env bash
# Builds Data/Woord-2.lst .. Woord-9.lst from Debian's Dutch word list (package wdutch, the
# OpenTaal list; the version used is in tools/woordlijsten/BRON): upper case A-Z, sorted, one
# word per line, CR LF.
#   - accents folded to plain letters (café -> CAFE, ideeën -> IDEEEN), duplicates merged;
#   - left out: entries with a capital (names, abbreviations), a digit, a dot, an apostrophe,
#     a hyphen or a blank; entries without a vowel (a e i o u y) except the interjections in
#     tools/woordlijsten/tussenwerpsels.txt; the words in tools/woordlijsten/uitgesloten.txt.
# Usage: tools/maak_woordlijsten.sh [source list] [target folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lijsten=$root/tools/woordlijsten
source_list=${1:-/usr/share/dict/dutch}
target=${2:-$root/assets/Data}
export LC_ALL=C.UTF-8

# grep that keeps the lines it matches and is content with none.
keep() { grep "$@" || [[ $? -eq 1 ]]; }
# The entries of a word file: comments dropped, one per line.
entries() { sed 's/#.*//' "$1" | tr -s ' \t\r' '\n' | sed '/^$/d'; }

expected=$(sed -n 's/.*sha256 of that file: //p' "$lijsten/BRON")
if [[ "$(sha256sum < "$source_list" | cut -d' ' -f1)" != "$expected" ]]; then
    echo "Note: $source_list is not the version named in tools/woordlijsten/BRON; the lists will differ." >&2
fi

werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
entries "$lijsten/uitgesloten.txt" | sort -u > "$werk/uitgesloten"
entries "$lijsten/tussenwerpsels.txt" | sort -u > "$werk/tussenwerpsels"

# Lower-case entries only, accents folded; whatever is then not a-z alone is left out.
tr -d '\r' < "$source_list" \
    | keep -Ev '[[:upper:]]' \
    | sed -e 'y/áàâäãåéèêëíìîïóòôöõøúùûüýÿçñ/aaaaaaeeeeiiiioooooouuuuyycn/' -e 's/ĳ/ij/g' \
    | keep -E '^[a-z]{2,9}$' | sort -u > "$werk/gevouwen"
keep -E '[aeiouy]' "$werk/gevouwen" | cat - <(comm -12 "$werk/gevouwen" "$werk/tussenwerpsels") \
    | sort -u | comm -23 - "$werk/uitgesloten" > "$werk/woorden"

mkdir -p "$target"
for n in 2 3 4 5 6 7 8 9; do
    keep -E "^[a-z]{$n}\$" "$werk/woorden" | tr 'a-z' 'A-Z' | LC_ALL=C sort -u | sed 's/$/\r/' \
        > "$target/Woord-$n.lst.nieuw"
    mv "$target/Woord-$n.lst.nieuw" "$target/Woord-$n.lst"
    printf 'Woord-%s.lst: %s woorden\n' "$n" "$(wc -l < "$target/Woord-$n.lst")"
done
if [[ -f /usr/share/doc/wdutch/copyright ]]; then
    cp /usr/share/doc/wdutch/copyright "$target/Woordenlijsten-licentie.txt"
fi
