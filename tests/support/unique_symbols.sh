#!/usr/bin/env bash
# Fails when two of the given static libraries define the same strong global
# symbol. Both are linked into the same programs, where the linker silently
# takes whichever comes first, so two different functions of one name would
# make callers depend on link order.
# Usage: unique_symbols.sh LIBRARY...
set -euo pipefail
duplicates=$(
  for lib in "$@"; do
    nm -g --defined-only "$lib" 2>/dev/null | awk -v lib="$(basename "$lib")" \
      '$2 ~ /^[TDBR]$/ { print $3 "\t" lib }' | sort -u
  done | sort | awk -F'\t' '$1 == prev { print prevLine; print } { prev = $1; prevLine = $0 }' | sort -u
)
if [ -n "$duplicates" ]; then
  echo "symbols defined in more than one library:"
  echo "$duplicates" | c++filt
  exit 1
fi
echo "$# libraries, no symbol defined twice"
