#!/bin/sh
# Prints the bank's figures per level: clue counts, the share of each hardest
# technique (from tessvar-cli grade) and, when Debian's qqwing is installed,
# qqwing's difficulty classes for the same lines.
# Usage: tools/cli/bank-figures.sh BUILD_DIR [BANK_DIR]
set -eu
cli="$1/tessvar-cli"
bank="${2:-$(dirname "$0")/../../data/bank}"
for level in 0 1 2 3 4; do
  file="$bank/level$level.txt"
  echo "== level $level ($file)"
  awk '{ n = gsub(/[1-9]/, "&"); s += n; if (NR == 1 || n < lo) lo = n; if (n > hi) hi = n }
       END { printf "lines %d, clues %d..%d, mean %.2f\n", NR, lo, hi, s / NR }' "$file"
  echo "hardest technique:"
  "$cli" grade < "$file" | cut -d' ' -f2- | sort | uniq -c | sort -rn |
    awk -v total="$(wc -l < "$file")" '{ n = $1; $1 = ""; printf "  %5.1f%% %4d %s\n", 100 * n / total, n, substr($0, 2) }'
  if command -v qqwing > /dev/null; then
    echo "qqwing difficulty:"
    sed 's/[A-I]/./g' "$file" | qqwing --solve --stats --one-line 2> /dev/null |
      sed -n 's/^Difficulty: //p' | sort | uniq -c | sort -rn | sed 's/^/  /'
  fi
done
