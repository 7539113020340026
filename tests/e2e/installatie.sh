#!/usr/bin/env bash
# End-to-end test of the installed program, as a Debian user gets it: `cmake --install` into a
# folder of its own, whose desktop entry and AppStream metadata validate. Made read-only and
# run by an ordinary user with a home of its own, the program creates its settings in that
# user's folders, saves a high score there and reads it back at the next start. Then the
# package: `cpack` makes the .deb, which holds the program, its data, the desktop entry and the
# icon; unpacked with dpkg-deb into a folder, the program starts from there.
# Usage: installatie.sh <build folder> <source folder> <artefact folder>
set -u
bouw=$1
bron=$2
export ARTEFACTEN=$3
source "$(dirname "$0")/lib.sh"

vereist Xvfb xdotool import desktop-file-validate appstreamcli dpkg-deb cpack
rm -rf "$ARTEFACTEN"; mkdir -p "$ARTEFACTEN"
werk=$(mktemp -d)
chmod 755 "$werk"
start_xvfb "$werk"
app_id=nl.alfabolotto.AlfaboLotto
versie=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$bouw/CMakeCache.txt")

# 1. Installed, valid, read-only.
prefix=$werk/prefix
cmake --install "$bouw" --prefix "$prefix" >"$ARTEFACTEN/installeren.log" || fail "cmake --install failed"
for bestand in bin/alfabolotto share/alfabolotto/Data/Woord-5.lst share/alfabolotto/Data/rad-1.jpg \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml share/icons/hicolor/48x48/apps/$app_id.png \
    share/icons/hicolor/512x512/apps/$app_id.png; do
    [[ -s "$prefix/$bestand" ]] || fail "not installed: $bestand"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$ARTEFACTEN/appstream.log" 2>&1 ||
    fail "the AppStream metadata does not validate: $(cat "$ARTEFACTEN/appstream.log")"
chmod -R a-w "$prefix"
touch "$werk/voor-de-starts"

# 2. An ordinary user with a home of its own: nobody when this runs as root.
home=$werk/home
mkdir -m 777 "$home"
als=()
[[ $(id -u) == 0 ]] && als=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
"${als[@]}" mkdir -m 700 "$home/run"
start_programma() {
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$home/run" CUPS_SERVER="$werk/geen-spooler" \
        ALFABO_TESTKLOK_FACTOR=25 QT_QPA_PLATFORM=xcb "${als[@]}" "$1" >>"$ARTEFACTEN/programma.log" 2>&1 &
    programma_pid=$!
    hoofd=$(wacht_op_venster "Alfabo Lotto" 30) || fail "the main window of $1 did not appear"
    sleep 1
}
instellingen=$home/.config/alfabolotto/Alfabolotto.ini
scores=$home/.local/share/alfabolotto/Data/Scorelijst.lib
plekken=$(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "${als[@]}" "$prefix/bin/alfabolotto" --bestanden)
[[ $plekken == *"Instellingen: $instellingen"* && $plekken == *"woordenlijsten: $(dirname "$scores")"* &&
    $plekken == *"Meegeleverde woordenlijsten: $prefix/share/alfabolotto/Data"* ]] || fail "--bestanden said: $plekken"

start_programma "$prefix/bin/alfabolotto"
schermafdruk geinstalleerd
sluit_af "$hoofd"
[[ -s "$instellingen" ]] || fail "no settings in the user's folder: $(find "$home" -type f | tr '\n' ' ')"
# A short quiz from now on; the file stays the user's.
printf '"Kwartelhoven Software 2017"\r\n"--------------------------"\r\n"Bingo in de zaal"\r\n200,50,50\r\n3\r\n' >"$instellingen"

start_programma "$prefix/bin/alfabolotto"
speel_quiz "$hoofd" Anna
sluit_af "$hoofd"
grep -a -q -- "- Anna" "$scores" || fail "the score is not in the user's high-score list: $(cat "$scores" 2>&1)"

start_programma "$prefix/bin/alfabolotto"
speel_quiz "$hoofd" Bram
sluit_af "$hoofd"
grep -a -q -- "- Anna" "$scores" && grep -a -q -- "- Bram" "$scores" ||
    fail "the next start did not read the high-score list back: $(cat "$scores")"
[[ -z $(find "$prefix" -newer "$werk/voor-de-starts") ]] || fail "the program wrote into its installation"

# 3. The package.
(cd "$bouw" && cpack -G DEB -B "$werk/pakket" >"$ARTEFACTEN/cpack.log" 2>&1) || fail "cpack failed: $(tail -5 "$ARTEFACTEN/cpack.log")"
deb=$werk/pakket/alfabolotto_${versie}_amd64.deb
[[ -s "$deb" ]] || fail "no $(basename "$deb"): $(ls "$werk/pakket")"
dpkg-deb -c "$deb" >"$ARTEFACTEN/pakket-inhoud.txt"
for bestand in usr/bin/alfabolotto usr/share/alfabolotto/Data/Woord-9.lst usr/share/applications/$app_id.desktop \
    usr/share/icons/hicolor/256x256/apps/$app_id.png usr/share/metainfo/$app_id.metainfo.xml; do
    grep -q " \./$bestand\$" "$ARTEFACTEN/pakket-inhoud.txt" || fail "the package lacks $bestand"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Recommends | grep -q speech-dispatcher || fail "the package does not recommend speech"
dpkg-deb -x "$deb" "$werk/root"
[[ $("$werk/root/usr/bin/alfabolotto" --version) == "Alfabo Lotto $versie" ]] || fail "--version of the package"
home=$werk/home-pakket
mkdir -m 777 "$home"
"${als[@]}" mkdir -m 700 "$home/run"
start_programma "$werk/root/usr/bin/alfabolotto"
schermafdruk uit-pakket
sluit_af "$hoofd"
echo "E2E passed: installed, validated, read-only as an ordinary user; packaged, unpacked and started"
