// The required-fonts check: which fonts count as installed, the order and text
// of the warnings, and the notes of collections whose font is missing.
#include "windows/ReqFonts.h"

#include "app/AppGlobals.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace {

TAppReqFonts::TFamilyList Families(TStringList List) {
    return [List] { return List; };
}

TEST(ReqFontsTest, InstalledMatchesTrimmedNamesWithoutCaseOrThroughASubstitute) {
    struct TCase {
        const char* Name;
        TStringList Installed;
        bool Expected;
    };
    const TCase Cases[] = {
        {"Verdana", {"Verdana"}, true},
        {"verdana", {"VERDANA"}, true},
        {"Verdana ", {"Verdana"}, true},
        {"Verdana", {" Verdana\t"}, true},
        {"Verdana", {"Verdana Pro"}, false},
        {"Verdana", {}, false},
        // Substitutes stand in for the names this platform lacks.
        {"Traditional Arabic", {"Amiri"}, true},
        {"traditional arabic ", {"amiri"}, true},
        {"MS Sans Serif", {"DejaVu Sans"}, true},
        {"Verdana", {"DejaVu Sans"}, true},
        {"MS Sans Serif", {"DejaVu Sans Mono", "Amiri"}, false},
        {"Traditional Arabic", {"DejaVu Sans"}, false},
        // Fonts without a substitute must be there by name.
        {"Garamond", {"DejaVu Sans", "Amiri"}, false},
        {"Arial", {"DejaVu Sans"}, true},
        {"Garamond", {"garamond"}, true},
        // Only letters a-z fold.
        {"Ärial", {"äRIAL"}, false},
    };
    for (const TCase& C : Cases) {
        TAppReqFonts Fonts(Families(C.Installed));
        EXPECT_EQ(Fonts.IsFontInstalled(C.Name), C.Expected) << C.Name;
    }
    // No family list: nothing counts as installed.
    EXPECT_FALSE(TAppReqFonts().IsFontInstalled("Verdana"));
}

TEST(ReqFontsTest, CheckReportsEachMissingFontInTheOrderAddedEveryTime) {
    TAppReqFonts Fonts(Families({"Verdana", "Liberation Serif"}));
    // Without a handler the check is silent.
    Fonts.AddReqFont("Gentium");
    Fonts.CheckReqFonts();

    std::vector<std::string> Missing;
    Fonts.OnFontMissing = [&](TAppReqFonts* Sender, const std::string& Name) {
        EXPECT_EQ(Sender, &Fonts);
        Missing.push_back(Name);
    };
    Fonts.AddReqFont("Verdana");
    Fonts.AddReqFont("Courier");
    Fonts.AddReqFont("Gentium"); // a duplicate is kept and reported again
    Fonts.CheckReqFonts();
    EXPECT_EQ(Missing, (std::vector<std::string>{"Gentium", "Courier", "Gentium"}));
    // Nothing is remembered between checks.
    Fonts.CheckReqFonts();
    EXPECT_EQ(Missing.size(), 6u);
}

class MainWindowFontsTest : public ::testing::Test {
protected:
    void TearDown() override { ResetAppGlobals(); }
    TFakeShell Shell;
};

TEST_F(MainWindowFontsTest, NoSubstituteGivesThreeWarningsInOrder) {
    TAppReqFonts Fonts(Families({"Liberation Sans", "Noto Serif"}));
    CheckMainWindowFonts(Fonts);
    EXPECT_EQ(Fonts.ReqFonts, (TStringList{"Traditional Arabic", "MS Sans Serif", "Verdana"}));
    ASSERT_EQ(Shell.Messages.size(), 3u);
    const char* const Names[] = {"Traditional Arabic", "MS Sans Serif", "Verdana"};
    for (size_t I = 0; I < 3; ++I) {
        const TRecordedMessage& M = Shell.Messages[I];
        EXPECT_EQ(M.Kind, mkWarning);
        EXPECT_EQ(M.Height, MsgHeightSmall);
        EXPECT_EQ(M.Buttons, mbsOK);
        EXPECT_EQ(M.Heading, "Required Font Missing");
        EXPECT_EQ(M.Text, std::string("The font named \"") + Names[I] +
                              "\" which Tarvix requires is missing.\r\n\r\nPlease install this "
                              "font, otherwise certain text may not appear correctly.");
    }
}

TEST_F(MainWindowFontsTest, WarningsFollowWhatIsInstalled) {
    struct TCase {
        TStringList Installed;
        std::vector<std::string> Warned;
    };
    const TCase Cases[] = {
        {{"Amiri", "DejaVu Sans"}, {}},
        {{"Traditional Arabic", "MS Sans Serif", "Verdana"}, {}},
        {{"DejaVu Sans"}, {"Traditional Arabic"}},
        {{"Amiri", "Verdana"}, {"MS Sans Serif"}},
    };
    for (const TCase& C : Cases) {
        Shell.Messages.clear();
        TAppReqFonts Fonts(Families(C.Installed));
        CheckMainWindowFonts(Fonts);
        std::vector<std::string> Warned;
        for (const TRecordedMessage& M : Shell.Messages)
            Warned.push_back(M.Text.substr(16, M.Text.find('"', 16) - 16));
        EXPECT_EQ(Warned, C.Warned) << C.Installed.front();
    }
    // The text names the program by its title.
    AppTitle = "Reader";
    EXPECT_NE(FontMissingText("Verdana").find("\"Verdana\" which Reader requires"),
              std::string::npos);
}

TEST(ReqFontsTest, CollectionNoteOnlyForAFaceThatCannotBeDrawn) {
    TAppReqFonts Fonts(Families({"Amiri", "DejaVu Sans"}));
    EXPECT_EQ(CollectionFontNote("Sunan (Urdu)", "Jameel Noori", Fonts),
              "Sunan (Urdu) - \"Jameel Noori\"");
    EXPECT_EQ(CollectionFontNote("Arabic", "Traditional Arabic", Fonts), "");
    EXPECT_EQ(CollectionFontNote("English", "", Fonts), "");
    EXPECT_EQ(CollectionFontNote("English", "  ", Fonts), "");
}

} // namespace
