#!/usr/bin/env bash
# The PE headers of both built slatebar.exe, as the loader reads them:
# subsystem version 6.01 (a program written for Windows 7; the linkers'
# defaults mark a pre-Vista one), terminal-server aware, and marked for
# address-space layout randomisation (with the relocations it needs) and
# DEP; the 64-bit one also for a high-entropy base.
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
  # The bits themselves, not objdump's names for them.
  local bits want
  bits=$(awk '$1 == "DllCharacteristics" { print $2 }' <<<"$header")
  want=$((0x0040 | 0x0100 | 0x8000))  # DYNAMIC_BASE | NX_COMPAT | TERMINAL_SERVER_AWARE
  [[ $format == pei-x86-64 ]] && want=$((want | 0x0020))  # HIGH_ENTROPY_VA
  note "DllCharacteristics 0x$bits"
  if [[ -z $bits ]] || (((0x$bits & want) != want)); then
    fail "$exe: DllCharacteristics 0x${bits:-?} lacks 0x$(printf %04x $(((0x${bits:-0} & want) ^ want)))"
  fi
  # A randomised base is only possible where the image can be relocated.
  local relocations
  relocations=$(awk '$1 == "Entry" && $2 == 5 && /Base Relocation/ { print $4 }' <<<"$header")
  ((0x${relocations:-0} > 0)) || fail "$exe has no base relocations, so it cannot be moved"
}
for_each_built_exe check_header
finish
