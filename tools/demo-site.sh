#!/usr/bin/env bash
# Makes the demo web site with cardwise-cli into a folder of the build tree and prints the path
# of its index page: what `make run` does where there is no display for the desktop app.
# Usage: tools/demo-site.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
demo="$build/demo-site"
mkdir -p "$demo"
# Settings of its own, so the run touches none of the user's settings, data or web site. The
# data folder is created by the run and gets the shipped demo files.
cat > "$demo/cardwise.ini" <<INI
[Dirs]
DataDir=$demo/Data/
TemplateDir=$demo/Template/
HtmlRootDir=$demo/Web/
[Files]
PlayerFName=DEMOP.DAT
CourseFName=DEMOC.DAT
RoundFName=DEMOR.DAT
EventFName=DEMOE.DAT
TourFName=DEMOT.DAT
INI
XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/share" \
  "$build/src/cli/cardwise-cli" --ini "$demo/cardwise.ini" make-pages --long-names \
  --all-rounds --all-players --all-events --all-tours
echo "Demo web site: $demo/Web/index.html"
