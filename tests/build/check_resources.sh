#!/usr/bin/env bash
# Both built slatebar.exe carry what resources/slatebar.rc lists: every named
# RCDATA resource, the program icon, and the manifest (common controls
# 6.0.0.0, asInvoker without UI access, UTF-8 as the process code page).
#   check_resources.sh <source dir>
set -uo pipefail
root=$1
source "$(dirname "$0")/common.sh"
rc=$root/resources/slatebar.rc

# Resource names the script declares as RCDATA.
mapfile -t wanted < <(grep -E '^[[:space:]]*[A-Za-z_][A-Za-z0-9_]*[[:space:]]+RCDATA[[:space:]]' "$rc" | awk '{ print $1 }')
((${#wanted[@]})) || fail "$rc declares no RCDATA resource"

# Every file the script names exists, so the resource compiler sees them all.
while read -r file; do
  [[ -f $root/resources/$file ]] || fail "slatebar.rc names resources/$file, which does not exist"
done < <(grep -vE '^[[:space:]]*//' "$rc" | grep -oE '"[^"]+"' | tr -d '"')

# "type<TAB>name" for every resource in an exe, from windres' listing.
resources_of() {
  "$1-windres" -i "$2" -O rc | awk '
    /Type: / { sub(/.*Type: /, ""); sub(/[ \t]*\*\/.*/, ""); type = $0 }
    /Name: / { n = $0; sub(/.*Name: /, "", n); sub(/\.[ \t]*\*\/.*/, "", n); gsub(/"/, "", n); print type "\t" n }'
}

for build in "${windows_builds[@]}"; do
  read -r preset prefix _ _ <<<"$build"
  exe=$(built_exe "$root/build/$preset")
  if [[ -z $exe ]]; then
    echo "not built: build/$preset has no slatebar.exe"
    continue
  fi
  checked=$((checked + 1))
  echo "$exe"
  listing=$(resources_of "$prefix" "$exe")
  for name in "${wanted[@]}"; do
    grep -qxF "rcdata	$name" <<<"$listing" || fail "$exe lacks the RCDATA resource $name"
  done
  grep -q '^group icon	' <<<"$listing" || fail "$exe carries no icon"
  grep -qx '24	1' <<<"$listing" || fail "$exe carries no manifest (type 24, id 1)"
  for expect in 'name="Microsoft.Windows.Common-Controls"' 'version="6.0.0.0"' \
                'publicKeyToken="6595b64144ccf1df"' 'level="asInvoker"' 'uiAccess="false"' \
                '>UTF-8</activeCodePage>'; do
    grep -qaF "$expect" "$exe" || fail "$exe: manifest lacks $expect"
  done
  note "$(grep -c . <<<"$listing") resources"
done
finish
