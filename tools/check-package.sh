#!/usr/bin/env bash
# Builds the Debian package, installs it with apt into a clean Debian 12 root made by
# debootstrap, and starts the program there headless for a few seconds: it must start,
# find its soundfont and write its store. Takes minutes and needs root and the Debian
# mirror, so it is not part of the test suite.
#   tools/check-package.sh [root dir]     (default: /var/tmp/ovelune-debroot, kept for reuse)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
root="${1:-/var/tmp/ovelune-debroot}"
build="${OVELUNE_BUILD_DIR:-$here/build}"

command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
"$here/tools/setup.sh" build
rm -f "$build"/ovelune_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/ovelune_*.deb)
echo "package: $deb"

if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "making a clean Debian 12 root in $root"
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
fi

mounted=()
cleanup() {
    for m in "${mounted[@]}"; do umount -l "$m" 2>/dev/null || true; done
}
trap cleanup EXIT
for m in proc dev/shm; do
    mkdir -p "$root/$m"
done
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

cp "$deb" "$root/tmp/ovelune.deb"
chroot "$root" /usr/bin/env DEBIAN_FRONTEND=noninteractive bash -c \
    'apt-get update -qq && apt-get install -y -qq /tmp/ovelune.deb >/dev/null'

# A user as on a desktop, with an empty home; headless Qt and no audio device.
chroot "$root" /usr/bin/env bash -c 'id tester >/dev/null 2>&1 || useradd -m tester'
set +e
chroot "$root" /usr/bin/env -i HOME=/home/tester USER=tester PATH=/usr/bin:/bin \
    QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
    su tester -s /bin/bash -c 'timeout -s TERM 6 ovelune; echo "exit status $?"' \
    >"$root/tmp/ovelune.out" 2>&1
set -e
cat "$root/tmp/ovelune.out"
status=0
store="$root/home/tester/.config/Quorvex/Ovelune.conf"
if [ -s "$store" ] && grep -q '^MaturityLevel=1' "$store"; then
    echo "OK: the store was written: $store"
else
    echo "FAIL: no store at $store"; status=1
fi
if grep -qi 'soundfont' "$root/tmp/ovelune.out"; then
    echo "FAIL: the program reported a soundfont problem"; status=1
else
    echo "OK: the soundfont was found"
fi
if grep -q 'exit status 124' "$root/tmp/ovelune.out"; then
    echo "OK: the program ran until it was stopped"
else
    echo "FAIL: the program ended by itself"; status=1
fi
exit $status
