#include "app/LinkCommands.h"

#include "data/TextUtils.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace {

using K = TLinkActionKind;

// The content the dispatcher asks about: two classification codes and the
// three built-in documents.
TLinkQueries SampleQueries() {
    TLinkQueries Q;
    Q.IsClassificationCode = [](const std::string& Text) {
        return SameTextTrim(Text, "RR_SHIH") || SameTextTrim(Text, "RA_HASAN");
    };
    Q.IndexOfDocument = [](const std::string& Name) {
        return IndexOfSameText({"MDOC_INTRODUCTION", "MDOC_HADITH_SCIENCE", "MDOC_DISTRIBUTION"},
                               Name);
    };
    return Q;
}

std::string Describe(const TLinkActions& Actions) {
    std::string S;
    for (const TLinkAction& A : Actions)
        S += std::to_string(static_cast<int>(A.Kind)) + ":" + A.Text + ":" +
             std::to_string(A.Index) + " ";
    return S;
}

} // namespace

TEST(LinkCommands, BrowserAddressesBecomeLinkTexts) {
    struct Case {
        std::string Url;
        std::string Link;
    };
    const Case Cases[] = {
        {"about:blankHCOLL_X_5", "HCOLL_X_5"},
        {"about:blank", ""},
        {"about:blankabout:blank", ""},
        {"About:Blankunclassified", "UNCLASSIFIED"},
        {"\x01"
         "about:blankfeat_prefs\x01",
         "FEAT_PREFS"},
        // The code 1 goes only after the blank page address, so it cannot
        // hide one.
        {"about:\x01"
         "blankX",
         "ABOUT:BLANKX"},
        {"http://www.example.com/page.html", "HTTP://WWW.EXAMPLE.COM/PAGE.HTML"},
        {"about:blankRAUDIO_002.255", "RAUDIO_002.255"},
        {"about:blanké", "é"}, // bytes above 127 are not folded
    };
    for (const Case& C : Cases)
        EXPECT_EQ(BrowserLinkText(C.Url), C.Link) << C.Url;
}

TEST(LinkCommands, OnlyTheNavigationOfAWrittenPageGoesAhead) {
    const TNavigation WhileWriting = BrowserBeforeNavigate("about:blank", true);
    EXPECT_FALSE(WhileWriting.Cancel);
    EXPECT_EQ(WhileWriting.Link, "");
    EXPECT_TRUE(ProcessLinkActions(WhileWriting.Link, SampleQueries()).empty());

    const TNavigation Click = BrowserBeforeNavigate("about:blankHCOLL_X_5", false);
    EXPECT_TRUE(Click.Cancel);
    EXPECT_EQ(Click.Link, "HCOLL_X_5");

    const TNavigation Outside = BrowserBeforeNavigate("http://www.example.com/", false);
    EXPECT_TRUE(Outside.Cancel);
    EXPECT_TRUE(ProcessLinkActions(Outside.Link, SampleQueries()).empty());
}

