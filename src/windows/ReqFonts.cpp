// Required fonts check.
#include "windows/ReqFonts.h"

#include "app/AppGlobals.h"
#include "app/Shell.h"

const std::vector<TFontSubstitute>& FontSubstitutes() {
    static const std::vector<TFontSubstitute> Table = {
        {"Traditional Arabic", "Amiri"},
        {"Verdana", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},
        // Other faces that collections made on Windows name.
        {"Arial", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans"},
        {"Times New Roman", "DejaVu Serif"},
        {"Courier New", "DejaVu Sans Mono"},
    };
    return Table;
}

std::string FontSubstituteOf(const std::string& Family) {
    for (const TFontSubstitute& S : FontSubstitutes())
        if (SameTextTrim(S.Family, Family))
            return S.Substitute;
    return std::string();
}

void TAppReqFonts::CheckReqFonts() {
    // A copy: a handler that adds names must not disturb this pass.
    const TStringList Names = ReqFonts;
    for (const std::string& Name : Names)
        if (!IsFontInstalled(Name) && OnFontMissing)
            OnFontMissing(this, Name);
}

bool TAppReqFonts::IsFontInstalled(const std::string& Name) const {
    if (!InstalledFamilies)
        return false;
    const TStringList Families = InstalledFamilies();
    if (IndexOfSameText(Families, Name) != -1)
        return true;
    const std::string Substitute = FontSubstituteOf(Name);
    return !Substitute.empty() && IndexOfSameText(Families, Substitute) != -1;
}

const TStringList& MainWindowReqFonts() {
    static const TStringList Names = {"Traditional Arabic", "MS Sans Serif", "Verdana"};
    return Names;
}

std::string FontMissingText(const std::string& FontName) {
    return "The font named \"" + FontName + "\" which " + AppTitle + " requires is missing." +
           "\r\n\r\n" +
           "Please install this font, otherwise certain text may not appear correctly.";
}

void ShowFontMissing(TAppReqFonts* Sender, const std::string& FontName) {
    (void)Sender;
    ShowMsgDlg(mkWarning, MsgHeightSmall, true, "Required Font Missing", FontMissingText(FontName),
               mbsOK);
}

void CheckMainWindowFonts(TAppReqFonts& ReqFonts) {
    for (const std::string& Name : MainWindowReqFonts())
        ReqFonts.AddReqFont(Name);
    ReqFonts.OnFontMissing = ShowFontMissing;
    ReqFonts.CheckReqFonts();
}

std::string CollectionFontNote(const std::string& CollectionName, const std::string& FontFace,
                               const TAppReqFonts& Fonts) {
    if (TrimText(FontFace).empty() || Fonts.IsFontInstalled(FontFace))
        return std::string();
    return CollectionName + " - \"" + FontFace + "\"";
}
