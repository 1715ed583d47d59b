#!/usr/bin/env bash
# The accessibility audit of the demo site, as CTest runs it: makes the demo site with
# cardwise-cli (every page, long names, the handicap page and contact details on), installs
# the pinned axe-core and puppeteer-core into the build tree, and runs audit.js over it.
# Exits 77 (skipped) only when npm cannot reach its registry to install them, and then leaves
# the reason in BUILD_DIR/site-audit/skipped.txt too (CTest does not show a skipped test's
# output; `make test` prints that file).
# Usage: run.sh BUILD_DIR CARDWISE_CLI [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work="$1/site-audit"
cli=$2
shots=${3:-}
rm -rf "$work/site" "$work/skipped.txt" && mkdir -p "$work/site"
cat > "$work/site/cardwise.ini" <<INI
[Dirs]
DataDir=$work/site/Data/
TemplateDir=$work/site/Template/
HtmlRootDir=$work/site/Web/
[Files]
PlayerFName=DEMOP.DAT
CourseFName=DEMOC.DAT
RoundFName=DEMOR.DAT
EventFName=DEMOE.DAT
TourFName=DEMOT.DAT
[Web]
HandicapPage=1
PublishContacts=1
INI
run_cli() {
  XDG_CONFIG_HOME="$work/site/config" XDG_DATA_HOME="$work/site/share" LC_ALL=C \
    "$cli" --ini "$work/site/cardwise.ini" "$@"
}
# The demo has no knockout: one is made, with a match played, for its bracket page.
run_cli check > /dev/null
run_cli knockout create CUP --name "Club Cup" --players AL,BS,CH,DF,EJ,FM,GP,HA,IT,JM,KN \
  --course MILLB > /dev/null
run_cli knockout result CUP R1M2 IT "3&2" > /dev/null
# Nor a draw or divisions: the spring event gets both, for its draw page and division tables.
run_cli draw SPR26 --players AL,BS,CH,DF,EJ,FM,GP,HA,IT,JM --two-tees > /dev/null
sed -i 's/^ID=SPR26\r$/&\nDivisions=10,20\r/' "$work/site/Data/DEMOE.DAT"
run_cli make-pages --long-names --all-rounds --all-players --all-events --all-tours \
  > "$work/site/make-pages.log"

# The packages are installed again only when the pinned versions change.
if ! cmp -s "$here/package-lock.json" "$work/package-lock.json" || [ ! -d "$work/node_modules" ]; then
  if ! timeout 60 npm ping --fetch-retries=0 --fetch-timeout=20000 > /dev/null 2>&1; then
    registry=$(npm config get registry 2>/dev/null || true)
    echo "site_audit SKIPPED: npm cannot reach its registry ($registry) to install axe-core" \
         "and puppeteer-core; the site was not audited." | tee "$work/skipped.txt"
    exit 77
  fi
  cp "$here/package.json" "$here/package-lock.json" "$work/"
  (cd "$work" && npm ci --no-audit --no-fund --loglevel=error) ||
    { rm -f "$work/package-lock.json"; exit 1; }
fi
NODE_PATH="$work/node_modules" node "$here/audit.js" "$work/site/Web" "$here/pages.txt" ${shots:+"$shots"}