TEST(LinkCommands, CommandTable) {
    struct Case {
        std::string Link;
        TLinkActions Expected;
    };
    const Case Cases[] = {
        {"HCOLL_DORREL_AND_ANVESH_(ENGLISH)_12",
         {{K::OpenCollectionLink, "HCOLL_DORREL_AND_ANVESH_(ENGLISH)_12"}}},
        // A collection link stops the table.
        {"HCOLL_MDOC_INTRODUCTION_1", {{K::OpenCollectionLink, "HCOLL_MDOC_INTRODUCTION_1"}}},
        {"RAUDIO_002.255", {{K::PlayVerseRef, "002.255"}}},
        // The recitation goes on with the shortened link.
        {"RAUDIO_HCOLL_X_5",
         {{K::PlayVerseRef, "HCOLL_X_5"}, {K::OpenCollectionLink, "HCOLL_X_5"}}},
        {"RAUDIO_RAUDIO_FEAT_TIPS", {{K::PlayVerseRef, "FEAT_TIPS"}, {K::ShowTips, ""}}},
        {"RAUDIO_RR_SHIH", {{K::PlayVerseRef, "RR_SHIH"}, {K::ShowClassificationHelp, "RR_SHIH"}}},
        {"raudio_002.255", {}}, // contains is case-sensitive
        {"MDOC_INTRODUCTION", {{K::ShowMainDoc, "MDOC_INTRODUCTION", 0}}},
        {"MDOC_HADITH_SCIENCE", {{K::ShowMainDoc, "MDOC_HADITH_SCIENCE", 1}}},
        {"MDOC_NOTHING", {{K::ShowMainDoc, "MDOC_NOTHING", -1}}},
        {"RR_SHIH", {{K::ShowClassificationHelp, "RR_SHIH"}}},
        {"ra_hasan", {{K::ShowClassificationHelp, "ra_hasan"}}},
        {"Unclassified", {{K::ShowUnclassified, ""}}},
        {"UNCLASSIFIED", {{K::ShowUnclassified, ""}}},
        {"unclassified", {{K::ShowUnclassified, ""}}},
        {" Unclassified\t", {{K::ShowUnclassified, ""}}},
        {"Unclassified2", {}},
        {"FEAT_SEARCH", {{K::ShowSearch, ""}}},
        {"FEAT_BOOKMARKS", {{K::ShowBookmarks, ""}}},
        {"FEAT_GLOSSARY", {{K::ShowGlossary, ""}}},
        {"FEAT_WORD_SPELL", {{K::ShowWordQuery, ""}}},
        {"FEAT_COLLS_MAN", {{K::ShowCollectionsManager, ""}}},
        {"FEAT_ASSISTANT", {{K::ShowAssistant, ""}}},
        {"FEAT_REMOTE_AUD", {{K::ShowRemoteAudio, ""}}},
        {"FEAT_PREFS", {{K::ShowPrefs, ""}}},
        {"FEAT_TIPS", {{K::ShowTips, ""}}},
        // Commands need exact equality.
        {"FEAT_PREFS2", {}},
        {"FEAT_PREFS ", {}},
        {"feat_prefs", {}},
        {"XFEAT_SEARCH", {}},
        {"HTTP://WWW.EXAMPLE.COM/", {}},
        {"", {}},
    };
    const TLinkQueries Q = SampleQueries();
    for (const Case& C : Cases) {
        const TLinkActions Actions = ProcessLinkActions(C.Link, Q);
        EXPECT_EQ(Actions, C.Expected) << "\"" << C.Link << "\" gave " << Describe(Actions);
    }
}

TEST(LinkCommands, EveryLaterTestIsMadeWhenAnEarlierOneActed) {
    // Content where a document name is also a classification code: both act,
    // in the table's order.
    TLinkQueries Q = SampleQueries();
    Q.IsClassificationCode = [](const std::string& Text) { return Text == "MDOC_RA"; };
    EXPECT_EQ(
        ProcessLinkActions("MDOC_RA", Q),
        (TLinkActions{{K::ShowMainDoc, "MDOC_RA", -1}, {K::ShowClassificationHelp, "MDOC_RA"}}));
}

TEST(LinkCommands, WithoutQueriesNoDocumentOrCodeIsKnown) {
    const TLinkQueries None;
    EXPECT_EQ(ProcessLinkActions("MDOC_INTRODUCTION", None),
              (TLinkActions{{K::ShowMainDoc, "MDOC_INTRODUCTION", -1}}));
    EXPECT_TRUE(ProcessLinkActions("RR_SHIH", None).empty());
}

TEST(LinkCommands, ClassificationHelpScrollsToTheCodesGroup) {
    const std::pair<const char*, const char*> Cases[] = {
        {"RR_SHIH", "HCLASS_RR"},
        {"RA", "HCLASS_RA"},
        {"A_B_C", "HCLASS_A"},
        {"_X", "HCLASS_"},
    };
    for (const auto& [Code, Anchor] : Cases)
        EXPECT_EQ(ClassificationAnchor(Code), Anchor) << Code;
    EXPECT_STREQ(HadithScienceLink, "MDOC_HADITH_SCIENCE");
}

TEST(LinkCommands, UnclassifiedMessage) {
    TFakeShell Fake;
    ShowUnclassifiedMessage();
    ASSERT_EQ(Fake.Messages.size(), 1u);
    const TRecordedMessage& M = Fake.Messages[0];
    EXPECT_EQ(M.Kind, mkInformation);
    EXPECT_EQ(M.Height, MsgHeightSmall);
    EXPECT_EQ(M.Heading, "Unclassified Hadith");
    EXPECT_EQ(M.Text,
              "No classification information is stored for this hadith within it's collection!");
    EXPECT_EQ(M.Buttons, mbsOK);
}
