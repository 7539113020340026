#!/usr/bin/env bash
# The word-list maker on a small sample of the kinds of entries its source list has: what it
# folds, merges, keeps and leaves out, and the files' form (upper case, sorted, CR LF).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT

cat > "$werk/bron" <<'LIJST'
café
cafe
ideeën
reünie
ruïne
crème
naïef
kat
zo'n
e-mail
a.u.b.
1e
Amsterdam
Émile
ab c
tv
btw
km
brr
hm
cao
hbo
havo
tienduizendpoot
q
LIJST
bash "$root/tools/maak_woordlijsten.sh" "$werk/bron" "$werk/Data" > /dev/null 2>&1

gekregen=$(cat "$werk"/Data/Woord-*.lst | tr -d '\r' | tr '\n' ' ')
verwacht="HM BRR KAT CAFE HAVO CREME NAIEF RUINE IDEEEN REUNIE "
status=0
if [[ "$gekregen" != "$verwacht" ]]; then
    echo "Words: got '$gekregen', expected '$verwacht'"
    status=1
fi
for bestand in "$werk"/Data/Woord-*.lst; do
    if grep -qv $'\r$' "$bestand"; then
        echo "$(basename "$bestand"): a line without CR LF"
        status=1
    fi
    if ! tr -d '\r' < "$bestand" | LC_ALL=C sort -c -u; then
        echo "$(basename "$bestand"): not sorted or not unique"
        status=1
    fi
done
[[ $(ls "$werk"/Data/Woord-*.lst | wc -l) -eq 8 ]] || { echo "Not all eight lists were written"; status=1; }

# From the source list named in BRON the maker gives back the shipped lists exactly.
bron=/usr/share/dict/dutch
if [[ -f $bron && "$(sha256sum < "$bron" | cut -d' ' -f1)" == "$(sed -n 's/.*sha256 of that file: //p' "$root/tools/woordlijsten/BRON")" ]]; then
    bash "$root/tools/maak_woordlijsten.sh" "$bron" "$werk/Opnieuw" > /dev/null
    for n in 2 3 4 5 6 7 8 9; do
        cmp -s "$werk/Opnieuw/Woord-$n.lst" "$root/assets/Data/Woord-$n.lst" \
            || { echo "Woord-$n.lst is not what the maker makes from $bron"; status=1; }
    done
else
    echo "($bron is not the version in BRON: the shipped lists are not made again)"
fi
[[ $status -eq 0 ]] && echo "The word-list maker folds, merges and leaves out as it should"
exit $status
