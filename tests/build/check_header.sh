#!/usr/bin/env bash
# The PE headers of both built slatebar.exe, as the loader reads them:
# subsystem version 6.01 (a program written for Windows 7; the linkers'
# defaults mark a pre-Vista one), and terminal-server aware.
#   check_header.sh <source dir>
set -uo pipefail
root=$1
source "$(dirname "$0")/common.sh"

check_header() {
  header=$("$prefix-objdump" -p "$exe")
  major=$(awk '$1 == "MajorSubsystemVersion" { print $2 }' <<<"$header")
  minor=$(awk '$1 == "MinorSubsystemVersion" { print $2 }' <<<"$header")
  note "subsystem version $major.$minor"
  [[ $major == 6 && $minor == 1 ]] || fail "$exe: subsystem version is $major.$minor, not 6.1"
  grep -qw TERMINAL_SERVICE_AWARE <<<"$header" || fail "$exe is not terminal-server aware"
  grep -qE '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$header" || fail "$exe is not a windows-subsystem program"
}
for_each_built_exe check_header
finish
