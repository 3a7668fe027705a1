#!/usr/bin/env bash
# Nothing configures the program: both built slatebar.exe and their dist
# copies name no environment variable of ours (SLATEBAR_...), in 8-bit or
# UTF-16 text, so none can be read. Settings for measuring the program
# belong to the benchmark's own build of it (tools/paint_profile).
#   check_environment.sh <source dir>
set -uo pipefail
root=$1
source "$(dirname "$0")/common.sh"

check_exe() {  # check_exe <exe>
  local names
  names=$( { "$prefix-strings" -a -n 9 "$1"; "$prefix-strings" -a -n 9 -e l "$1"; } | grep -o 'SLATEBAR_[A-Z0-9_]*' | sort -u)
  if [[ -n $names ]]; then
    fail "$1 names variables of ours: $(tr '\n' ' ' <<<"$names")"
  else
    note "no SLATEBAR_ name in $(basename "$1")"
  fi
}

check_built() {
  check_exe "$exe"
  local copy=$root/dist/$dist/slatebar.exe
  if [[ ! -f $copy ]]; then
    fail "$copy is missing (the build assembles it)"
    return
  fi
  echo "$copy"
  check_exe "$copy"
}

for_each_built_exe check_built
finish
