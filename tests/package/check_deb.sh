#!/usr/bin/env bash
# Builds the .deb and checks what it holds, and that the desktop entry and
# the AppStream metadata validate. Usage: check_deb.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2

desktop-file-validate "$source_dir/packaging/sunken-finds.desktop"
appstreamcli validate --no-net "$source_dir/packaging/sunken-finds.metainfo.xml"

cd "$build_dir"
rm -f sunken-finds_*.deb
cpack -G DEB >/dev/null
deb=$(ls sunken-finds_*.deb)
contents=$(dpkg-deb -c "$deb")
status=0
for path in ./usr/lib/sunken-finds/sunken-finds ./usr/bin/sunken-finds \
    ./usr/share/sunken-finds/Fonts/PirataOne-Regular.ttf ./usr/share/sunken-finds/Images/fundo.bmp \
    ./usr/share/sunken-finds/Sounds/1.ogg ./usr/share/sunken-finds/run/ \
    ./usr/share/applications/sunken-finds.desktop ./usr/share/metainfo/sunken-finds.metainfo.xml \
    ./usr/share/icons/hicolor/256x256/apps/sunken-finds.png \
    ./usr/share/icons/hicolor/scalable/apps/sunken-finds.svg \
    ./usr/share/doc/sunken-finds/LICENSE ./usr/share/doc/sunken-finds/OFL.txt; do
  grep -q " $path\$" <<<"$contents" || { echo "missing from $deb: $path"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q "libsfml-graphics" <<<"$depends" || { echo "no dependency on the SFML libraries"; status=1; }
[ $status -eq 0 ] && echo "$deb: all present"
exit $status
