#!/usr/bin/env bash
# Every command `lumidex-cli --help` lists has a heading in the man page,
# and every heading of the man page names a command the help lists.
# A heading is the line after .TP or .TQ; it starts with the command in bold.
# Usage: man_page_test.sh LUMIDEX_CLI MAN_PAGE
set -euo pipefail
cli=$1
man=$2
help_commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\) — .*/\1/p' | sort -u)
[ -n "$help_commands" ] || { echo "lumidex-cli --help lists no commands"; exit 1; }
man_commands=$(awk '/^\.T[PQ]$/ { getline; print }' "$man" |
  sed -En 's/^\\fB(([a-z]|\\-)+).*/\1/p' | sed 's/\\-/-/g' | sort -u)
status=0
for command in $help_commands; do
  grep -qx -- "$command" <<<"$man_commands" || { echo "not in the man page: $command"; status=1; }
done
for command in $man_commands; do
  grep -qx -- "$command" <<<"$help_commands" || { echo "not in lumidex-cli --help: $command"; status=1; }
done
exit $status
