#!/usr/bin/env bash
# Keeps the hostile-argument sweep (sweep_test.cpp) complete: every operation a
# public toolkit header declares must have a row in the sweep's table, or be
# named below with the reason it has none. Prints what is missing and fails.
#
# An operation is a declaration starting in column 0 whose first name before
# "(" is an upper-case module prefix followed by an operation word (IMGBlit,
# SEG2DDraw, IMGFXGlow3x3). Private headers (*_impl.h, *_internal.h) and the
# media library's own backend (platform/sdl/) are not part of the interface.
#
# usage: sweep_complete.sh REPO_ROOT
set -euo pipefail
root=${1:-.}
cd "$root"

# name: reason
exemptions='
IMGInside: unchecked inline accessor for hot loops; a non-null image is its contract
IMGPixelAt: unchecked inline accessor for hot loops; a non-null image and clipped point are its contract
MOXA7730Main: the program entry (platform/entry.h); it runs the demo for ever
'

headers=$(ls core/*.h image/*.h vector/*.h text/*.h effects/*.h sound/*.h platform/*.h \
              platform/capture/*.h | grep -Ev '_(impl|internal)\.h$')
# Only the first name of each declaration line counts (not calls in inline bodies).
declared=$(sed -e 's://.*$::' $headers \
    | grep -E '^[^[:space:]#/}]' \
    | sed -nE 's/^[^(]*\b([A-Z][A-Z0-9]*[A-Z][A-Za-z0-9]*)\(.*/\1/p' | sort -u)

table=tests/toolkit/sweep_test.cpp
swept=$(grep -oE '"[A-Z][A-Za-z0-9]*", \[' "$table" | sed -E 's/^"([^"]*)".*/\1/' | sort -u)
exempt=$(sed -nE 's/^([A-Z][A-Za-z0-9]*):.*/\1/p' <<<"$exemptions" | sort -u)
missing=$(comm -23 <(echo "$declared") <(sort -u <(echo "$swept") <(echo "$exempt")))
for name in $missing; do echo "no sweep row for $name"; done
echo "$(wc -w <<<"$declared") operations declared, $(wc -w <<<"$missing") without a sweep row"
[ -z "$missing" ]
