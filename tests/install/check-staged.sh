#!/bin/sh
# Installs the build tree into a scratch root as the package does (prefix /usr under
# DESTDIR), checks that the installed files name each other correctly, and that the
# installed binary starts on the offscreen platform and keeps running until stopped;
# beside them the copyright, the changelog and the manual page.
# Usage: check-staged.sh BUILD_DIR SCRATCH_ROOT APP_ID VERSION
set -u
build=$1 root=$2 id=$3 version=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$root"
if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"
    echo "FAIL: cmake --install"
    exit 1
fi
usr=$root/usr
bin=$usr/bin/tarnwick
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
icons=$usr/share/icons/hicolor
doc=$usr/share/doc/tarnwick
page=$usr/share/man/man1/tarnwick.1.gz

for f in "$desktop" "$metainfo" "$icons/scalable/apps/$id.svg" \
    "$doc/copyright" "$doc/changelog.gz" "$page"; do
    [ -f "$f" ] || fail "not installed: ${f#"$root"}"
done
[ -x "$bin" ] || fail "no executable ${bin#"$root"}"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 48 256; do
    png=$icons/${size}x$size/apps/$id.png
    if [ -f "$png" ]; then
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x$size" ] || fail "${png#"$root"} is $dims"
    else
        fail "not installed: ${png#"$root"}"
    fi
done

# The menu entry starts the installed binary and shows the installed icon; the
# metainfo describes that entry and the version being installed.
key() { sed -n "s/^$1=//p" "$desktop" 2>/dev/null | head -n 1; }
exec_name=$(key Exec | cut -d' ' -f1)
[ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed binary"
[ "$(key Icon)" = "$id" ] || fail "Icon=$(key Icon), expected $id"
grep -qs "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -qs "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" 2>/dev/null | head -n 1)
[ "$newest" = "$version" ] || fail "newest metainfo release is '$newest', the project is $version"

# The changelog, written from the metainfo, starts with the version being installed.
top=$(gzip -dc "$doc/changelog.gz" 2>/dev/null | head -n 1)
[ "$top" = "tarnwick ($version) unstable; urgency=medium" ] ||
    fail "changelog starts with '$top', the project is $version"

# The manual page renders without a word from groff (as lintian renders it), where
# man is installed.
if command -v man >/dev/null && [ -f "$page" ]; then
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "groff on ${page#"$root"}: $warnings"
fi

# Nothing may point the installed binary back into the build tree.
if readelf -d "$bin" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -q "$build"; then
    fail "installed binary has a run path into $build"
fi

if [ -x "$bin" ]; then
    QT_QPA_PLATFORM=offscreen "$bin" >"$root.out" 2>&1 &
    pid=$!
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
    else
        wait "$pid"
        fail "installed binary ended on its own (exit $?) within 2 s:"
        cat "$root.out"
    fi
fi

[ "$failures" -eq 0 ] && echo "installed into $root and started" && exit 0
exit 1
