#!/usr/bin/env bash
# Prints the four card kinds through a real CUPS spooler and checks what arrives.
#
#   spooler_test.sh <path of spooler_afdruk>
#
# Starts a cupsd of its own (own configuration, state and socket in a temporary folder;
# the system's cupsd, if any, is not touched), adds a queue "AlfaboTest" on the cups-pdf
# backend writing into that folder, and lets spooler_afdruk print 3 pages of every kind
# on it and on the built-in printer "PDF-bestand". Then:
# - the spooler must have made 12 PDFs of one A4 portrait page each, 3 per kind;
# - the built-in printer's files (one per kind, 3 pages) must hold the texts of the
#   sheets. The spooler's files are not read for text: ghostscript rewrites the fonts.
#
# Skipped (exit code 77) where no spooler can run: not root, CUPS or cups-pdf or
# poppler-utils missing, or a cupsd that does not start. Every wait is bounded.
set -u

readonly SKIP=77
readonly QUEUE=AlfaboTest
readonly FOOTER="Alfabo spoolertest voettekst"
program=${1:-}

skip() {
    echo "SKIP: $*"
    exit $SKIP
}

[[ -x "$program" ]] || { echo "FOUT: programma spooler_afdruk niet gevonden: '$program'"; exit 1; }
[[ $(id -u) -eq 0 ]] || skip "needs root: cupsd and the cups-pdf backend only run as root"

export PATH=$PATH:/usr/sbin:/sbin
for tool in cupsd lpadmin lpstat pdfinfo pdftotext timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps installs cups and poppler-utils)"
done
serverbin=
for dir in /usr/lib/cups /usr/libexec/cups; do
    [[ -x $dir/backend/cups-pdf ]] && serverbin=$dir && break
done
[[ -n $serverbin ]] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1)
[[ -n $ppd ]] || skip "no cups-pdf PPD under /usr/share/ppd/cups-pdf"
# cups-pdf reads its configuration from /etc/cups only, one file per device URI.
[[ -w /etc/cups ]] || skip "/etc/cups is not writable, so the cups-pdf output folder cannot be set"

# A short path: the socket's name must stay under the 108 characters of a Unix socket.
work=$(mktemp -d /tmp/alfabo-cups.XXXXXX) || skip "no temporary folder"
chmod 755 "$work" # the filters run as user lp and must reach the spool
mkdir -p "$work"/{conf,spool/tmp,cache,state,log,spooled,pdf,cups-pdf-spool}
chmod 1777 "$work/spooled"
suffix="alfabo-test-$$"
cupspdf_conf=/etc/cups/cups-pdf-$suffix.conf
cupsd_pid=

