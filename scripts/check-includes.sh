#!/usr/bin/env bash
# Checks that every `#include "folder/..."` below src/ names a folder that
# the including layer may use: its own, or one that the layer table in
# CONTRIBUTING.md lists in the layer's "links" column. The link lines keep
# the libraries apart; this keeps the includes apart, since src/ is one
# include root for every target. Reads the sources only; builds nothing.
#
#   check-includes.sh [REPOSITORY]    exit 0 when every include fits
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
table="$root/CONTRIBUTING.md"
[[ -f "$table" ]] || {
    echo "check-includes: $table not found" >&2
    exit 2
}

# The layers: each table row "| `folder/` | ... | links |".
declare -A allowed=()
while IFS= read -r row; do
    folder="$(sed -E 's/^\| `([a-z_]+)\/`.*/\1/' <<<"$row")"
    links="$(awk -F'|' '{ print $(NF-1) }' <<<"$row")"
    allowed[$folder]=" $folder "
    for word in $(tr -c 'a-z_\n' ' ' <<<"$links"); do
        allowed[$folder]+="$word "
    done
done < <(grep -E '^\| `[a-z_]+/` \|' "$table")
((${#allowed[@]} > 0)) || {
    echo "check-includes: no layer table in $table" >&2
    exit 2
}

status=0
checked=0
while IFS= read -r -d '' file; do
    relative="${file#"$root/src/"}"
    layer="${relative%%/*}"
    # The executable's main.cpp stands on the top layer.
    [[ "$relative" == */* ]] || layer=app
    if [[ -z "${allowed[$layer]:-}" ]]; then
        echo "$relative: folder '$layer' is not in the layer table of CONTRIBUTING.md"
        status=1
        continue
    fi
    while IFS=: read -r line target; do
        used="${target%%/*}"
        [[ -n "${allowed[$used]:-}" ]] || continue # not a layer: a file of the folder itself
        checked=$((checked + 1))
        if [[ "${allowed[$layer]}" != *" $used "* ]]; then
            echo "$relative:$line: the $layer layer includes $target; it may use only:${allowed[$layer]}"
            status=1
        fi
    done < <(grep -noE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/[^"]+"' "$file" |
        sed -E 's/^([0-9]+):.*"([^"]+)"/\1:\2/')
done < <(find "$root/src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0)

if ((status == 0)); then
    echo "check-includes: all $checked includes of a folder below src/ fit the layer table"
fi
exit $status
