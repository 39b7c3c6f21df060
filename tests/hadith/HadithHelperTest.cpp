// Loading collection files: header values, validity rules, record access,
// category lists and link keys.
#include "hadith/HadithHelper.h"

#include "HadithHelperSamples.h"
#include "data/LineCipher.h"
#include "data/TextFormats.h"
#include "data/TxError.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class HadithHelperTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }
    void TearDown() override { ResetVerification(); }

    std::unique_ptr<THadithHelper> Load(const std::string& Text) {
        return std::make_unique<THadithHelper>(Dir.Write("Test.dbh", Text));
    }
    std::unique_ptr<THadithHelper> Load(const TCollectionSource& Source) {
        return Load(CollectionFileText(Source));
    }
    template <typename TEdit> std::unique_ptr<THadithHelper> LoadEdited(TEdit Edit) {
        return Load(EditedCollection(SampleCollection(), Edit));
    }

    TFakeShell Shell;
    TTempDir Dir;
};

TEST_F(HadithHelperTest, WrittenCollectionLoadsWithEveryValue) {
    TCollectionSource Source = SampleCollection();
    Source.RightToLeftInfo = true;
    std::string Text = CollectionFileText(Source);
    auto H = Load(Text);

    ASSERT_TRUE(H->IsValid()) << H->LoadError();
    EXPECT_TRUE(H->Verify());
    EXPECT_EQ(H->GetModuleName(), "Hadith collection");
    EXPECT_EQ(H->CollectionID(), "Dorrel_Anvesh");
    EXPECT_EQ(H->CollectionName(), "Dorrel and Anvesh (English)");
    EXPECT_EQ(H->HadithCount(), 3);
    EXPECT_EQ(H->TextFormat(), tfPlain);
    EXPECT_TRUE(H->IsPlainText());
    EXPECT_EQ(H->CodePage(), 0);
    EXPECT_TRUE(H->WordHighlight());
    EXPECT_FALSE(H->RightToLeftText());
    EXPECT_TRUE(H->RightToLeftInfo());
    EXPECT_EQ(H->TextAlign(), "JUSTIFY");
    EXPECT_EQ(H->FontTag(), "<FONT FACE=\"Traditional Arabic\" SIZE=\"5\">");
    EXPECT_EQ(H->FontFace(), "Traditional Arabic");
    EXPECT_EQ(H->Translator(), "A. Translator");
    EXPECT_EQ(H->Description(), "A sample collection");

    // The header size is the stored header lines with their CR LF.
    TStringList Stored = TextToLines(Text);
    uint32_t Size = 0;
    for (int i = 0; i < 8; ++i)
        Size += static_cast<uint32_t>(Stored[i].size()) + 2;
    EXPECT_EQ(H->HeaderSize(), Size);
    EXPECT_EQ(H->HeaderLines(), TStringList(Stored.begin(), Stored.begin() + 8));
    // Records stay as stored, enciphered.
    EXPECT_EQ(H->HadithLines(), TStringList(Stored.begin() + 8, Stored.begin() + 11));

    EXPECT_EQ(H->GetHadithRecord(1), "1=<ISN>Narrated by A from B</ISN>The first hadith.");
    EXPECT_EQ(H->GetNarratorChain(1), "Narrated by A from B");
    EXPECT_EQ(H->GetHadithText(1), "The first hadith.");
    EXPECT_EQ(H->GetNarratorChain(3), "");
    EXPECT_EQ(H->GetHadithText(3), "Third.");
    EXPECT_EQ(H->GetCategory(1), "Prayer");
    EXPECT_EQ(H->GetCategory(3), "Uncategorised");
    EXPECT_EQ(H->GetClassification(1), "RR_SHIH,LI_MUSN");
    EXPECT_EQ(H->GetClassification(2), "Unclassified");
    EXPECT_EQ(H->GetInformation(1), "<BDO DIR=RTL>Reported<BP>twice</BDO>");
    EXPECT_EQ(H->GetInformation(2), "No Additional Information");

    EXPECT_EQ(Shell.ProgressMax, 5);
    EXPECT_EQ(Shell.ProgressPositions, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Shell.Captions,
              (std::vector<std::string>{"Loading...", "Dorrel and Anvesh (English)"}));
}

