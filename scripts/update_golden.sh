#!/usr/bin/env bash
# Rewrites the recorded matches the replay test (tests/match_replay_test.cpp) compares with,
# from a build's match_runner: the matches tests/golden/plan.txt lists (every fighter pair at
# each seed and computer level, and G O D's boss stage at each boss seed), the same file the
# test reads. Run it only when a rule changes on purpose, and say why in the same commit.
#   scripts/update_golden.sh [BIN_DIR]   (default: build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
plan=tests/golden/plan.txt
fighters='' seeds='' levels='' boss_seeds=''
while read -r list values; do
  case $list in
    '' | '#'*) ;;
    fighters) fighters=$values ;;
    seeds) seeds=$values ;;
    levels) levels=$values ;;
    boss-seeds) boss_seeds=$values ;;
    *) echo "update_golden.sh: $plan: no list \"$list\"" >&2; exit 2 ;;
  esac
done <"$plan"
if [[ -z $fighters || -z $seeds || -z $levels || -z $boss_seeds ]]; then
  echo "update_golden.sh: $plan wants the lists fighters, seeds, levels and boss-seeds" >&2
  exit 2
fi

# Numbers as the headings say them: a run as "1-2", else "10 and 21" or "4, 8 and 9".
said() {
  local i run=1 out=$1
  for ((i = 2; i <= $#; i++)); do ((${!i} == ${@:i-1:1} + 1)) || run=0; done
  if (($# > 1 && run)); then echo "$1-${!#}"; return; fi
  for ((i = 2; i < $#; i++)); do out+=", ${!i}"; done
  if (($# > 1)); then out+=" and ${!#}"; fi
  echo "$out"
}

# shellcheck disable=SC2086  # the lists are split into their words on purpose
{
  echo "# Every fighter pair, seeds $(said $seeds), levels $(said $levels): scripts/update_golden.sh writes this."
  for a in $fighters; do for b in $fighters; do for s in $seeds; do for l in $levels; do echo "$a $b $s $l"; done; done; done; done |
    xargs -P "$(nproc)" -n 4 sh -c 'cd "$0" && ./match_runner --p1 "$1" --p2 "$2" --seed "$3" --level "$4" | head -1' "$bin" |
    LC_ALL=C sort
} >tests/golden/matches.txt
{
  echo "# G O D's boss stage, won by a perfect typist: scripts/update_golden.sh writes this."
  for s in $boss_seeds; do (cd "$bin" && ./match_runner --seed "$s" --p1 morvekboy --p2 god --level 0 --accuracy 1 --boss-stage); done
} >tests/golden/boss_stage.txt
