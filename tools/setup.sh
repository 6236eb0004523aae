#!/usr/bin/env bash
# One entry point for people and CI:
#   tools/setup.sh run    install what building and running need, build the program, start it
#   tools/setup.sh test   also install what the tests need, build everything, run every test
#   tools/setup.sh build  install what building and running need and build everything
#   tools/setup.sh packages LIST...   install the missing packages of
#                         cmake/debian-packages-LIST.txt (run, test, sanitize, bench)
# They are quick when nothing changed: packages are checked, not reinstalled, and the
# build is incremental. Extra arguments of `test` go to ctest.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${OVELUNE_BUILD_DIR:-$here/build}"
mode="${1:-build}"
shift || true

install_missing() { # list names...
    local missing=() pkg list
    for list in "$@"; do
        while read -r pkg; do
            case "$pkg" in ''|'#'*) continue ;; esac
            if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
                missing+=("$pkg")
            fi
        done < "$here/cmake/debian-packages-$list.txt"
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() { # targets...
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DOVELUNE_BUILD_BENCH=OFF
    fi
    cmake --build "$build" -j "$(nproc)" "$@"
}

case "$mode" in
    run)   install_missing run; configure_and_build --target ovelune; exec "$build/src/app/ovelune" ;;
    test)  install_missing run test; configure_and_build
           cd "$build" && ctest --output-on-failure -j "$(nproc)" "$@" ;;
    build) install_missing run; configure_and_build ;;
    packages) install_missing "$@" ;;
    *) echo "usage: $0 run|test|build|packages LIST..." >&2; exit 2 ;;
esac
