# Shared by the build-level checks. Sourced, not run.
# Each check prints what it looked at; failures are collected so that one
# run names every fault, and the exit code is 0 or 1 (77, nothing to check,
# only where nothing was looked for at all).

failures=0
checked=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
note() { echo "  $*"; }

# The two Windows builds: preset, toolchain prefix, objdump file format, dist folder.
windows_builds=(
  "mingw-x86_64 x86_64-w64-mingw32 pei-x86-64 win64"
  "mingw-i686 i686-w64-mingw32 pei-i386 win32"
)

# Prints the built slatebar.exe of a build folder, if there is one.
built_exe() {
  local dir=$1
  [[ -d $dir ]] || return 0
  find "$dir" -name slatebar.exe -type f -not -path '*/CMakeFiles/*' | sort | head -n1
}

# Both Windows builds are required: a check that skipped the one not built
# would pass while saying nothing about it.
missing_build() {  # missing_build <preset>
  fail "build/$1 has no slatebar.exe (both Windows builds are required: scripts/build $1)"
}

# Runs the named function once for each Windows build's slatebar.exe, with
# preset, prefix, format, dist and exe set; a build without one is a fault.
for_each_built_exe() {  # for_each_built_exe <function>
  local build
  for build in "${windows_builds[@]}"; do
    read -r preset prefix format dist <<<"$build"
    exe=$(built_exe "$root/build/$preset")
    if [[ -z $exe ]]; then
      missing_build "$preset"
      continue
    fi
    checked=$((checked + 1))
    echo "$exe"
    "$1"
  done
}

finish() {
  if ((failures)); then
    echo "$failures fault(s) found"
    exit 1
  fi
  if ((checked == 0)); then
    echo "SKIP: nothing built to check"
    exit 77
  fi
  echo "all $checked checked"
  exit 0
}
