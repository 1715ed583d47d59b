#!/usr/bin/env bash
# Installs a build into a scratch root (DESTDIR, prefix /usr) and tries the installed programs
# there, away from the source tree: --version, the demo data loaded and the web site made from
# the installed shipped files, the desktop entry and the AppStream metadata validated.
#   tools/check-install.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root/dest" cmake --install "$build" --prefix /usr > /dev/null
usr="$root/dest/usr"

expected=(
  bin/cardwise bin/cardwise-cli
  share/cardwise/demo/DEMOR.DAT share/cardwise/template/cardwise.css share/cardwise/dx/ROND.DX
  share/doc/cardwise/help/contents.htm
  share/applications/org.hollowfen.Cardwise.desktop
  share/metainfo/org.hollowfen.Cardwise.metainfo.xml
  share/icons/hicolor/scalable/apps/org.hollowfen.Cardwise.svg
  share/icons/hicolor/48x48/apps/org.hollowfen.Cardwise.png
  share/icons/hicolor/128x128/apps/org.hollowfen.Cardwise.png
  share/icons/hicolor/256x256/apps/org.hollowfen.Cardwise.png
  share/man/man1/cardwise-cli.1 share/man/man1/cardwise.1
  share/bash-completion/completions/cardwise-cli
)
for file in "${expected[@]}"; do
  [[ -e "$usr/$file" ]] || { echo "not installed: $file" >&2; exit 1; }
done

"$usr/bin/cardwise-cli" --version
"$usr/bin/cardwise" --version

# A new data folder gets the installed demo files; the site is made from them.
unset CARDWISE_INI
export XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" LC_ALL=C
cli=("$usr/bin/cardwise-cli" --ini "$root/cardwise.ini")
"${cli[@]}" demo load > /dev/null
"${cli[@]}" make-pages 2> /dev/null
[[ -f "$root/data/cardwise/Web-Demo/index/pindex.htm" ]] || { echo "no demo site" >&2; exit 1; }

desktop-file-validate "$usr/share/applications/org.hollowfen.Cardwise.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/org.hollowfen.Cardwise.metainfo.xml"
echo "install check passed"
