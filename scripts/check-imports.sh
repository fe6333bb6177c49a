#!/usr/bin/env bash
# Checks that a Windows program still starts on Windows 7 SP1: it imports
# nothing that came later. Every DPI function of the per-monitor era
# (GetDpiForWindow, AdjustWindowRectExForDpi, SetProcessDpiAwarenessContext,
# ...) spells "Dpi" so, and shcore.dll did not exist yet; such functions must
# be looked up at run time instead (GetProcAddress). Prints every offending
# import, and fails if there is one.
# Usage: check-imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1
program=$2

imports=$("$objdump" -p "$program" | awk '
  /^\tDLL Name:/ { dll = $3; next }
  dll != "" && /^\t[0-9a-f]+\t/ { print dll, $3 }
  /^$/ { dll = "" }')
[ -n "$imports" ] || { echo "check-imports: no imports read from $program" >&2; exit 1; }

late=$(grep -E '^[^ ]+ [A-Za-z]*Dpi|^[Ss][Hh][Cc][Oo][Rr][Ee]\.dll ' <<<"$imports" || true)
if [ -n "$late" ]; then
  echo "$(basename "$program") imports what Windows 7 does not have:"
  sed 's/^/  /' <<<"$late"
  exit 1
fi
echo "$(basename "$program"): $(wc -l <<<"$imports") imports, none newer than Windows 7"
