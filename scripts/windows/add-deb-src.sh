#!/usr/bin/env bash
# Gives apt source entries for Debian's packages: one deb-src entry for each deb entry of the
# machine's Debian sources, with the same addresses, suites and keys, so that `apt-get source`
# fetches exactly what the machine's own archive serves.
set -euo pipefail
target=/etc/apt/sources.list.d/vekkiro-deb-src.sources
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

entries=$(awk '
    BEGIN { RS = ""; FS = "\n" }
    /(^|\n)URIs:[^\n]*debian/ {
        out = ""
        for (i = 1; i <= NF; i++) {
            if ($i ~ /^#/) continue
            if ($i ~ /^Types:/) $i = "Types: deb-src"
            out = out $i "\n"
        }
        printf "%s\n", out
    }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
if [[ -z "$entries" ]]; then
    echo "error: no Debian deb entry found in /etc/apt/sources.list.d/*.sources" >&2
    exit 1
fi
printf '%s\n' "$entries" | "${sudo[@]}" tee "$target" >/dev/null
"${sudo[@]}" apt-get update -qq
