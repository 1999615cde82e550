#!/bin/sh
# Checks a freshly written package: its name, and that its Depends hold the Qt 6
# libraries found by dpkg-shlibdeps (which CPack skips without a word when the tool is
# missing) and the report's font.
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