TEST_F(HadithHelperTest, HeaderFieldsAreReadWithTheirFixedLiterals) {
    // An ID holding ">>" is cut at the first ">>" of the line; a name may hold it.
    auto H = LoadEdited(
        [](TStringList& L) { L[1] = "<<ID:AB>>CD>>|<<N:Name >> with arrows>>|<<HCOUNT:3>>+"; });
    ASSERT_TRUE(H->IsValid());
    EXPECT_EQ(H->CollectionID(), "AB");
    EXPECT_EQ(H->CollectionName(), "Name >> with arrows");

    // An empty Field1 leaves the flags false and the alignment empty; a
    // short one defaults the missing items.
    H = LoadEdited([](TStringList& L) { L[4] = "<<Field1:>>"; });
    ASSERT_TRUE(H->IsValid());
    EXPECT_FALSE(H->RightToLeftText());
    EXPECT_FALSE(H->RightToLeftInfo());
    EXPECT_EQ(H->TextAlign(), "");
    H = LoadEdited([](TStringList& L) { L[4] = "<<Field1:BDORTL: true >>"; });
    ASSERT_TRUE(H->IsValid());
    EXPECT_TRUE(H->RightToLeftText());
    EXPECT_FALSE(H->RightToLeftInfo());
    EXPECT_EQ(H->TextAlign(), "LEFT");

    H = LoadEdited([](TStringList& L) { L[2] = "<<TF:PLAIN>>|<<WORDHL:yes>>|<<FONT:SIZE=3>>+"; });
    ASSERT_TRUE(H->IsValid());
    EXPECT_FALSE(H->WordHighlight());
    EXPECT_EQ(H->FontTag(), "<FONT SIZE=3>");
    EXPECT_EQ(H->FontFace(), "");
}

TEST_F(HadithHelperTest, TextFormatWords) {
    struct TCase {
        const char* Word;
        bool Valid;
        uint8_t Format;
        uint16_t CodePage;
    };
    const TCase Cases[] = {
        {" plain ", true, tfPlain, 0},
        {"NCR", true, tfNCR, 0},
        {"CODEPAGE[1256]", true, tfCodePage, 1256},
        {"codepage [ 1251 ]", true, tfCodePage, 1251},
        {"CODEPAGE", false, 0, 0},
        {"CODEPAGE[abc]", false, 0, 0},
        {"CODEPAGE[0]", false, 0, 0},
        {"CODEPAGE]1256[", false, 0, 0},
        {"CODEPAGE[70000]", false, 0, 0}, // not a 16-bit code page
        {"PLAINTEXT", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Word);
        TCollectionSource Source = SampleCollection();
        Source.TextFormat = C.Word;
        auto H = Load(Source);
        EXPECT_EQ(H->IsValid(), C.Valid) << H->LoadError();
        if (C.Valid) {
            EXPECT_EQ(H->TextFormat(), C.Format);
            EXPECT_EQ(H->CodePage(), C.CodePage);
        } else {
            EXPECT_TRUE(H->HadithLines().empty());
        }
    }
}

TEST_F(HadithHelperTest, DamagedFilesGiveInvalidCollections) {
    const std::string Good = CollectionFileText(SampleCollection());
    TStringList Lines = TextToLines(Good);
    auto Join = [](const TStringList& L) { return LinesToText(L); };

    // Records stay enciphered while loading, so damage inside them shows
    // only through the fingerprint; the structure is still read then.
    struct TCase {
        const char* Name;
        std::string Text;
        bool RecordsKept;
    };
    std::vector<TCase> Cases;
    Cases.push_back({"empty file", "", false});
    Cases.push_back({"seven lines", Join(TStringList(Lines.begin(), Lines.begin() + 7)), false});
    Cases.push_back({"no metadata", Join(TStringList(Lines.begin(), Lines.begin() + 11)), false});
    Cases.push_back(
        {"last table missing", Join(TStringList(Lines.begin(), Lines.end() - 1)), false});
    TStringList BadMarker = Lines;
    BadMarker[11] = "*** not base64 ***";
    Cases.push_back({"bad base64 marker", Join(BadMarker), false});
    TStringList BadHeader = Lines;
    BadHeader[2] = "#####";
    Cases.push_back({"bad base64 header", Join(BadHeader), false});
    TStringList BadRecord = Lines;
    BadRecord[9] = "not base64 at all!";
    Cases.push_back({"bad base64 record", Join(BadRecord), true});
    // Every line kept, but the LF-only line ends shrink the header by 8 bytes.
    Cases.push_back({"LF line ends", ReplaceAll(Good, "\r\n", "\n"), true});
    std::string Flipped = Good;
    Flipped[Flipped.size() - 5] = Flipped[Flipped.size() - 5] == 'A' ? 'B' : 'A';
    Cases.push_back({"body byte changed", Flipped, true});

    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        auto H = Load(C.Text);
        EXPECT_FALSE(H->IsValid());
        EXPECT_EQ(H->HadithLines().size(), C.RecordsKept ? 3u : 0u);
    }

    auto Missing = std::make_unique<THadithHelper>(Dir.File("NoSuch.dbh"));
    EXPECT_FALSE(Missing->IsValid());
    EXPECT_FALSE(Missing->Verify());
}

