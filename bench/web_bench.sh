#!/bin/sh
# The web site benchmark: cardwise-cli make-pages on a generated database of 100,000 rounds
# with every update-all flag on, beside two anchors measured in the same run on the same pages:
#   - a plain C++ loop writing the same files with the same bytes (read into memory first);
#   - hugo building a site of as many pages from ready-made HTML content with a trivial layout.
# Every run writes to fresh folders below WORK. Creating files right after a big tree was
# deleted (the WORK of the run before) can be much slower on some file systems for a few
# minutes; the figures of such a run are not comparable.
#
#   bench/web_bench.sh [ROUNDS]
#
# Environment: BUILD (the Release build folder, default build-release), WORK (the folder for
# the database and the sites, default a new temporary folder, removed at the end unless given),
# JOBS (build jobs, default 2).
set -eu

ROUNDS=${1:-100000}
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$SOURCE/build-release}
JOBS=${JOBS:-2}
if [ -n "${WORK:-}" ]; then
  KEEP=1
else
  WORK=$(mktemp -d /tmp/cardwise-web-bench.XXXXXX)
  KEEP=0
fi
cleanup() { [ "$KEEP" = 1 ] || rm -rf "$WORK"; }
trap cleanup EXIT

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
need() {  # need COMMAND PACKAGE: installs the Debian package when the command is missing
  command -v "$1" >/dev/null 2>&1 && return
  echo "Installing $2" >&2
  as_root apt-get update >&2 && DEBIAN_FRONTEND=noninteractive as_root apt-get install -y "$2" >&2
}
need hugo hugo
[ -x /usr/bin/time ] || need /usr/bin/time time

echo "== building (Release) in $BUILD" >&2
cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARDWISE_BENCH=ON >&2
cmake --build "$BUILD" -j"$JOBS" --target cardwise-cli cardwise-make-database \
  cardwise-web-bench-files >&2

echo "== generating a database of $ROUNDS rounds in $WORK/Data" >&2
"$BUILD/bench/cardwise-make-database" "$WORK/Data" "$ROUNDS" >&2

cat >"$WORK/cardwise.ini" <<EOF
[Dirs]
DataDir=$WORK/Data/
TemplateDir=$WORK/Template/
HtmlRootDir=$WORK/site/
EOF

# timed LABEL LOG COMMAND...: runs the command under /usr/bin/time -v; LOG gets its report.
timed() {
  log=$2
  shift 2
  /usr/bin/time -v -o "$log" "$@"
}
wall_seconds() {  # the wall time of a /usr/bin/time -v report, in seconds
  sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$1" |
    awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }'
}
peak_mb() {
  sed -n 's/.*Maximum resident set size (kbytes): //p' "$1" | awk '{ printf "%.0f", $1 / 1024 }'
}

echo "== cardwise-cli make-pages" >&2
sync
XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/share \
  timed make-pages "$WORK/cardwise.time" "$BUILD/src/cli/cardwise-cli" --ini "$WORK/cardwise.ini" \
  make-pages --all-rounds --all-players --all-events --all-tours >"$WORK/cardwise.out" \
  2>"$WORK/cardwise.err" || {
  cat "$WORK/cardwise.out" "$WORK/cardwise.err" >&2
  exit 1
}
cat "$WORK/cardwise.out" >&2
PAGES=$(find "$WORK/site" -type f -name '*.htm*' | wc -l)
FILES=$(find "$WORK/site" -type f | wc -l)
MBYTES=$(du -sm "$WORK/site" | cut -f1)

echo "== plain C++ loop writing the same $FILES files" >&2
sync
timed write "$WORK/write.time" "$BUILD/bench/cardwise-web-bench-files" write "$WORK/site" \
  "$WORK/copy" >"$WORK/write.out"
WRITE_SECONDS=$(sed -n 's/.* seconds //p' "$WORK/write.out")
rm -rf "$WORK/copy"

echo "== hugo building $PAGES pages" >&2
"$BUILD/bench/cardwise-web-bench-files" hugo "$WORK/site" "$WORK/hugo" >&2
sync
timed hugo "$WORK/hugo.time" hugo --quiet --source "$WORK/hugo" \
  --destination "$WORK/hugo-public" >&2

CARDWISE_SECONDS=$(wall_seconds "$WORK/cardwise.time")
HUGO_SECONDS=$(wall_seconds "$WORK/hugo.time")
echo
echo "$PAGES pages, $FILES files, $MBYTES MB; $ROUNDS rounds"
awk -v pages="$PAGES" -v cw="$CARDWISE_SECONDS" -v wr="$WRITE_SECONDS" -v hu="$HUGO_SECONDS" \
  -v cwmb="$(peak_mb "$WORK/cardwise.time")" -v wrmb="$(peak_mb "$WORK/write.time")" \
  -v humb="$(peak_mb "$WORK/hugo.time")" 'BEGIN {
  printf "%-26s %10s %10s %10s\n", "", "seconds", "pages/s", "peak MB"
  printf "%-26s %10.2f %10.0f %10s\n", "cardwise-cli make-pages", cw, pages / cw, cwmb
  printf "%-26s %10.2f %10.0f %10s\n", "plain C++ writes (timed)", wr, pages / wr, wrmb " (a)"
  printf "%-26s %10.2f %10.0f %10s\n", "hugo", hu, pages / hu, humb
  print "(a) the loop holds every file in memory before it writes them"
  printf "\ntargets: run within 2 x plain loop: %s (%.2f x); under 15 s: %s; " \
    "3 x hugo pages/s: %s (%.1f x); peak under 1 GB: %s\n",
    (cw <= 2 * wr ? "met" : "MISSED"), cw / wr, (cw < 15 ? "met" : "MISSED"),
    (pages / cw >= 3 * pages / hu ? "met" : "MISSED"), hu / cw, (cwmb < 1024 ? "met" : "MISSED")
}'
