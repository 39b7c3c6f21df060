// The check that the fonts the program relies on are installed (one warning
// per missing font), and the installed families that draw the fonts this
// platform does not have under their usual names.
#pragma once

#include "data/TextUtils.h"

#include <functional>
#include <string>
#include <vector>

struct TFontSubstitute {
    std::string Family;     // the name pages and windows ask for
    std::string Substitute; // the installed family that draws it here
};

// "Traditional Arabic" -> Amiri, "Verdana" and "MS Sans Serif" -> DejaVu Sans.
const std::vector<TFontSubstitute>& FontSubstitutes();
// The substitute of Family (names compared with SameTextTrim); empty for none.
std::string FontSubstituteOf(const std::string& Family);

class TAppReqFonts {
public:
    // The platform's installed font families.
    using TFamilyList = std::function<TStringList()>;
    using TFontMissingEvent =
        std::function<void(TAppReqFonts* Sender, const std::string& FontName)>;

    TAppReqFonts() = default;
    explicit TAppReqFonts(TFamilyList Families) : InstalledFamilies(std::move(Families)) {}

    // Names in the order added; duplicates are kept.
    TStringList ReqFonts;
    TFontMissingEvent OnFontMissing;
    // Unset: no family is installed.
    TFamilyList InstalledFamilies;

    void AddReqFont(const std::string& Name) { ReqFonts.push_back(Name); }
    // Raises OnFontMissing once per missing name, in the order added.
    void CheckReqFonts();
    // True when Name, or its substitute, is an installed family (both trimmed,
    // letters a-z compared without case).
    bool IsFontInstalled(const std::string& Name) const;
};

// The fonts the main window relies on, in the order it checks them.
const TStringList& MainWindowReqFonts();
// The text of the main window's warning about one missing font.
std::string FontMissingText(const std::string& FontName);
// The main window's OnFontMissing handler: the warning "Required Font Missing".
void ShowFontMissing(TAppReqFonts* Sender, const std::string& FontName);
// The main window's start-up check: adds its fonts to ReqFonts, binds the
// warning and runs the check. Only warns; never stops the program.
void CheckMainWindowFonts(TAppReqFonts& ReqFonts);

// The missing fonts window's entry for a collection whose font face is not
// installed: Name + " - \"" + FontFace + "\"". Empty when the collection names
// no face or the face (or its substitute) is installed.
std::string CollectionFontNote(const std::string& CollectionName, const std::string& FontFace,
                               const TAppReqFonts& Fonts);
