#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks that it holds what an installation
# needs: both programs, the desktop entry, the icons and the udev rule, with its dependencies.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for f in ./usr/bin/norva ./usr/bin/norva-sim ./usr/share/applications/norva.desktop \
         ./usr/share/icons/hicolor/scalable/apps/norva.svg \
         ./usr/share/icons/hicolor/48x48/apps/norva.png \
         ./usr/share/icons/hicolor/256x256/apps/norva.png \
         ./usr/lib/udev/rules.d/70-norva.rules; do
    grep -qx "$f" <<<"$files" || { echo "missing from the package: $f"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libhidapi-hidraw0; do
    grep -q "$d" <<<"$depends" || { echo "not among the dependencies: $d ($depends)"; status=1; }
done
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './postinst' || { echo "no postinst"; status=1; }
[ $status = 0 ] && echo "package $(basename "$deb") holds every file"
exit $status
