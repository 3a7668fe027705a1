#!/usr/bin/env bash
# The import tables of both built slatebar.exe (and of their dist copies):
# only Windows system DLLs that are never looked for beside the exe, never
# dwmapi.dll (the compositor is loaded by name at run time, so the program
# starts where it is missing), no runtime DLL of the compiler (the link is
# fully static); text drawn, measured and pumped through the wide calls
# only, and OLE started rather than bare COM.
#   check_imports.sh <source dir>
set -uo pipefail
root=$1
source "$(dirname "$0")/common.sh"

# Lower-case names of the system DLLs that Windows loads from the system
# folder only (KnownDLLs, and ntdll, which every process has), on every
# Windows the exe runs on: Windows 7 included, where shcore does not exist
# and combase and coml2 are not yet known DLLs, so an import of one of
# those would stop the exe from starting there or load it from beside the
# exe. Any other DLL named in the import table is looked for beside the exe
# first, where a downloaded folder may hold a file of that name; such DLLs
# are loaded by full path at run time instead.
known_dll='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|shlwapi|comdlg32|msvcrt|imm32|rpcrt4|ntdll|psapi|ws2_32|setupapi|sechost|normaliz|nsi|wldap32|imagehlp|msctf|clbcatq|api-ms-win-[a-z0-9-]+)(\.dll)?$'

check_exe() {  # check_exe <exe> <toolchain prefix> <file format>
  local exe=$1 prefix=$2 format=$3 dlls
  if ! "$prefix-objdump" -f "$exe" | grep -q "file format $format"; then
    fail "$exe is not of format $format"
  fi
  dlls=$("$prefix-objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
  if [[ -z $dlls ]]; then
    fail "$exe: no imported DLL found (objdump output not understood?)"
    return
  fi
  grep -qx kernel32.dll <<<"$dlls" || fail "$exe does not import kernel32.dll"
  # Text reaches GDI and the message queue as UTF-16: the narrow GDI calls
  # read the system code page, not the process's UTF-8 one. The browser
  # needs OLE, not only COM, on the program's thread.
  local functions name
  functions=$("$prefix-objdump" -p "$exe" | awk 'NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print $3 }' | sort -u)
  for name in DrawTextW GetTextExtentPoint32W GetTextMetricsW CreateFontW GetMessageW PeekMessageW \
              DispatchMessageW OleInitialize OleUninitialize; do
    grep -qx "$name" <<<"$functions" || fail "$exe does not import $name"
  done
  for name in DrawTextA GetTextExtentPoint32A GetTextMetricsA CreateFontA GetMessageA PeekMessageA \
              DispatchMessageA CoInitialize CoUninitialize; do
    grep -qx "$name" <<<"$functions" && fail "$exe imports $name"
  done
  note "$(grep -c . <<<"$functions") imported functions"
  local dll
  for dll in $dlls; do
    note "imports $dll"
    case $dll in
      dwmapi.dll) fail "$exe imports dwmapi.dll at load time" ;;
      libstdc++*|libgcc*|libwinpthread*) fail "$exe imports the compiler runtime $dll (not linked statically)" ;;
      *) [[ $dll =~ $known_dll ]] || fail "$exe imports $dll, which Windows looks for beside the exe first" ;;
    esac
  done
}

# The built exe, then its dist copy where the folder has been assembled.
check_built() {
  check_exe "$exe" "$prefix" "$format"
  local copy=$root/dist/$dist/slatebar.exe
  [[ -f $copy ]] || return 0
  checked=$((checked + 1))
  echo "$copy"
  check_exe "$copy" "$prefix" "$format"
}

for_each_built_exe check_built
finish
