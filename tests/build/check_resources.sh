#!/usr/bin/env bash
# Both built slatebar.exe carry what resources/slatebar.rc lists: every named
# RCDATA resource, the program icon with its 16, 32, 48 and 256 pixel
# images, and the manifest (common controls 6.0.0.0, asInvoker without UI
# access, UTF-8 as the process code page, the supported Windows versions,
# per-monitor DPI awareness with its older fallback, and no GDI scaling); and the version resource with the values CMake holds. The
# manifest, the version and the icon are read back with icoutils' wrestool.
#   check_resources.sh <source dir> [<version> <description> <product> <copyright>]
set -uo pipefail
root=$1
want_version=${2:-} want_description=${3:-} want_product=${4:-} want_copyright=${5:-}
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

check_resources() {
  listing=$(resources_of "$prefix" "$exe")
  for name in "${wanted[@]}"; do
    grep -qxF "rcdata	$name" <<<"$listing" || fail "$exe lacks the RCDATA resource $name"
  done
  grep -q '^group icon	' <<<"$listing" || fail "$exe carries no icon"
  grep -qx '24	1' <<<"$listing" || fail "$exe carries no manifest (type 24, id 1)"
  manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" 2>/dev/null | tr -d '\r')
  [[ -n $manifest ]] || fail "$exe: wrestool read no manifest"
  for expect in 'name="Microsoft.Windows.Common-Controls"' 'version="6.0.0.0"' \
                'publicKeyToken="6595b64144ccf1df"' 'level="asInvoker"' 'uiAccess="false"' \
                '>UTF-8</activeCodePage>' \
                '<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>' \
                '<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>' \
                '<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>' \
                '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
                '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
                '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'; do
    grep -qF "$expect" <<<"$manifest" || fail "$exe: manifest lacks $expect"
  done
  # The system's own stretching of our bitmaps would blur what is already
  # drawn at the monitor's scale.
  ! grep -qF '<gdiScaling' <<<"$manifest" || fail "$exe: manifest still asks for GDI scaling"

  # The icon as Explorer assembles it from the group and its images.
  icons=$(mktemp -d)
  wrestool -x --type=14 -o "$icons" "$exe" 2>/dev/null
  sizes=$(for ico in "$icons"/*.ico; do [[ -f $ico ]] && icotool -l "$ico"; done |
          sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
  rm -rf "$icons"
  note "icon sizes: $sizes"
  [[ $sizes == "16 32 48 256 " ]] || fail "$exe: icon sizes are [$sizes], expected [16 32 48 256 ]"

  # The version resource: its strings are UTF-16, each key followed by its value.
  version=$(wrestool -x --raw --type=16 "$exe" 2>/dev/null | strings -el)
  [[ -n $version ]] || fail "$exe carries no version resource"
  value_of() { awk -v key="$1" 'found { print; exit } $0 == key { found = 1 }' <<<"$version"; }
  for pair in "ProductName=$want_product" "FileDescription=$want_description" "FileVersion=$want_version" \
              "ProductVersion=$want_version" "LegalCopyright=$want_copyright" "OriginalFilename=slatebar.exe"; do
    key=${pair%%=*} want=${pair#*=}
    got=$(value_of "$key")
    if [[ -z $got ]]; then
      fail "$exe: version resource lacks $key"
    elif [[ -n $want && $got != "$want" ]]; then
      fail "$exe: version resource says $key '$got', CMake says '$want'"
    fi
  done
  note "version $(value_of FileVersion), $(value_of ProductName)"
  note "$(grep -c . <<<"$listing") resources"
}
for_each_built_exe check_resources
finish
