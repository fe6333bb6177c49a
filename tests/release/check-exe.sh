#!/usr/bin/env bash
# Checks the shipped vostrel.exe: stripped and small, hardened (ASLR with
# high-entropy addresses, no execution of data), and portable: it imports only
# from Windows' own DLLs, and only functions that IMPORT_LIST names, each
# with a Windows version the program supports. Prints every fault it finds,
# and fails if there is one.
# Usage: check-exe.sh EXE IMPORT_LIST
set -euo pipefail
exe=$1
list=$2
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
max_bytes=$((300 * 1024))
supported_windows="2000 XP Vista 7"  # every one of them is still there on 7 SP1
# DLLs that are part of every Windows 7, in lower case.
windows_dlls=(kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll msvcrt.dll
              ole32.dll oleaut32.dll version.dll shlwapi.dll uxtheme.dll winmm.dll ntdll.dll imm32.dll)

faults=0
fault() {
  echo "$(basename "$exe"): $*"
  faults=$((faults + 1))
}

headers=$("$objdump" -p "$exe")
file_flags=$("$objdump" -f "$exe" | sed -n 's/.*flags 0x[0-9a-f]*: *//p')
size=$(stat -c %s "$exe")

# Stripped: no symbol table, no debug sections.
for flag in HAS_SYMS HAS_DEBUG; do
  [[ " ${file_flags//,/ } " == *" $flag "* ]] && fault "not stripped ($flag); link the release with -s"
done
[ "$size" -le "$max_bytes" ] || fault "$size bytes, more than $max_bytes"

# Hardening: the bits of the optional header's DllCharacteristics.
characteristics=$(awk '$1 == "DllCharacteristics" {print $2}' <<<"$headers")
[ -n "$characteristics" ] || fault "no DllCharacteristics in the headers"
for bit in HIGH_ENTROPY_VA:0x20 DYNAMIC_BASE:0x40 NX_COMPAT:0x100; do
  (( (16#${characteristics:-0} & ${bit#*:}) != 0 )) || fault "DllCharacteristics 0x$characteristics lacks ${bit%%:*}"
done

# Imports resolved only when called are not in the import table below.
delay=$(awk '/Delay Import Directory/ {print $3}' <<<"$headers")
[[ "${delay:-0}" =~ ^0+$ ]] || fault "has delay-loaded imports, which this check does not read"

# The list: DLL, function, oldest Windows that has it.
# DLL names are compared in lower case, as Windows does.
declare -A since=() listed_as=()
while read -r line; do
  read -r dll function windows extra <<<"$line"
  [[ -z "$dll" || "$dll" == \#* ]] && continue
  if [ -z "$windows" ] || [ -n "$extra" ]; then
    fault "$list: '$line' is not 'DLL function Windows'"
  elif [[ " $supported_windows " != *" $windows "* ]]; then
    fault "$list: $dll $function needs Windows $windows; the program supports Windows 7 SP1"
  fi
  since["${dll,,} $function"]=$windows
  listed_as["${dll,,} $function"]="$dll $function"
done <"$list"

# The import table as objdump shows it: a "DLL Name:" line, then one line per
# function (address, hint, name), until the next part of the dump.
imports=$(awk '
  /^The Import Tables/ { inside = 1; next }
  inside && /^[^ \t]/ { inside = 0 }
  inside && /^\tDLL Name:/ { dll = $3; next }
  inside && /^\tvma:/ { next }
  inside && dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($3 == "" ? "<none>" : $3) }
' <<<"$headers")
[ -n "$imports" ] || fault "no imports found in the dump of $objdump"

declare -A imported=()
dlls=""
while read -r dll function; do
  [ -n "$dll" ] || continue
  if [[ " ${windows_dlls[*]} " != *" ${dll,,} "* ]]; then
    [[ " $dlls " == *" $dll "* ]] || fault "imports from $dll, which is not one of Windows' own DLLs (link it in statically)"
  elif [ "$function" = "<none>" ]; then
    fault "imports from $dll by ordinal; import it by name, so that it can be checked"
  elif [ -z "${since["${dll,,} $function"]:-}" ]; then
    fault "imports $dll $function, which $list does not list; add the line" \
      "'$dll $function WINDOWS' with the oldest Windows that its documentation names"
  fi
  imported["${dll,,} $function"]=1
  [[ " $dlls " == *" $dll "* ]] || dlls="$dlls $dll"
done <<<"$imports"

# Listed but no longer imported: harmless, worth tidying.
for entry in "${!since[@]}"; do
  [ -n "${imported[$entry]:-}" ] || echo "note: ${listed_as[$entry]} is listed but not imported any more"
done | sort

if [ $faults -eq 0 ]; then
  echo "$(basename "$exe"): $size bytes, stripped; HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT;" \
    "${#imported[@]} imports from$dlls, all listed, none newer than Windows 7"
fi
exit $((faults > 0))
