#!/usr/bin/env bash
# Installs what is missing, builds, then starts the assistant (run) or runs every test (test): the suite in the
# normal build, the Debian package built, installed, started and removed, the suite again under
# AddressSanitizer, LeakSanitizer and UBSan, then each fuzz target briefly.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# Debian 12 package names: what building and starting the program needs (the units register needs Qt's SQLite
# driver, and QtKeychain for the desktop keyring, which loads libsecret only when it runs),
program_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libjpeg-dev libqrencode-dev qt6-translations-l10n
    libqt6sql6-sqlite qtkeychain-qt6-dev libsecret-1-0
)
# and what the tests and checks need besides: GoogleTest; zbar to read QR codes back; Xvfb and xcb for the
# smoke test; the menu entry, metainfo and package checks; clang with libFuzzer and the sanitizers' runtime;
# ModemManager, a bus and python-dbusmock for the sending tests; GNOME Keyring for the keyring's tests; and strace
# to see the register wait for the disk.
test_packages=(
    libgtest-dev zbar-tools
    xvfb xauth libxcb1-dev
    desktop-file-utils appstream dpkg-dev file
    clang libclang-rt-14-dev
    modemmanager dbus python3-dbusmock
    gnome-keyring strace
)

usage() {
    echo "usage: $0 run|test" >&2
    exit 2
}

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done 2>/dev/null
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "This system has no apt-get. Install these by hand (Debian names; a C++20 compiler, CMake 3.25," >&2
        echo "Ninja, Qt 6 Widgets, libjpeg, GoogleTest, Xvfb, xcb headers and clang with libFuzzer elsewhere;" >&2
        echo "Qt's SQLite driver, QtKeychain and libsecret; the sending tests need ModemManager, dbus-daemon and" >&2
        echo "python-dbusmock, the keyring's tests GNOME Keyring):" >&2
        echo "  ${missing[*]}" >&2
        exit 1
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Installing ${missing[*]} needs root, and sudo is not available." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds one preset of CMakePresets.json (default, asan or fuzz): with the tests, or only the
# program. With ccache at hand, builds after the first take a fraction of the time.
build() {
    if command -v ccache >/dev/null 2>&1; then
        export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    fi
    cmake --preset "$1" -DBUILD_TESTING="${2:-ON}"
    if [ "${2:-ON}" = ON ]; then
        cmake --build --preset "$1"
    else
        cmake --build --preset "$1" --target velmora-sms
    fi
}

build_and_test() {
    build "$1"
    ctest --preset "$1"
}

[ $# -eq 1 ] || usage
case "$1" in
    run)
        install_missing "${program_packages[@]}"
        build default OFF
        exec build/app/velmora-sms
        ;;
    test)
        install_missing "${program_packages[@]}" "${test_packages[@]}"
        build_and_test default
        packaging/check-package.sh build
        build_and_test asan
        build_and_test fuzz
        ;;
    *) usage ;;
esac
