#!/bin/sh
# Moves photos onto a small FAT image mounted through FUSE (fusefat, which
# has neither the no-replace rename nor hard links, and folds case) and
# checks that nothing is replaced and nothing is lost.
# Usage: tests/scripts/fat-move.sh path/to/lumenscribe
# Exits 0 with a "skipped:" line where the machine cannot mount the image.
set -eu
tool=${1:?usage: fat-move.sh path/to/lumenscribe}
command -v mkfs.vfat >/dev/null || { echo "skipped: mkfs.vfat is not installed"; exit 0; }
command -v fusefat >/dev/null || { echo "skipped: fusefat is not installed (apt-get install fusefat)"; exit 0; }
[ -c /dev/fuse ] || { echo "skipped: no /dev/fuse"; exit 0; }

work=$(mktemp -d)
mounted=""
cleanup() {
    [ -n "$mounted" ] && fusermount -u "$work/fat" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
mkdir "$work/card" "$work/fat"
truncate -s 32M "$work/img"
mkfs.vfat -n LUMEN "$work/img" >/dev/null
if ! fusefat -o rw+ "$work/img" "$work/fat" >/dev/null 2>&1; then
    echo "skipped: this machine cannot mount a FUSE file system"
    exit 0
fi
mounted=yes

# Three photos, each named after its own time; the first one's new name is
# already taken on the FAT volume, in other letters.
i=0
for t in 202401020304.05 202401020304.06 202401020304.07; do
    i=$((i + 1))
    head -c 5000 /dev/urandom > "$work/card/IMG_$i.JPG"
    touch -t "$t" "$work/card/IMG_$i.JPG"
done
run() { LUMENSCRIBE_CONFIG="$work/s.json" LUMENSCRIBE_STATE_DIR="$work/journals" "$tool" "$@"; }
taken=$(run --yes --dry-run --move-to "$work/fat" "$work/card" 2>/dev/null | sed -n '1s/.* -> \([^ ]*\)  .*/\1/p')
[ -n "$taken" ] || { echo "FAIL: the dry run named no target"; exit 1; }
upper=$(basename "$taken" | tr '[:lower:]' '[:upper:]')
echo theirs > "$work/fat/$upper"

status=0
run --yes --move-to "$work/fat" "$work/card" >"$work/out" 2>"$work/err" || status=$?

fail() { echo "FAIL: $*"; cat "$work/out" "$work/err"; exit 1; }
ls -a "$work/fat" | grep -q '^\.lumenscribe-' && fail "a temporary copy was left"
[ "$(cat "$work/fat/$upper")" = theirs ] || fail "the taken name was replaced"
# The name taken in other letters counts as taken: every photo moved, once.
[ "$status" -eq 0 ] || fail "the run failed (exit status $status)"
total=$(find "$work/fat" -type f -size 5000c | wc -l)
[ "$total" -eq 3 ] || fail "expected 3 photos on the FAT volume, found $total"
[ -z "$(ls -A "$work/card")" ] || fail "photos left on the card"
echo "ok: moved onto FAT without replacing anything"