TEST_F(HadithHelperTest, HeaderChangesDoNotTouchTheFingerprint) {
    // The fingerprint covers only what follows the header.
    TStringList Lines = TextToLines(CollectionFileText(SampleCollection()));
    Lines[3] = EncodeLine("<<TR:Someone else entirely>>|<<D:Longer description>>+", 3);
    auto H = Load(LinesToText(Lines));
    EXPECT_TRUE(H->IsValid());
    EXPECT_EQ(H->Translator(), "Someone else entirely");
}

TEST_F(HadithHelperTest, MetadataMarkersMustStandInPlace) {
    // Each marker in turn replaced; the fingerprint is recomputed, so only
    // the marker makes the difference.
    for (int Marker : {0, 2, 4}) {
        SCOPED_TRACE(Marker);
        auto H = LoadEdited([Marker](TStringList& L) { L[8 + 3 + Marker] = "<[METADATA:cat]>"; });
        EXPECT_FALSE(H->IsValid());
        EXPECT_TRUE(H->HadithLines().empty());
    }
}

TEST_F(HadithHelperTest, AbsurdHadithCountsNeverReachMemory) {
    for (const char* Count : {"2000000000", "-1", "-2147483648", "4", "99999999999", "x"}) {
        SCOPED_TRACE(Count);
        auto H = LoadEdited([Count](TStringList& L) {
            L[1] = std::string("<<ID:G>>|<<N:Name>>|<<HCOUNT:") + Count + ">>+";
        });
        EXPECT_FALSE(H->IsValid());
        EXPECT_TRUE(H->HadithLines().empty());
        EXPECT_THROW(H->GetHadithRecord(1), ETxError);
        TStringList List;
        H->ListHadithsInCategory(List, "", false, false);
        EXPECT_TRUE(List.empty());
    }
    // A collection without hadiths is fine.
    TCollectionSource Empty = SampleCollection();
    Empty.Records.clear();
    Empty.Categories.clear();
    auto H = Load(Empty);
    EXPECT_TRUE(H->IsValid());
    EXPECT_EQ(H->HadithCount(), 0);
}

TEST_F(HadithHelperTest, VerificationFailureStopsLoading) {
    std::string File = Dir.Write("Test.dbh", CollectionFileText(SampleCollection()));
    VerificationHasFailed = true;
    THadithHelper H(File);
    EXPECT_FALSE(H.IsValid());
    EXPECT_EQ(H.CollectionName(), "");
    EXPECT_TRUE(Shell.ProgressPositions.empty());
}

TEST_F(HadithHelperTest, RecordNumbersOutsideTheCollectionRaise) {
    auto H = Load(SampleCollection());
    for (int N : {0, -1, 4, 1000000}) {
        SCOPED_TRACE(N);
        EXPECT_THROW(H->GetHadithRecord(N), ETxError);
        EXPECT_THROW(H->GetHadithText(N), ETxError);
        EXPECT_THROW(H->GetNarratorChain(N), ETxError);
    }
}

TEST_F(HadithHelperTest, HadithTextLosesOnlyItsOwnLabel) {
    TCollectionSource Source = SampleCollection();
    Source.Records.resize(12, {"", "filler"});
    Source.Records[11] = {"", "Sums: 1+11=12=twelve, 112=more"};
    auto H = Load(Source);
    ASSERT_TRUE(H->IsValid());
    EXPECT_EQ(H->GetHadithRecord(12).substr(0, 3), "12=");
    EXPECT_EQ(H->GetHadithText(12), "Sums: 1+11=12=twelve, 112=more");
}

