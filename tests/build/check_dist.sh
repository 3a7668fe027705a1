#!/usr/bin/env bash
# The distributable folders. First the assembly step itself, run into a
# scratch folder from a copy of the resources with a user.bmp (in two spellings) planted in it
# and a stale file in the destination: the result must hold exactly the exe,
# the pictures and the menu pages, and no user.bmp. Then the real
# dist/win32 and dist/win64, where built, must hold what the program reads.
# (A run of the program may since have fetched pics/user.bmp into them;
# every build assembles them afresh, so that copy is never shipped.)
#   check_dist.sh <source dir> <cmake>
set -uo pipefail
root=$1 cmake=$2
source "$(dirname "$0")/common.sh"
required=(slatebar.exe pics/logon.jpg pics/O.png pics/Chat.png pics/Mail.png menu/index.htm)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/pics" "$scratch/menu/sub" "$scratch/dest/pics"
printf 'MZ' >"$scratch/slatebar.exe"
for p in logon.jpg O.png Chat.png Mail.png; do printf x >"$scratch/pics/$p"; done
printf 'BM' >"$scratch/pics/user.bmp"
printf 'BM' >"$scratch/pics/User.BMP"
printf '<html>' >"$scratch/menu/index.htm"
printf '<html>' >"$scratch/menu/sub/page.htm"
printf 'old' >"$scratch/dest/pics/user.bmp"
printf 'old' >"$scratch/dest/stale.txt"
if "$cmake" -DEXE="$scratch/slatebar.exe" -DPICS="$scratch/pics" -DMENU="$scratch/menu" \
     -DDEST="$scratch/dest" -P "$root/cmake/assemble-dist.cmake"; then
  checked=$((checked + 1))
  got=$(cd "$scratch/dest" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
  want="menu/index.htm menu/sub/page.htm pics/Chat.png pics/Mail.png pics/O.png pics/logon.jpg slatebar.exe "
  echo "assembled: $got"
  [[ $got == "$want" ]] || fail "assembly gave [$got], expected [$want]"
else
  fail "assemble-dist.cmake failed"
fi

for dist in win64 win32; do
  dir=$root/dist/$dist
  if [[ ! -d $dir ]]; then
    fail "dist/$dist was not assembled (both Windows builds are required)"
    continue
  fi
  checked=$((checked + 1))
  echo "$dir"
  for f in "${required[@]}"; do
    [[ -f $dir/$f ]] || fail "dist/$dist lacks $f"
  done
done
finish
