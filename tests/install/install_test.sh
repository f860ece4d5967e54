#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop finds there: the binary, a valid
# menu entry that starts it and names its icon, the icon in every size, and valid AppStream metainfo.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

desktop=$prefix/share/applications/pl.velmora.sms.desktop
metainfo=$prefix/share/metainfo/pl.velmora.sms.metainfo.xml
[ -x "$prefix/bin/velmora-sms" ] || fail "no executable bin/velmora-sms"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"

desktop-file-validate "$desktop" || fail "desktop entry not valid"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "metainfo not valid"

entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = velmora-sms ] || fail "Exec is '$(entry Exec)'"
[ "$(entry Name)" = "Velmora SMS" ] || fail "Name is '$(entry Name)'"
[ "$(entry Comment)" = "Układa komendy SMS konfigurujące centralę alarmową GSM Velmora" ] ||
    fail "Comment is '$(entry Comment)'"
icon=$(entry Icon)
grep -q "<launchable type=\"desktop-id\">pl.velmora.sms.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch the desktop entry"
grep -q "<binary>velmora-sms</binary>" "$metainfo" || fail "metainfo does not provide the binary"

icons=$prefix/share/icons/hicolor
grep -q "<svg" "$icons/scalable/apps/$icon.svg" || fail "no scalable icon $icon.svg"
for size in 16 22 24 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/$icon.png
    [ -f "$png" ] || fail "no icon $png"
    # The PNG signature, then the IHDR chunk's width and height, big-endian, at bytes 16 and 20.
    header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [ "${header%"${header#????????????????}"}" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    width=$((0x$(echo "$header" | cut -c33-40)))
    height=$((0x$(echo "$header" | cut -c41-48)))
    [ "$width" -eq "$size" ] && [ "$height" -eq "$size" ] || fail "$png is ${width}x$height, not ${size}x$size"
done
echo "installed files are complete and valid"
