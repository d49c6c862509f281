#!/usr/bin/env bash
# The folders under src/ stand in one order, bottom to top; a file may include its own
# folder and the folders below it, never one above. Prints every include that climbs
# (file, line, included header) and fails when there is one. tests/, tools/ and bench/
# stand above everything and are not checked.
#
#   scripts/check_layers.sh [ROOT]    ROOT: the tree holding src/ (default: this repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layers=(platform engine battle render movesets screens game app)

rank_of() {
    local i
    for i in "${!layers[@]}"; do
        if [[ ${layers[$i]} == "$1" ]]; then echo "$i"; return; fi
    done
    echo -1
}

status=0
for dir in src/*/; do
    folder=$(basename "$dir")
    own=$(rank_of "$folder")
    if (( own < 0 )); then
        echo "check_layers: src/$folder is in no layer; add it to scripts/check_layers.sh" >&2
        status=1
        continue
    fi
    while IFS=: read -r file line target; do
        used=$(rank_of "$target")
        if (( used < 0 )); then continue; fi  # a header of the library or the system
        if (( used > own )); then
            echo "$file:$line: includes $target/ from $folder/, which stands below it" >&2
            status=1
        fi
    done < <(grep -rnoE '^\s*#\s*include\s+"[A-Za-z0-9_]+/' "$dir" \
                 | sed -E 's/^([^:]+):([0-9]+):.*"([A-Za-z0-9_]+)\/$/\1:\2:\3/')
done
if (( status == 0 )); then echo "check_layers: every include keeps the order ${layers[*]}"; fi
exit $status
