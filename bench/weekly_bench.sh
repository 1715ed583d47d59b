#!/bin/sh
# The weekly step at federation scale: on a generated database of 100,000 rounds whose site
# was made and published to a folder, the times of `recalc events`, `make-pages` and `publish`
# once with nothing new and once after the cards of one new event were added, beside the
# full build (make-pages with every update-all flag on), the bare write loop (a plain C++ loop
# writing the same files with the same bytes) and the first publishing.
#
#   bench/weekly_bench.sh [ROUNDS] [CARDS]
#
# Environment: BUILD (the Release build folder, default build-release), WORK (the folder for
# the database, the site and the target, default a new temporary folder, removed at the end
# unless given), JOBS (build jobs, default 2), NOBUILD=1 (use the programs in BUILD as they are).
# A WORK of an earlier run is cleared first; ext4 then makes new files slowly for some minutes
# (it passes over the inodes just freed), so figures to compare come from a new WORK.
set -eu

ROUNDS=${1:-100000}
CARDS=${2:-20}
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$SOURCE/build-release}
JOBS=${JOBS:-2}
if [ -n "${WORK:-}" ]; then
  KEEP=1
else
  WORK=$(mktemp -d /tmp/cardwise-weekly-bench.XXXXXX)
  KEEP=0
fi
cleanup() {
  rm -rf "$WORK/copy"
  [ "$KEEP" = 1 ] || rm -rf "$WORK"
}
trap cleanup EXIT

if [ "${NOBUILD:-0}" != 1 ]; then
  echo "== building (Release) in $BUILD" >&2
  cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARDWISE_BENCH=ON >&2
  cmake --build "$BUILD" -j"$JOBS" --target cardwise-cli cardwise-make-database \
    cardwise-web-bench-files >&2
fi

rm -rf "$WORK/Data" "$WORK/site" "$WORK/server" "$WORK/copy"
echo "== generating a database of $ROUNDS rounds in $WORK/Data" >&2
"$BUILD/bench/cardwise-make-database" "$WORK/Data" "$ROUNDS" >&2
mkdir -p "$WORK/server"
cat >"$WORK/cardwise.ini" <<INI
[Dirs]
DataDir=$WORK/Data/
TemplateDir=$WORK/Template/
HtmlRootDir=$WORK/site/
[Web]
PublishTo=$WORK/server/www/
PublishDelete=1
INI

cli() {
  XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/share \
    "$BUILD/src/cli/cardwise-cli" --ini "$WORK/cardwise.ini" "$@" >"$WORK/last.out" 2>&1 || {
    cat "$WORK/last.out" >&2
    exit 1
  }
}
# seconds COMMAND...: the wall time of one run of cardwise-cli, in seconds.
seconds() {
  sync
  start=$(date +%s.%N)
  cli "$@"
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", e - s }'
}

# The cards of one new event: copies of the last CARDS rounds of the list, played on
# 2025-12-20 from 08:00 on (one minute apart, so that their IDs differ), in the event WEEKLY.
add_event() {
  awk -v cards="$CARDS" '
    { sub(/\r$/, "") }
    /^\[/ { n++ }
    { line[n] = line[n] $0 "\n" }
    END {
      for (i = n - cards + 1; i <= n; i++) {
        split(line[i], rows, "\n")
        minute = sprintf("%02d", i - (n - cards + 1))
        for (r = 1; rows[r] != "" || r == 1; r++) {
          row = rows[r]
          if (row ~ /^\[/) { player = row; sub(/^\[[0-9]*-[0-9]*-/, "", player); sub(/\]$/, "", player)
            row = "[251220-08" minute "-" player "]" }
          else if (row ~ /^ID=/) row = "ID=251220-08" minute "-" player
          else if (row ~ /^Date=/) row = "Date=2025-12-20"
          else if (row ~ /^Start=/) row = "Start=08:" minute ":00"
          else if (row ~ /^EventIDs?=/) continue
          print row
          if (row ~ /^ID=/) print "EventID=WEEKLY"
        }
      }
    }' "$WORK/Data/ROUNDS.DAT" | sed 's/$/\r/' >"$WORK/new-rounds"
  cat "$WORK/new-rounds" >>"$WORK/Data/ROUNDS.DAT"
  course=$(sed -n 's/^CourseID=//p' "$WORK/new-rounds" | head -n 1 | tr -d '\r')
  printf '[WEEKLY]\r\nID=WEEKLY\r\nEvent=Weekly Medal\r\nCourseID=%s\r\nDate=2025-12-20\r\nType=0\r\nMake=1\r\n' \
    "$course" >>"$WORK/Data/EVENTS.DAT"
}

echo "== full build and first publishing" >&2
cli recalc events
FULL_PAGES=$(seconds make-pages --all-rounds --all-players --all-events --all-tours)
FIRST_PUBLISH=$(seconds publish)
echo "== the weekly step with nothing new" >&2
SAME_RECALC=$(seconds recalc events)
SAME_PAGES=$(seconds make-pages)
SAME_PUBLISH=$(seconds publish)
echo "== the weekly step after $CARDS new cards of one new event" >&2
add_event
NEW_RECALC=$(seconds recalc events)
NEW_PAGES=$(seconds make-pages)
NEW_PUBLISH=$(seconds publish)
grep -E "^files (sent|deleted)" "$WORK/last.out" >&2
diff -r -q -x '.cardwise-*' "$WORK/site" "$WORK/server/www" >&2 && echo "target equals the site" >&2
# Last: the copy is deleted only at the end, as a file system that has just lost a hundred
# thousand files makes new ones slowly for minutes, which would weigh on the steps above.
sync
LOOP=$("$BUILD/bench/cardwise-web-bench-files" write "$WORK/site" "$WORK/copy" | sed -n 's/.* seconds //p')

echo
echo "$ROUNDS rounds; the weekly step: recalc events, make-pages, publish (to a folder)"
awk -v fp="$FULL_PAGES" -v fpub="$FIRST_PUBLISH" -v loop="$LOOP" \
  -v sr="$SAME_RECALC" -v sp="$SAME_PAGES" -v spub="$SAME_PUBLISH" \
  -v nr="$NEW_RECALC" -v np="$NEW_PAGES" -v npub="$NEW_PUBLISH" -v cards="$CARDS" 'BEGIN {
  printf "%-30s %8s %11s %8s %8s\n", "seconds", "recalc", "make-pages", "publish", "total"
  printf "%-30s %8s %11.2f %8.2f\n", "full build, first publishing", "", fp, fpub
  printf "%-30s %8s %11.2f\n", "bare write loop, same files", "", loop
  printf "%-30s %8.2f %11.2f %8.2f %8.2f\n", "nothing new", sr, sp, spub, sr + sp + spub
  printf "%-30s %8.2f %11.2f %8.2f %8.2f\n", cards " new cards of one new event", nr, np, npub,
    nr + np + npub
  printf "\ntarget: the weekly step under 1 s: %s\n", (nr + np + npub < 1 ? "met" : "MISSED")
  printf "target: the full build within 1.5 x the bare write loop: %s (%.2f x)\n",
    (fp <= 1.5 * loop ? "met" : "MISSED"), fp / loop
}'
