#!/usr/bin/env bash
# Checks a built Debian package: its name, the files it installs under /usr, its dependencies
# (found by dpkg-shlibdeps: the C++ runtime and Qt 6), and that its programs run unpacked.
#   tools/check-package.sh build-release/cardwise_VERSION_amd64.deb
set -euo pipefail
deb=$1
[[ $(basename "$deb") =~ ^cardwise_[0-9.]+_amd64\.deb$ ]] || { echo "bad name: $deb" >&2; exit 1; }
files=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in ./usr/bin/cardwise ./usr/bin/cardwise-cli ./usr/share/cardwise/demo/DEMOR.DAT \
  ./usr/share/doc/cardwise/help/contents.htm ./usr/share/applications/org.hollowfen.Cardwise.desktop \
  ./usr/share/metainfo/org.hollowfen.Cardwise.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/org.hollowfen.Cardwise.svg \
  ./usr/share/man/man1/cardwise-cli.1 ./usr/share/bash-completion/completions/cardwise-cli; do
  grep -qxF "$file" <<< "$files" || { echo "not in the package: $file" >&2; exit 1; }
done
if grep -v '^\./usr/' <<< "$files" | grep -qv '^\./$'; then
  echo "files outside /usr:" >&2
  grep -v '^\./usr/' <<< "$files" >&2
  exit 1
fi
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libstdc++6 libqt6widgets6 libqt6core6 qt6-qpa-plugins libjemalloc2; do
  grep -q "\b$package\b" <<< "$depends" || { echo "no dependency on $package" >&2; exit 1; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
"$root/usr/bin/cardwise-cli" --version
"$root/usr/bin/cardwise" --version
echo "package check passed"
