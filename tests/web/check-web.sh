#!/bin/sh
# check-web.sh NATIVE_BUILD WEB_BUILD: the WebAssembly build against the
# native one. The scenario runner compiled to WebAssembly must print what the
# native runner prints, byte for byte, with its exit status, over every
# scenario file and the runner's own failure cases; then the site's server,
# and the page in the browsers, each case reported on its own.
set -eu
native=$(cd "$1" && pwd)
web=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runner="$web/tarnwick-scenario.js"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "WebAssembly scenario runner: every scenario file"
status=0
node "$runner" "$root"/tests/scenarios/*.scenario >"$scratch/web.out" || status=$?
"$native/tarnwick-scenario" "$root"/tests/scenarios/*.scenario >"$scratch/native.out" || true
if [ "$status" -ne 0 ] || ! cmp -s "$scratch/web.out" "$scratch/native.out"; then
    echo "the WebAssembly runner failed (status $status) or differs from the native one:"
    diff "$scratch/native.out" "$scratch/web.out" || true
    exit 1
fi
tail -n 1 "$scratch/web.out"

echo "WebAssembly scenario runner: its failure reports"
cd "$root/tests/scenario/failing"
check="$root/tests/scenario/CheckOutput.cmake"
for file in *.scenario; do
    cmake -DRUNNER="node;$runner" -DFILE="$file" -DEXPECTED="${file%.scenario}.out" -DSTATUS=1 -P "$check"
done
cmake -DRUNNER="node;$runner" -DFILE=no-such.scenario -DSTATUS=2 -P "$check"
cd "$root"

if [ -x "$root/tests/numbers/compare.sh" ]; then
    echo "Number conventions: native and WebAssembly"
    "$root/tests/numbers/compare.sh" "$native" "$web"
fi

npm ci --prefix "$here" --no-audit --no-fund --loglevel=error >/dev/null
echo "The site's server, and the page in chromium, Firefox ESR and WebKitGTK"
# A dot a case, then each failure; then the notes the cases wrote (what a driver cannot do, what was skipped).
TARNWICK_SITE="$web/site" node --test --test-reporter=dot --test-reporter-destination=stdout --test-reporter=tap \
    --test-reporter-destination="$scratch/web.tap" "$here/serve-test.js" "$here/player-test.js" "$here/browser-test.js" || status=$?
sed -n 's/^ *# //p' "$scratch/web.tap" | grep -vE '^(Subtest: |(tests|suites|pass|fail|cancelled|skipped|todo|duration_ms) )' | awk '!seen[$0]++'
[ "$status" -eq 0 ]

echo "Web benchmark, once, to keep it working"
node "$root/bench/web/bench-web.js" "$web" --runs 1

echo "Lighthouse, once, to keep it working"
node "$root/bench/web/lighthouse.js" "$web" --runs 1
