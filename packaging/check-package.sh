#!/bin/sh
# Builds the Debian package, installs it with apt-get as a user would, checks the installed files, starts
# the installed program under Xvfb and closes it by its title, then removes the package again.
# Usage: packaging/check-package.sh [BUILD_DIR]   (needs root or sudo, for apt-get)
set -eu
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build-package}
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A new tree is a Release build; an existing one, such as the tests' own, is reused as it is configured.
if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S "$source_dir" -B "$build" >/dev/null
else
    cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target velmora-sms closewindow
(cd "$build" && cpack -G DEB) >/dev/null
# apt-get takes a file only by a path it cannot mistake for a package name.
package=$(realpath "$(ls "$build"/velmora-sms_*_*.deb)")
echo "built $(basename "$package")"
dpkg-deb -f "$package" Depends

remove() { DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq velmora-sms >/dev/null; }
trap remove EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$package" >/dev/null
dpkg-query -W -f='${Status}\n' velmora-sms | grep -q "install ok installed" || fail "the package did not install"

for file in /usr/bin/velmora-sms /usr/share/applications/pl.velmora.sms.desktop \
    /usr/share/metainfo/pl.velmora.sms.metainfo.xml /usr/share/icons/hicolor/scalable/apps/velmora-sms.svg; do
    dpkg -L velmora-sms | grep -qx "$file" || fail "the package does not list $file"
    [ -f "$file" ] || fail "$file is missing"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "/usr/share/icons/hicolor/${size}x$size/apps/velmora-sms.png" ] || fail "no ${size}x$size icon"
done
desktop-file-validate /usr/share/applications/pl.velmora.sms.desktop || fail "desktop entry not valid"
appstreamcli validate --no-net /usr/share/metainfo/pl.velmora.sms.metainfo.xml >/dev/null || fail "metainfo not valid"
[ "$(command -v velmora-sms)" = /usr/bin/velmora-sms ] || fail "velmora-sms is not on the PATH"

"$source_dir/tests/app/smoke_test.sh" /usr/bin/velmora-sms "$build/tests/app/closewindow" || fail "the installed program"

trap - EXIT
remove
[ ! -e /usr/bin/velmora-sms ] || fail "/usr/bin/velmora-sms is left after removal"
echo "the package builds, installs, runs and removes cleanly"
