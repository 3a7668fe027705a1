#!/usr/bin/env bash
# The import tables of both built slatebar.exe (and of their dist copies):
# only Windows system DLLs, never dwmapi.dll (the compositor is loaded by name
# at run time, so the program starts where it is missing), and no runtime DLL
# of the compiler (the link is fully static).
#   check_imports.sh <source dir>
set -uo pipefail
root=$1
source "$(dirname "$0")/common.sh"

# Lower-case names of the DLLs a stock Windows installation provides.
system_dll='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|shlwapi|comctl32|comdlg32|gdiplus|msvcrt|ucrtbase|uxtheme|msimg32|winmm|version|ws2_32|urlmon|wininet|imm32|rpcrt4|ntdll|shcore|psapi|winspool\.drv|crypt32|bcrypt|secur32|userenv|setupapi|dbghelp|api-ms-win-[a-z0-9-]+)(\.dll)?$'

check_exe() {  # check_exe <exe> <toolchain prefix> <file format>
  local exe=$1 prefix=$2 format=$3 dlls
  checked=$((checked + 1))
  echo "$exe"
  if ! "$prefix-objdump" -f "$exe" | grep -q "file format $format"; then
    fail "$exe is not of format $format"
  fi
  dlls=$("$prefix-objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
  if [[ -z $dlls ]]; then
    fail "$exe: no imported DLL found (objdump output not understood?)"
    return
  fi
  grep -qx kernel32.dll <<<"$dlls" || fail "$exe does not import kernel32.dll"
  local dll
  for dll in $dlls; do
    note "imports $dll"
    case $dll in
      dwmapi.dll) fail "$exe imports dwmapi.dll at load time" ;;
      libstdc++*|libgcc*|libwinpthread*) fail "$exe imports the compiler runtime $dll (not linked statically)" ;;
      *) [[ $dll =~ $system_dll ]] || fail "$exe imports $dll, which is not a Windows system DLL" ;;
    esac
  done
}

for build in "${windows_builds[@]}"; do
  read -r preset prefix format dist <<<"$build"
  exe=$(built_exe "$root/build/$preset")
  if [[ -z $exe ]]; then
    echo "not built: build/$preset has no slatebar.exe"
    continue
  fi
  check_exe "$exe" "$prefix" "$format"
  [[ -f $root/dist/$dist/slatebar.exe ]] && check_exe "$root/dist/$dist/slatebar.exe" "$prefix" "$format"
done
finish
