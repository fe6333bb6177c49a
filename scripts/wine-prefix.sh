#!/usr/bin/env bash
# Makes a Wine prefix ready for Vostrel: quiet, no crash dialog, Chinese texts
# rendered. With "test", also unmanaged windows (no window manager on the
# virtual display; Wine then draws the frames itself and does not stall when a
# window hides).
# Usage: wine-prefix.sh PREFIX [test]
set -euo pipefail
prefix=$(realpath -m "$1")
kind=${2:-run}
stamp="$prefix/.vostrel-$kind"
[ -f "$stamp" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
  reg "$link" /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei"
done
if [ "$kind" = test ]; then
  reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
fi
# The caption buttons' glyphs.
cp -f /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$stamp"
