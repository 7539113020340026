#!/usr/bin/env bash
# Starts a speech-dispatcher of its own in the folder given, with the voices playing to ALSA's
# null device (no sound card needed), and prints its address for SPEECHD_ADDRESS. Fails when
# speech-dispatcher is not installed or does not come up. Stop it with: kill $(cat FOLDER/speechd.pid)
# Usage: spraakdienst.sh FOLDER [LOG LEVEL]   (5 logs every command and text it is sent, in
# FOLDER/log/speech-dispatcher.log)
set -u
map=$1
niveau=${2:-3}
command -v speech-dispatcher >/dev/null || { echo "speech-dispatcher is not installed" >&2; exit 1; }
mkdir -p "$map/log"
cp -r /etc/speech-dispatcher "$map/conf"
printf '\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n' >>"$map/conf/speechd.conf"
speech-dispatcher -d -t 0 -l "$niveau" -C "$map/conf" -c unix_socket -S "$map/speechd.sock" -L "$map/log" -P "$map/speechd.pid" \
    </dev/null >"$map/log/start.log" 2>&1
for ((i = 0; i < 50; i++)); do
    [[ -S "$map/speechd.sock" && -s "$map/speechd.pid" ]] && { echo "unix_socket:$map/speechd.sock"; exit 0; }
    sleep 0.1
done
echo "speech-dispatcher did not come up (see $map/log)" >&2
exit 1
