// The screen's fonts: the installed families the required-fonts check reads,
// and the substitutes that draw the fonts pages ask for under names this
// platform does not have.
#pragma once

#include "data/TextUtils.h"

// Registers FontSubstitutes() with Qt; call once at start, before any window
// draws text. Later calls do nothing.
void InstallFontSubstitutes();
// The installed font families, as the font database lists them.
TStringList InstalledFontFamilies();
