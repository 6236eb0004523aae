#!/usr/bin/env bash
# One entry point for people and CI:
#   tools/setup.sh run    install what is missing, build a release build, start Ovelune
#   tools/setup.sh test   install what is missing, build, run every test
#   tools/setup.sh build  install what is missing and build
# Both are quick when nothing changed: packages are checked, not reinstalled, and the
# build is incremental.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${OVELUNE_BUILD_DIR:-$here/build}"
mode="${1:-build}"

install_missing() {
    local missing=() pkg
    while read -r pkg; do
        case "$pkg" in ''|'#'*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done < "$here/cmake/debian-packages.txt"
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
    fi
    cmake --build "$build" -j "$(nproc)"
}

install_missing
configure_and_build
case "$mode" in
    run)   exec "$build/src/app/ovelune" ;;
    test)  cd "$build" && ctest --output-on-failure -j "$(nproc)" ;;
    build) ;;
    *) echo "usage: $0 run|test|build" >&2; exit 2 ;;
esac
