#!/bin/sh
# The web site benchmark: cardwise-cli make-pages on a generated database of 100,000 rounds
# with every update-all flag on, beside two anchors measured in the same run on the same pages:
#   - a plain C++ loop writing the same files with the same bytes (read into memory first);
#   - hugo building a site of as many pages from ready-made HTML content with a trivial layout.
# Every run writes to fresh folders below WORK. The three are run REPEAT times in turn and the
# fastest time of each counts: file creation on the team's virtual machines is at times several
# times slower for a minute or more (after a big tree was deleted, say), and taking turns puts
# the three under the same conditions.
#
#   bench/web_bench.sh [ROUNDS]
#
# Environment: BUILD (the Release build folder, default build-release), WORK (the folder for
# the database and the sites, default a new temporary folder, removed at the end unless given),
# JOBS (build jobs, default 2), REPEAT (turns, default 3).
set -eu

ROUNDS=${1:-100000}
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$SOURCE/build-release}
JOBS=${JOBS:-2}
REPEAT=${REPEAT:-3}
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

# make_pages N: cardwise-cli makes the whole site into site-N.
make_pages() {
  sed "s|^HtmlRootDir=.*|HtmlRootDir=$WORK/site-$1/|" "$WORK/cardwise.ini" >"$WORK/cardwise-$1.ini"
  sync
  XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/share \
    timed make-pages "$WORK/cardwise-$1.time" "$BUILD/src/cli/cardwise-cli" \
    --ini "$WORK/cardwise-$1.ini" make-pages --all-rounds --all-players --all-events --all-tours \
    >"$WORK/cardwise-$1.out" 2>"$WORK/cardwise-$1.err" || {
    cat "$WORK/cardwise-$1.out" "$WORK/cardwise-$1.err" >&2
    exit 1
  }
}
# plain_loop N: the plain loop writes site-1's files into copy-N; its own timing of the writes.
plain_loop() {
  sync
  timed write "$WORK/write-$1.time" "$BUILD/bench/cardwise-web-bench-files" write \
    "$WORK/site-1" "$WORK/copy-$1" >"$WORK/write-$1.out"
  sed -n 's/.* seconds //p' "$WORK/write-$1.out"
}
# hugo_build N: hugo builds the ready-made content into hugo-public-N.
hugo_build() {
  sync
  timed hugo "$WORK/hugo-$1.time" hugo --quiet --source "$WORK/hugo" \
    --destination "$WORK/hugo-public-$1" >&2
  wall_seconds "$WORK/hugo-$1.time"
}
fastest() { sort -g | head -n 1; }

echo "== cardwise-cli make-pages, turn 1" >&2
make_pages 1
cat "$WORK/cardwise-1.out" >&2
PAGES=$(find "$WORK/site-1" -type f -name '*.htm*' | wc -l)
FILES=$(find "$WORK/site-1" -type f | wc -l)
MBYTES=$(du -sm "$WORK/site-1" | cut -f1)
"$BUILD/bench/cardwise-web-bench-files" hugo "$WORK/site-1" "$WORK/hugo" >&2

CW_TIMES=" $(wall_seconds "$WORK/cardwise-1.time")"
WR_TIMES=""
HU_TIMES=""
for turn in $(seq 1 "$REPEAT"); do
  if [ "$turn" -gt 1 ]; then
    echo "== cardwise-cli make-pages, turn $turn" >&2
    make_pages "$turn"
    CW_TIMES="$CW_TIMES $(wall_seconds "$WORK/cardwise-$turn.time")"
  fi
  echo "== plain C++ loop writing the same $FILES files, turn $turn" >&2
  WR_TIMES="$WR_TIMES $(plain_loop "$turn")"
  echo "== hugo building $PAGES pages, turn $turn" >&2
  HU_TIMES="$HU_TIMES $(hugo_build "$turn")"
done
echo "times of the turns: cardwise$CW_TIMES; loop$WR_TIMES; hugo$HU_TIMES" >&2

CARDWISE_SECONDS=$(echo $CW_TIMES | tr ' ' '\n' | fastest)
WRITE_SECONDS=$(echo $WR_TIMES | tr ' ' '\n' | fastest)
HUGO_SECONDS=$(echo $HU_TIMES | tr ' ' '\n' | fastest)
CW_MB=$(for f in "$WORK"/cardwise-*.time; do peak_mb "$f"; echo; done | sort -g | tail -n 1)
WR_MB=$(peak_mb "$WORK/write-1.time")
HU_MB=$(peak_mb "$WORK/hugo-1.time")
echo
echo "$PAGES pages, $FILES files, $MBYTES MB; $ROUNDS rounds; the fastest of $REPEAT turns"
awk -v pages="$PAGES" -v cw="$CARDWISE_SECONDS" -v wr="$WRITE_SECONDS" -v hu="$HUGO_SECONDS" \
  -v cwmb="$CW_MB" -v wrmb="$WR_MB" -v humb="$HU_MB" 'BEGIN {
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