cleanup() {
    if [[ -n $cupsd_pid ]] && kill -0 "$cupsd_pid" 2>/dev/null; then
        kill -TERM "$cupsd_pid" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "$cupsd_pid" 2>/dev/null || break
            sleep 0.2
        done
        kill -KILL "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -f "$cupspdf_conf"
    if [[ ${ALFABO_SPOOLER_KEEP:-} ]]; then
        echo "kept: $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

fail() {
    echo "FOUT: $*"
    echo "--- cupsd error_log (end) ---"
    tail -n 40 "$work/log/error_log" 2>/dev/null
    echo "--- cups-pdf log (end) ---"
    tail -n 20 "$work"/log/cups-pdf-*_log 2>/dev/null
    exit 1
}

cat >"$work/conf/cups-files.conf" <<EOF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
ServerBin $serverbin
DataDir /usr/share/cups
SystemGroup root
EOF
cat >"$work/conf/cupsd.conf" <<EOF
Listen $work/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$cupspdf_conf" <<EOF
Out $work/spooled
AnonDirName $work/spooled
Spool $work/cups-pdf-spool
Log $work/log
LogType 3
Label 2
EOF

export CUPS_SERVER=$work/cups.sock
# Under timeout, so the daemon ends by itself even when this script is killed before its
# cleanup; a TERM sent to timeout's PID is passed on to cupsd.
timeout -k 10 400 cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
started=
for _ in $(seq 75); do
    kill -0 "$cupsd_pid" 2>/dev/null || break
    if timeout 5 lpstat -r 2>/dev/null | grep -q "is running"; then
        started=1
        break
    fi
    sleep 0.2
done
if [[ -z $started ]]; then
    cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null | tail -n 20
    skip "cupsd did not start with a private configuration (see its messages above)"
fi
echo "cupsd $cupsd_pid listens on $CUPS_SERVER"

timeout 30 lpadmin -p "$QUEUE" -E -v "cups-pdf:/$suffix" -P "$ppd" 2>"$work/log/lpadmin.err" \
    || fail "lpadmin could not add the queue: $(cat "$work/log/lpadmin.err")"
timeout 10 lpstat -p "$QUEUE" || fail "the queue $QUEUE is not there"

echo "== printing through the print dialog =="
QT_QPA_PLATFORM=offscreen timeout 180 "$program" "$QUEUE" "$work/pdf" "$FOOTER" \
    || fail "spooler_afdruk failed (exit code $?)"

# The jobs are numbered in the order they were printed: 3 per kind, kinds in the order
# Bingokaarten, Random Bingokaarten, Brede Bingokaarten, 4 x 4 Bingokaarten.
readonly KINDS=("Bingokaarten" "Random Bingokaarten" "Brede Bingokaarten" "4 x 4 Bingokaarten")
readonly JOBS=$((3 * ${#KINDS[@]}))

echo "== waiting for the spooler =="
deadline=$((SECONDS + 90))
while :; do
    pending=$(timeout 10 lpstat -o "$QUEUE" 2>/dev/null | wc -l)
    arrived=$(find "$work/spooled" -name '*.pdf' | wc -l)
    [[ $pending -eq 0 && $arrived -ge $JOBS ]] && break
    ((SECONDS < deadline)) || fail "after 90 s: $arrived of $JOBS PDFs arrived, $pending jobs still waiting"
    sleep 0.5
done
sleep 1 # the last file is complete once its job is; give the backend its exit
arrived=$(find "$work/spooled" -name '*.pdf' | wc -l)
[[ $arrived -eq $JOBS ]] || fail "$arrived PDFs arrived instead of $JOBS"

pdf_pages() { timeout 20 pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }

status=0
for k in "${!KINDS[@]}"; do
    for n in 1 2 3; do
        job=$((3 * k + n))
        file=$(find "$work/spooled" -name "*-job_$job.pdf" | head -n 1)
        if [[ -z $file ]]; then
            echo "FOUT: ${KINDS[$k]}: no PDF of job $job"
            status=1
            continue
        fi
        pages=$(pdf_pages "$file")
        size=$(timeout 20 pdfinfo "$file" | sed -n 's/^Page size: *//p')
        echo "job $job (${KINDS[$k]}, page $n): $pages page(s), $size"
        [[ $pages == 1 ]] || { echo "FOUT: job $job has $pages pages instead of 1"; status=1; }
        portrait=$(awk '{ print ($1 < $3) ? "ja" : "nee" }' <<<"$size")
        [[ $size == *"(A4)"* && $portrait == ja ]] || { echo "FOUT: job $job is not A4 portrait: $size"; status=1; }
    done
done

echo "== the built-in printer PDF-bestand =="
normalized_page() { # the text of one page on one line, runs of blanks as one
    timeout 20 pdftotext -f "$2" -l "$2" "$1" - 2>/dev/null | tr -s ' \t\n\f' ' '
}
for k in "${!KINDS[@]}"; do
    kind=${KINDS[$k]}
    file=$(find "$work/pdf" -name "$kind *.pdf" | head -n 1)
    if [[ -z $file ]]; then
        echo "FOUT: no file for $kind in $work/pdf"
        status=1
        continue
    fi
    pages=$(pdf_pages "$file")
    echo "$(basename "$file"): $pages pages"
    [[ $pages == 3 ]] || { echo "FOUT: $kind: $pages pages instead of 3"; status=1; }
    # Single capital letters on a page: every cell of every card (the free corners too,
    # they lie under the picture) and the heading letters of each card, whose shadow
    # copies pdftotext folds into the letter itself.
    case $kind in
    "Bingokaarten" | "Random Bingokaarten") heading="B I N G O"; numbers="1 2 3 4 5 6"; expected_letters=$((6 * 25 + 6 * 5)) ;;
    "Brede Bingokaarten") heading="A L F A B O - L O T T O"; numbers="1 2 3"; expected_letters=$((3 * 60 + 3 * 11)) ;;
    *) heading="Alfabo Lotto"; numbers="1 2 3 4 5 6"; expected_letters=$((6 * 16)) ;;
    esac
    for page in 1 2 3; do
        text=$(normalized_page "$file" "$page")
        missing=()
        [[ $text == *"$FOOTER"* ]] || missing+=("the footer")
        [[ $text == *"$heading"* ]] || missing+=("the heading '$heading'")
        found_numbers=$(grep -o '\b[0-9]\b' <<<"$text" | sort -n | tr '\n' ' ' | sed 's/ $//')
        [[ $found_numbers == "$numbers" ]] || missing+=("the card numbers $numbers (found: $found_numbers)")
        letters=$(grep -o '\b[A-Z]\b' <<<"$text" | wc -l)
        [[ $letters -eq $expected_letters ]] || missing+=("$expected_letters single letters (found: $letters)")
        if [[ ${#missing[@]} -gt 0 ]]; then
            echo "FOUT: $kind page $page lacks ${missing[*]}"
            echo "      text: ${text:0:300}"
            status=1
        else
            echo "$kind page $page: heading, card numbers $numbers, $letters single letters, footer"
        fi
    done
done

[[ $status -eq 0 ]] || fail "see above"
echo "OK: $JOBS one-page jobs through CUPS, 4 files on PDF-bestand"
