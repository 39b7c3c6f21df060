// The search report page: the highlight of the search text and the lines of
// the page.
#include "search/SearchReport.h"

#include "SearchTestSupport.h"
#include "app/HtmlHelpers.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "data/Verification.h"
#include "search/HadithSearch.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace {

std::string Mark(const std::string& Typed) {
    return "<B><FONT COLOR=#ABCDEF>" + Typed + "</FONT></B>";
}

TEST(SearchReportHighlight, ReplacesEveryOccurrenceWithTheTypedText) {
    struct TCase {
        std::string Text, Search, Expected;
    };
    const TCase Cases[] = {
        // Every occurrence, also inside longer words.
        {"pray and prayer", "pray", Mark("pray") + " and " + Mark("pray") + "er"},
        // Found ignoring case, shown as typed.
        {"Mercy MERCY mercy", "mercy", Mark("mercy") + " " + Mark("mercy") + " " + Mark("mercy")},
        {"mercy", "MeRcY", Mark("MeRcY")},
        // Letters beyond a-z fold too.
        {"\xC3\x89t\xC3\xA9", "\xC3\xA9t\xC3\xA9", Mark("\xC3\xA9t\xC3\xA9")},
        // Markup is part of the text.
        {"<B>b</B>", "b", "<" + Mark("b") + ">" + Mark("b") + "</" + Mark("b") + ">"},
        // Left to right, without overlaps.
        {"aaa", "aa", Mark("aa") + "a"},
        // Nothing to replace.
        {"nothing here", "pray", "nothing here"},
        {"some text", "", "some text"},
        {"", "x", ""},
        // A byte that is not UTF-8 matches only itself.
        {"a\xFF"
         "b",
         "\xFF", "a" + Mark("\xFF") + "b"},
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(HighlightSearchText(C.Text, C.Search, "#ABCDEF"), C.Expected)
            << "text \"" << C.Text << "\" search \"" << C.Search << "\"";
}

TEST(SearchReportLinks, NavigationTargetsGiveTheLinkKey) {
    EXPECT_EQ(ReportLinkTarget("about:blankHCOLL_TEST_COLL_3"), "HCOLL_TEST_COLL_3");
    EXPECT_EQ(ReportLinkTarget("hcoll_test_coll_3"), "HCOLL_TEST_COLL_3");
    EXPECT_EQ(ReportLinkTarget("about:blank"), "");
    EXPECT_EQ(ReportLinkTarget(""), "");
    EXPECT_EQ(SearchReportBanner("pray"), "Search Report [pray]");
}

class SearchReportPage : public ::testing::Test {
protected:
    void SetUp() override {
        ResetVerification();
        ResetPrefsGlobals();
        ResetPageBuilderState();
    }
    void TearDown() override {
        ResetPrefsGlobals();
        ResetVerification();
    }

    TFakeShell Shell;
    TTempDir Dir;
};

TEST_F(SearchReportPage, EmptyResultListGivesTheHeadAndAnEmptyTable) {
    auto Coll = LoadCollection(Dir, TextCollection({"alpha"}));
    ASSERT_TRUE(Coll && Coll->IsValid());
    const TStringList Lines = BuildSearchReportLines(*Coll, "alpha", {});
    EXPECT_EQ(Lines, (TStringList{BuildPageHead("Search Report", ""), "</TABLE>", "<BR><BR>",
                                  "<TABLE BORDER=0 WIDTH=100%>", "</TABLE>", "</BODY>"}));
}

TEST_F(SearchReportPage, EachResultGetsItsLinkAndHighlightedText) {
    AppPrefs.ColorWordHL = 3;
    const std::string C = ColorToHtml(SchemeColour(3));
    auto Coll = LoadCollection(
        Dir, TextCollection({"first", "Pray, pray <<QVERSE:1:1-7>>", "none", "the Prayer"}));
    ASSERT_TRUE(Coll && Coll->IsValid());
    const TStringList Lines =
        BuildSearchReportLines(*Coll, "pray", {{"Hadith # 2", 2}, {"Hadith # 4", 4}});
    ASSERT_EQ(Lines.size(), 4u + 2 * 12 + 2);
    EXPECT_EQ(Shell.EventRuns, 2);
    const std::string Mk = "<B><FONT COLOR=" + C + ">pray</FONT></B>";
    const TStringList First(Lines.begin() + 4, Lines.begin() + 16);
    EXPECT_EQ(First, (TStringList{
                         "<TR><TD WIDTH=42 VALIGN=TOP>",
                         "<FONT FACE=Verdana SIZE=1>",
                         "<B><A HREF=\"HCOLL_TEST_COLL_2\"><FONT COLOR=" + C +
                             ">Hadith # 2</FONT></A></B><BR> ",
                         "</FONT>",
                         "</TD>",
                         "<TD>",
                         "<FONT FACE=\"Verdana\" SIZE=\"2\">",
                         Mk + ", " + Mk + " [Al-Qur'an 1:1-7]",
                         "</FONT>",
                         "<BR><BR>",
                         "<HR SIZE=1 NOSHADE COLOR=SILVER>",
                         "</TD></TR>",
                     }));
    EXPECT_EQ(Lines[16 + 2], "<B><A HREF=\"HCOLL_TEST_COLL_4\"><FONT COLOR=" + C +
                                 ">Hadith # 4</FONT></A></B><BR> ");
    EXPECT_EQ(Lines[16 + 7], "the " + Mk + "er");
    EXPECT_EQ(Lines[Lines.size() - 2], "</TABLE>");
    EXPECT_EQ(Lines.back(), "</BODY>");
}

// The report of a real search on the built English collection highlights
// at least once per listed hadith.
TEST_F(SearchReportPage, BuiltEnglishCollection) {
    const std::string Dist = BuiltContentDir();
    if (Dist.empty())
        GTEST_SKIP() << "no built content";
    InitLineCipher();
    THadithHelper Coll(Dist + "DorAnv_English.dbh");
    ASSERT_TRUE(Coll.IsValid());
    std::vector<TSearchResultEntry> Results;
    for (int N : RunHadithSearch(Coll, true, [] { return TSearchOptions{"Allah", false, true}; }))
        Results.push_back({SearchResultCaption(N), N});
    ASSERT_FALSE(Results.empty());
    const TStringList Lines = BuildSearchReportLines(Coll, "Allah", Results);
    const std::string Mk =
        "<B><FONT COLOR=" + ColorToHtml(SchemeColour(AppPrefs.ColorWordHL)) + ">Allah</FONT></B>";
    for (size_t I = 0; I < Results.size(); ++I)
        EXPECT_NE(Lines[4 + I * 12 + 7].find(Mk), std::string::npos) << Results[I].Number;
}

} // namespace
