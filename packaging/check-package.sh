#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it: it holds what an installation needs
# (both programs with their manual pages, the desktop entry and its AppStream metadata, the
# icons, the udev rule, the bash completion, the documentation) with its dependencies, lintian
# finds neither an error nor a warning in it, appstreamcli accepts its metadata, and no file
# names the folders it was built in.
#   check-package.sh BUILD_TREE [KEEP_DIR]   KEEP_DIR: where to leave the package
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=${2:-$work}
mkdir -p "$out"
out=$(cd "$out" && pwd)  # cpack runs inside the build tree
rm -f "$out"/norva_*.deb
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
deb=$(ls "$out"/norva_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
id=org.norva_system.norva
for f in ./usr/bin/norva ./usr/bin/norva-sim \
         ./usr/share/man/man1/norva.1.gz ./usr/share/man/man1/norva-sim.1.gz \
         ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/norva.svg \
         ./usr/share/icons/hicolor/48x48/apps/norva.png \
         ./usr/share/icons/hicolor/256x256/apps/norva.png \
         ./usr/lib/udev/rules.d/70-norva.rules \
         ./usr/share/bash-completion/completions/norva \
         ./usr/share/norva/translations/norva_de.qm ./usr/share/norva/translations/norva_fr.qm \
         ./usr/share/doc/norva/copyright ./usr/share/doc/norva/changelog.Debian.gz \
         ./usr/share/doc/norva/README.md ./usr/share/doc/norva/docs/main-window.png; do
    grep -qx "$f" <<<"$files" || { echo "missing from the package: $f"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libhidapi-hidraw0; do
    grep -q "$d" <<<"$depends" || { echo "not among the dependencies: $d ($depends)"; status=1; }
done
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx './postinst' || { echo "no postinst"; status=1; }

# Every picture the README shows is installed beside it.
for picture in $(grep -o '](docs/[^)]*\.png)' "$(dirname "$0")/../README.md" | tr -d '()]'); do
    grep -qx "./usr/share/doc/norva/$picture" <<<"$files" ||
        { echo "the README shows $picture, which the package lacks"; status=1; }
done

lintian --fail-on error,warning --tag-display-limit 0 "$deb" || { echo "lintian: see above"; status=1; }

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" || status=1

# No file names the folders the package was built in, which would make packages of one commit
# differ by where they were built. The programs of a sanitized or debug build keep source paths
# (the sanitizers' names of lambdas, assertions) and are left out here.
source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
binary=$(cd "$build" && pwd)
skip=()
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt" || skip=(--exclude-dir=bin)
if leaks=$(grep -r -l -a -F "${skip[@]}" -e "$source/" -e "$binary/" "$work/root"); then
    echo "these files name the folders the package was built in:" ${leaks//$work\/root/}
    status=1
fi

[ $status = 0 ] && echo "package $deb holds every file and passes lintian"
exit $status
