#!/bin/sh
# compare.sh NATIVE JS [FILE...]: runs the desktop build (NATIVE) and the
# browser build (JS, under node) of tarnwick-numbers over the same inputs and
# diffs what they write. NATIVE and JS may also be the two build directories. The inputs: each line of texts.txt (the texts and
# values of the number-convention table tests), each FILE as one whole input
# (by default every file of fuzz/corpus/numbers/), and SWEEP values of the
# tool's pseudo-random sequence (default 100000). Prints the differences and
# exits 1 if there are any.
set -eu
[ $# -ge 2 ] || { echo "usage: compare.sh NATIVE JS [FILE...]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
native=$1
js=$2
[ ! -d "$native" ] || native=$native/tarnwick-numbers
[ ! -d "$js" ] || js=$js/tarnwick-numbers.js
shift 2
[ $# -gt 0 ] || set -- "$here"/../../fuzz/corpus/numbers/*
sweep=${SWEEP:-100000}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

{ "$native" <"$here/texts.txt" && "$native" --sweep "$sweep" "$@"; } >"$out/native" ||
    { echo "compare.sh: $native failed" >&2; exit 1; }
{ node "$js" <"$here/texts.txt" && node "$js" --sweep "$sweep" "$@"; } >"$out/web" ||
    { echo "compare.sh: node $js failed" >&2; exit 1; }

texts=$(wc -l <"$here/texts.txt")
inputs="$texts lines of texts.txt, $# files, $sweep sweep values"
if diff -u --label desktop --label browser "$out/native" "$out/web"; then
    echo "numbers: $inputs; $(wc -l <"$out/native") lines written, identical"
else
    echo "numbers: $inputs; the builds differ"
    exit 1
fi
