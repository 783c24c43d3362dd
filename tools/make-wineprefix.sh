#!/usr/bin/env bash
# Makes the Wine prefix given on the command line when it is missing, and puts
# Wine's own TrueType fonts (package fonts-wine) into its Fonts folder.
# Debian's Wine does not load them from its own font folder: without the copy
# the caption buttons show the letters "0 1 r" instead of their glyphs (they
# are drawn with Marlett) and "MS Shell Dlg" falls back to a bitmap font, so
# dialogs are drawn and measured with other metrics than Tahoma's on Windows.
set -euo pipefail
prefix="$1"
export WINEPREFIX="$prefix"
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
fi
cp -u /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
wineserver -w
