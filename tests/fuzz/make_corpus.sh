#!/usr/bin/env bash
# Writes the seed inputs of every fuzz target into OUT/<target>/, from the demo data and the
# sample DX files. Usage: tests/fuzz/make_corpus.sh OUT
set -euo pipefail
out=$1
root="$(cd "$(dirname "$0")/../.." && pwd)"
demo="$root/data/demo"
dx="$root/data/dx"
mkdir -p "$out"/{data_file_fuzz,ini_file_fuzz,dx_fuzz,dates_fuzz,knockout_fuzz,pages_fuzz}

# The first byte chooses the record kind; the demo rounds are cut to their first cards.
kind=0
for file in DEMOP DEMOC DEMOR DEMOE DEMOT; do
  { printf '%s' "$kind"; head -n 120 "$demo/$file.DAT"; } > "$out/data_file_fuzz/$file"
  kind=$((kind + 1))
done

{ printf 'MILLBGC|Par|4,4,3\n'; cat "$demo/DEMOC.DAT"; } > "$out/ini_file_fuzz/course"
{ printf 'Files|TourFName|TOURS.DAT\n'; cat "$demo/DEMOT.DAT"; } > "$out/ini_file_fuzz/tours"

# A knockout of six (two byes) with results in and a match still to play; the demo has none.
printf '%s\r\n' '[CUP]' 'ID=CUP' 'Knockout=Club Cup' 'Course=MILLBGC' 'Allowance=90' \
  'Seeding=random' 'Seed=1234' 'Players=AB;CD;EF;GH;IJ;KL' 'R1M1=AB;bye;AB;bye' \
  'R1M2=GH;IJ;IJ;3&2' 'R1M3=CD;bye;CD;bye' 'R1M4=EF;KL;KL;19th' 'R2M1=AB;IJ;AB;1 up' \
  'R2M2=CD;KL;;' 'R3M1=AB;;;' > "$out/knockout_fuzz/cup"

{ printf '0'; cat "$dx/BANA.DX"; } > "$out/dx_fuzz/BANA"
{ printf '1'; cat "$dx/ROND.DX"; } > "$out/dx_fuzz/ROND"

n=0
for text in 02026-05-10 110.05.2026 005/10/2026 0260510 02605 010:30:00 12:30:00PM 1 0abc; do
  printf '%s' "$text" > "$out/dates_fuzz/seed$n"
  n=$((n + 1))
done

{
  cat "$demo/DEMOP.DAT"; printf '\n%%%%\n'
  cat "$demo/DEMOC.DAT"; printf '\n%%%%\n'
  head -n 80 "$demo/DEMOR.DAT"; printf '\n%%%%\n'
  cat "$demo/DEMOE.DAT"; printf '\n%%%%\n'
  cat "$demo/DEMOT.DAT"
} > "$out/pages_fuzz/demo"
