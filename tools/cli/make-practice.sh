#!/bin/sh
# Makes the practice bank: up to 50 lines per technique from Pointing on, each
# line a puzzle whose hardest technique is that one. A run stops after
# 250000 candidates (about two minutes on two cores), so a technique the
# generator hardly ever finds ends with few lines or none; a technique without
# lines gets no file and is not offered.
# Usage: tools/cli/make-practice.sh BUILD_DIR [PRACTICE_DIR]
set -eu
cli="$1/tessvar-cli"
out="${2:-$(dirname "$0")/../../data/practice}"
mkdir -p "$out"
while IFS=: read -r stem name; do
  "$cli" generate --technique "$name" --count 50 --seed 2409 --threads 2 --max-candidates 250000 > "$out/$stem.txt"
  if [ ! -s "$out/$stem.txt" ]; then rm "$out/$stem.txt"; fi
done <<'LIST'
pointing:Pointing
claiming:Claiming
nakedpair:Naked Pair
hiddenpair:Hidden Pair
nakedtriple:Naked Triple
hiddentriple:Hidden Triple
nakedquad:Naked Quad
hiddenquad:Hidden Quad
xwing:X-Wing
skyscraper:Skyscraper
twostringkite:Two-String Kite
xywing:XY-Wing
xyzwing:XYZ-Wing
wwing:W-Wing
swordfish:Swordfish
simplecolouring:Simple Colouring
jellyfish:Jellyfish
remotepairs:Remote Pairs
xcycle:X-Cycle
xchain:X-Chain
xychain:XY-Chain
aic:Alternating Inference Chain
LIST
