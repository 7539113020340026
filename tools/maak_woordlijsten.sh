#!/usr/bin/env bash
# Builds Data/Woord-2.lst .. Woord-9.lst from Debian's Dutch word list (package wdutch,
# the OpenTaal list): words of 2 to 9 letters a-z only, upper case, sorted, one per line, CR LF.
# Usage: tools/maak_woordlijsten.sh [source list] [target folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source_list=${1:-/usr/share/dict/dutch}
target=${2:-$root/assets/Data}

mkdir -p "$target"
for n in 2 3 4 5 6 7 8 9; do
    LC_ALL=C grep -E "^[a-z]{$n}\$" "$source_list" \
        | LC_ALL=C tr 'a-z' 'A-Z' | LC_ALL=C sort -u | sed 's/$/\r/' > "$target/Woord-$n.lst"
    printf 'Woord-%s.lst: %s woorden\n' "$n" "$(wc -l < "$target/Woord-$n.lst")"
done
cp /usr/share/doc/wdutch/copyright "$target/Woordenlijsten-licentie.txt"
