#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates the desktop entry, the AppStream data and
# the man page as a distribution would, and checks that the Debian package carries every
# installed file and depends on what the program loads at run time.
#   check_install.sh <build dir> <app id>
set -euo pipefail
build=$1 app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/root/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; status=1; }
status=0

expected=(bin/ovelune "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
          share/man/man1/ovelune.1 "share/icons/hicolor/scalable/apps/$app_id.svg")
for size in 16 24 32 48 64 128 256 512; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done
for f in "${expected[@]}"; do [ -s "$prefix/$f" ] || fail "not installed: $f"; done

desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
grep -q "^Icon=$app_id$" "$prefix/share/applications/$app_id.desktop" || fail "icon name"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "AppStream data"
for v in OVELUNE_MIDI_API OVELUNE_AUDIO_DRIVER OVELUNE_SOUNDFONT; do grep -q "^\.B $v" "$prefix/share/man/man1/ovelune.1" || fail "the man page does not document $v"; done

(cd "$build" && cpack -G DEB -B "$scratch/pkg" >/dev/null)
deb=$(ls "$scratch"/pkg/ovelune_*.deb)
listing=$(dpkg-deb -c "$deb")
for f in "${expected[@]}"; do grep -q "\./usr/$f\$" <<<"$listing" || fail "not in the package: $f"; done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6quick6 libqt6qml6 librtmidi6 libfluidsynth3 qml6-module-qtquick-controls qml6-module-qtcharts libqt6sql6-sqlite qt6-wayland fluid-soundfont-gm; do grep -q "$d" <<<"$depends" || fail "no dependency on $d ($depends)"; done
exit $status
