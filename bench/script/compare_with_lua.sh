#!/usr/bin/env bash
# Times each script workload in pagewright and the same program in Lua 5.4:
# the median of five runs of each, in seconds of processor time (user and
# system, so that other work on a shared machine does not count), and their
# ratio. pagewright's time includes its start-up (about 0.03 s).
#   bench/script/compare_with_lua.sh [path/to/pagewright]
# Needs Debian's lua5.4, time and bc.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
pagewright="${1:-$here/../../build/bin/pagewright}"

median_of_five() {
  local times=()
  for _ in 1 2 3 4 5; do
    local record used
    record=$(mktemp)
    /usr/bin/time -f '%U %S' -o "$record" "$@" >/dev/null 2>&1
    used=$(tail -1 "$record")
    rm -f "$record"
    times+=("$(echo "${used% *} + ${used#* }" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -g | sed -n 3p
}

printf '%-12s %10s %10s %8s\n' workload pagewright lua ratio
for workload in arithmetic strings calls; do
  ours=$(median_of_five "$pagewright" script "$here/$workload.pas")
  lua=$(median_of_five lua5.4 "$here/$workload.lua")
  printf '%-12s %10.3f %10.3f %8.2f\n' "$workload" "$ours" "$lua" "$(echo "$ours / $lua" | bc -l)"
done
