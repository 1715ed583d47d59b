#!/bin/sh
# The weekly step at federation scale: on a generated database of 100,000 rounds whose site
# was made and published to a folder, the times of `recalc events`, `make-pages` and `publish`
# with nothing new and after the cards of one new event were added, each taken in WEEKS runs
# (default 3: three weeks, each with a new event) of which the median counts, beside the
# full build (make-pages with every update-all flag on), the bare write loop (a plain C++ loop
# writing the same files with the same bytes) and the first publishing.
#
#   bench/weekly_bench.sh [ROUNDS] [CARDS]
#
# Environment: BUILD (the Release build folder, default build-release), WEEKS (default 3),
# WORK (the folder for the database, the site and the target, default a new temporary folder,
# removed at the end unless given), JOBS (build jobs, default 2), NOBUILD=1 (use the programs in BUILD as they are).
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

# The cards of one new event of week W (1, 2, ...): copies of the last CARDS rounds of the list,
# played on the Saturday W weeks after 2025-11-29 from 08:00 on (one minute apart, so that their
# IDs differ), in the event WEEKLYW.
add_event() {
  week=$1
  day=$(date -u -d "2025-11-29 + $((7 * week)) days" +%F)
  short=$(date -u -d "$day" +%y%m%d)
  awk -v cards="$CARDS" -v day="$day" -v short="$short" -v event="WEEKLY$week" '
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
            row = "[" short "-08" minute "-" player "]" }
          else if (row ~ /^ID=/) row = "ID=" short "-08" minute "-" player
          else if (row ~ /^Date=/) row = "Date=" day
          else if (row ~ /^Start=/) row = "Start=08:" minute ":00"
          else if (row ~ /^EventIDs?=/) continue
          print row
          if (row ~ /^ID=/) print "EventID=" event
        }
      }
    }' "$WORK/Data/ROUNDS.DAT" | sed 's/$/\r/' >"$WORK/new-rounds"
  cat "$WORK/new-rounds" >>"$WORK/Data/ROUNDS.DAT"
  course=$(sed -n 's/^CourseID=//p' "$WORK/new-rounds" | head -n 1 | tr -d '\r')
  printf '[WEEKLY%s]\r\nID=WEEKLY%s\r\nEvent=Weekly Medal %s\r\nCourseID=%s\r\nDate=%s\r\nType=0\r\nMake=1\r\n' \
    "$week" "$week" "$week" "$course" "$day" >>"$WORK/Data/EVENTS.DAT"
}

# step: the weekly step once, as "recalc make-pages publish" seconds.
step() {
  r=$(seconds recalc events)
  p=$(seconds make-pages)
  u=$(seconds publish)
  echo "$r $p $u"
}

echo "== full build and first publishing" >&2
cli recalc events
FULL_PAGES=$(seconds make-pages --all-rounds --all-players --all-events --all-tours)
FIRST_PUBLISH=$(seconds publish)
# A single run may meet the system at a busy moment: each step is taken WEEKS times (default
# 3), and the median week counts.
WEEKS=${WEEKS:-3}
echo "== the weekly step with nothing new, $WEEKS times" >&2
SAME=""
for week in $(seq "$WEEKS"); do
  SAME="$SAME$(step);"
done
echo "== the weekly step after $CARDS new cards of one new event, $WEEKS weeks" >&2
NEW=""
for week in $(seq "$WEEKS"); do
  add_event "$week"
  NEW="$NEW$(step);"
done
grep -E "^files (sent|deleted)" "$WORK/last.out" >&2
diff -r -q -x '.cardwise-*' "$WORK/site" "$WORK/server/www" >&2 && echo "target equals the site" >&2
# Last: the copy is deleted only at the end, as a file system that has just lost a hundred
# thousand files makes new ones slowly for minutes, which would weigh on the steps above.
sync
LOOP=$("$BUILD/bench/cardwise-web-bench-files" write "$WORK/site" "$WORK/copy" | sed -n 's/.* seconds //p')

echo
echo "$ROUNDS rounds; the weekly step: recalc events, make-pages, publish (to a folder)"
awk -v fp="$FULL_PAGES" -v fpub="$FIRST_PUBLISH" -v loop="$LOOP" -v same="$SAME" -v new="$NEW" \
  -v cards="$CARDS" '
  function row(name, r, p, u) { printf "%-30s %8.2f %11.2f %8.2f %8.2f\n", name, r, p, u, r + p + u }
  # Prints each run of "r p u;r p u;..." and returns the total of the median run (the lower of
  # the two middle ones for an even count), whose three times it leaves in med[].
  function runs(list, name,    n, i, j, k, t, f, order) {
    n = split(list, run, ";") - 1
    for (i = 1; i <= n; i++) {
      split(run[i], f, " ")
      t[i] = f[1] + f[2] + f[3]
      row(name " " i, f[1], f[2], f[3])
      order[i] = i
    }
    for (i = 1; i <= n; i++)
      for (j = i + 1; j <= n; j++)
        if (t[order[j]] < t[order[i]]) { k = order[i]; order[i] = order[j]; order[j] = k }
    k = order[int((n + 1) / 2)]
    split(run[k], med, " ")
    return t[k]
  }
  BEGIN {
    printf "%-30s %8s %11s %8s %8s\n", "seconds", "recalc", "make-pages", "publish", "total"
    printf "%-30s %8s %11.2f %8.2f\n", "full build, first publishing", "", fp, fpub
    printf "%-30s %8s %11.2f\n", "bare write loop, same files", "", loop
    runs(same, "nothing new, run")
    row("nothing new, median run", med[1], med[2], med[3])
    week = runs(new, cards " new cards, week")
    row(cards " new cards, median week", med[1], med[2], med[3])
    printf "\ntarget: the weekly step under 1 s (median week): %s\n", (week < 1 ? "met" : "MISSED")
    printf "target: the full build within 1.5 x the bare write loop: %s (%.2f x)\n",
      (fp <= 1.5 * loop ? "met" : "MISSED"), fp / loop
  }'
