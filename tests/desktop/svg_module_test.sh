#!/bin/sh
# A program without its SVG module, as a partial install leaves it: the SVG export says so in
# French, writes nothing and fails; the other exports still work.
# Usage: svg_module_test.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# The program alone, away from the folder of its modules.
mkdir -p bin
cp "$program" bin/ondaris
code=0
bin/ondaris --export page.svg "$here/Jean Dupont.bio" 2>err || code=$?
[ "$code" -eq 1 ] || fail "an SVG export without its module exited $code"
grep -qx "Le module SVG d'Ondaris (svgpage.so) est introuvable : l'export SVG est impossible." err ||
    fail "the message is: $(cat err)"
[ ! -e page.svg ] || fail "an SVG export without its module wrote a file"
ls -A | grep -q '^page\.svg' && fail "a temporary file was left: $(ls -A)"
bin/ondaris --export page.csv "$here/Jean Dupont.bio" || fail "a CSV export needs the SVG module"
exit $status
