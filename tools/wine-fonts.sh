# shellcheck shell=bash
# The font a Wine prefix needs for the game's frames, sourced by every script that makes a prefix:
# GDI+ finds the score panel's "Times" only through its substitute "Times New Roman", which Wine
# lacks, so that name is drawn by Liberation Serif (fonts-liberation). Without it the score's text
# is not drawn at all.
times_substitute="Times New Roman"
times_replacement="Liberation Serif"

# Adds the replacement to the prefix $WINEPREFIX unless it holds it already; the check reads the
# prefix's registry file, without starting Wine, so that a prefix made before the replacement
# gets it too.
replace_times_font() {
  if ! grep -qF "\"$times_substitute\"=\"$times_replacement\"" "$WINEPREFIX/user.reg" 2>/dev/null
  then
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$times_substitute" /t REG_SZ \
      /d "$times_replacement" /f >/dev/null 2>&1
  fi
}