TEST_F(HadithHelperTest, RightToLeftWrapping) {
    TCollectionSource Source = SampleCollection();
    Source.RightToLeftText = true;
    Source.Records = {{"", ""}, {"chain", "text"}};
    Source.Information = {{1, "info"}};
    auto H = Load(Source);
    ASSERT_TRUE(H->IsValid());
    EXPECT_EQ(H->GetNarratorChain(1), "");
    EXPECT_EQ(H->GetHadithText(1), "<BDO DIR=RTL></BDO>");
    EXPECT_EQ(H->GetNarratorChain(2), "<BDO DIR=RTL>chain</BDO>");
    EXPECT_EQ(H->GetHadithText(2), "<BDO DIR=RTL>text</BDO>");
    // Information follows its own flag, which is off here.
    EXPECT_EQ(H->GetInformation(1), "info");
}

TEST_F(HadithHelperTest, CodePageTextsBecomeCharacterReferences) {
    TCollectionSource Source = SampleCollection();
    Source.TextFormat = "CODEPAGE[1256]";
    Source.RightToLeftInfo = true;
    Source.Records = {{"\xC7 chain", "text \xC7"}};
    Source.Information = {{1, "\xC7"}};
    auto H = Load(Source);
    ASSERT_TRUE(H->IsValid()) << H->LoadError();
    EXPECT_EQ(H->GetNarratorChain(1), "&#1575; chain");
    EXPECT_EQ(H->GetHadithText(1), "text &#1575;");
    EXPECT_EQ(H->GetInformation(1), "<BDO DIR=RTL>&#1575;</BDO>");
    EXPECT_EQ(H->GetInformation(2), "No Additional Information");
}

TEST_F(HadithHelperTest, ListingHadithsOfACategory) {
    auto H = Load(SampleCollection());
    ASSERT_TRUE(H->IsValid());
    const std::string K = "HCOLL_DORREL_AND_ANVESH_(ENGLISH)_";

    TStringList List{"kept"};
    H->ListHadithsInCategory(List, "  ", false, false);
    EXPECT_EQ(List, (TStringList{K + "1", K + "2", K + "3"}));

    H->ListHadithsInCategory(List, " prayer", false, false);
    EXPECT_EQ(List, (TStringList{K + "1"}));
    H->ListHadithsInCategory(List, "uncategorised", true, true);
    EXPECT_EQ(List, (TStringList{K + "1", "HGROUP_DORREL_ANVESH_3"}));

    // The scripture pseudo-category ignores the stored categories.
    H->ListHadithsInCategory(List, "qur'anic ahadith ", false, false);
    EXPECT_EQ(List, (TStringList{K + "2"}));
    H->ListScriptureHadiths(List, true, true);
    EXPECT_EQ(List, (TStringList{K + "2", "HGROUP_DORREL_ANVESH_2"}));
}

TEST(HadithLinkKeyTest, KeysAndTheirParts) {
    const std::string Key = CollectionLinkKey("Dorrel and Anvesh (English)", 5);
    EXPECT_EQ(Key, "HCOLL_DORREL_AND_ANVESH_(ENGLISH)_5");
    EXPECT_EQ(LinkKeyCollection(Key), "DORREL AND ANVESH (ENGLISH)");
    EXPECT_EQ(LinkKeyNumber(Key), 5);

    const std::string Group = GroupLinkKey("Dorrel_Anvesh", 12);
    EXPECT_EQ(Group, "HGROUP_DORREL_ANVESH_12");
    EXPECT_EQ(LinkKeyGroup(Group), "DORREL_ANVESH");
    EXPECT_EQ(LinkKeyNumber(Group), 12);

    struct TCase {
        const char* Key;
        int Number;
    };
    const TCase Numbers[] = {{"NOUNDERSCORE", 0}, {"HCOLL_X_", 0}, {"HCOLL_X_abc", 0},
                             {"HCOLL_X_-3", -3},  {"A_B_7", 7},    {"HCOLL_X_99999999999", 0}};
    for (const TCase& C : Numbers)
        EXPECT_EQ(LinkKeyNumber(C.Key), C.Number) << C.Key;
    EXPECT_EQ(LinkKeyCollection("HGROUP_X_1"), "");
    EXPECT_EQ(LinkKeyGroup("HGROUP_NOSEP"), "");
}

} // namespace
