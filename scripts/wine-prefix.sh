#!/usr/bin/env bash
# Makes a Wine prefix ready for Vostrel: quiet, no crash dialog, Chinese texts
# rendered. With "test", also unmanaged windows (no window manager on the
# virtual display; Wine then draws the frames itself and does not stall when a
# window hides). Options for the test desktops of other shapes:
#   --dpi N      the system DPI (HKCU\Control Panel\Desktop LogPixels), set
#                before anything else runs in the prefix: Wine takes its fonts'
#                and frames' sizes from it when the prefix first starts
#   --xinerama   monitors read through Xinerama rather than RandR, so that
#                monitors made with `xrandr --setmonitor` (with-display.sh's
#                VOSTREL_MONITORS) are the ones Wine sees
# A prefix is made once; its stamp file names what it was made for.
# Usage: wine-prefix.sh PREFIX [test] [--dpi N] [--xinerama]
set -euo pipefail
prefix=$(realpath -m "$1")
shift
kind=run
dpi=""
xinerama=""
while [ $# -gt 0 ]; do
  case $1 in
    test) kind=test ;;
    --dpi) dpi=$2; shift ;;
    --xinerama) xinerama=1 ;;
    *) echo "wine-prefix: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
stamp="$prefix/.vostrel-$kind${dpi:+-dpi$dpi}${xinerama:+-xinerama}"
[ -f "$stamp" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
if [ -n "$dpi" ]; then
  reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
fi
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
  reg "$link" /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei"
done
if [ "$kind" = test ]; then
  reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
fi
if [ -n "$xinerama" ]; then
  reg 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N
fi
# The caption buttons' glyphs.
cp -f /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$stamp"
