#!/bin/sh
# Checks a freshly written package: its name, that its Depends hold the Qt 6
# libraries found by dpkg-shlibdeps (which CPack skips without a word when the tool is
# missing) and the report's font, and that Debian's package checker, lintian, finds
# nothing at its default level: no error and no warning.
set -eu
deb=$1
case $(basename "$deb") in
tarnwick_*_*.deb) ;;
*) echo "unexpected package name: $deb"; exit 1 ;;
esac
depends=$(dpkg-deb -f "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
for want in libqt6widgets6 libqt6printsupport6 libc6 fonts-liberation; do
    case ", $depends," in
    *", $want"[\ ,]*) ;;
    *) echo "Depends lacks $want"; exit 1 ;;
    esac
done
# lintian speaks Perl, which wants a locale that exists; C.UTF-8 always does.
if ! LC_ALL=C.UTF-8 lintian --fail-on error,warning "$deb"; then
    echo "lintian: errors or warnings in $(basename "$deb")"
    exit 1
fi
echo "$(basename "$deb"): lintian clean"
