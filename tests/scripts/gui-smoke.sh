#!/bin/sh
# The real desktop application on a real X server (Xvfb): started with a
# folder of sample photos and confirmation off, it renames them and quits
# by itself within a few seconds.
# Usage: gui-smoke.sh LUMENSCRIBE_GUI TESTDATA
set -eu
GUI="$1"
DATA="$2"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "gui-smoke: xvfb-run is not installed; skipped"
    exit 77
fi
WORK="$(mktemp -d "${TMPDIR:-/tmp}/lumenscribe-smoke.XXXXXX")"
trap 'rm -rf "$WORK"' EXIT
export LUMENSCRIBE_CONFIG="$WORK/settings.json" XDG_STATE_HOME="$WORK/state" XDG_DATA_HOME="$WORK/share"
export XDG_RUNTIME_DIR="$WORK/run" QT_QPA_PLATFORM=xcb
mkdir -p "$WORK/card" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
for f in Canon1DmkIII.jpg exiv2-nikon-d70.jpg P1000244.JPG; do
    cp "$DATA/$f" "$WORK/card/"
done
chmod u+w "$WORK/card"/*
echo '{"confirmEachFile": false}' > "$LUMENSCRIBE_CONFIG"

start=$(date +%s%N)
status=0
timeout 30 xvfb-run -a "$GUI" "$WORK/card" || status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "gui-smoke: exit $status after $elapsed_ms ms"
ls "$WORK/card"
[ "$status" -eq 0 ] || { echo "gui-smoke: the application did not quit by itself with 0"; exit 1; }
for f in Canon1DmkIII.jpg exiv2-nikon-d70.jpg P1000244.JPG; do
    [ ! -e "$WORK/card/$f" ] || { echo "gui-smoke: $f was not renamed"; exit 1; }
done
[ "$(ls "$WORK/card" | wc -l)" -eq 3 ] || { echo "gui-smoke: the card does not hold three files"; exit 1; }
# A few seconds, Xvfb's own start included.
[ "$elapsed_ms" -lt 10000 ] || { echo "gui-smoke: took more than 10 s"; exit 1; }
echo "gui-smoke: ok"
