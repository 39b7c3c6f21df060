// The content files the build puts into the program folder, read through
// the program's own loaders: counts, verse texts against the scripture
// package, links between documents, and the generated expected fingerprints.
#include "BuiltInFingerprints.h"
#include "app/Shell.h"
#include "controls/MemoryTree.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TextUtils.h"
#include "data/Verification.h"
#include "hadith/CategoryHelper.h"
#include "hadith/Classification.h"
#include "hadith/HadithHelper.h"
#include "scripture/ChapterTable.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/MainDoc.h"
#include "scripture/QuranDLLHelper.h"
#include "support/FakeShell.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace {

// The folders ctest passes, else those the build compiled in; with a "/".
std::string EnvDir(const char* Name) {
    if (const char* Value = std::getenv(Name))
        return std::string(Value) + "/";
#if defined(TARVIX_TEST_SOURCE_DIR) && defined(TARVIX_TEST_DIST_DIR)
    if (std::string(Name) == "TARVIX_SOURCE_DIR")
        return TARVIX_TEST_SOURCE_DIR "/";
    if (std::string(Name) == "TARVIX_DIST_DIR")
        return TARVIX_TEST_DIST_DIR "/";
#endif
    return std::string();
}

std::string DistDir() {
    return EnvDir("TARVIX_DIST_DIR");
}

std::string Utf8(const QString& Text) {
    const QByteArray Bytes = Text.toUtf8();
    return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

QJsonObject JsonFile(const std::string& FileName) {
    std::string Text;
    if (!LoadFileText(FileName, Text))
        return QJsonObject();
    return QJsonDocument::fromJson(QByteArray(Text.data(), static_cast<qsizetype>(Text.size())))
        .object();
}

// The HREF or NAME values of an HTML text.
TStringList Attributes(const std::string& Html, const std::string& Attribute) {
    TStringList Values;
    const std::string Open = Attribute + "=\"";
    for (size_t At = Html.find(Open); At != std::string::npos; At = Html.find(Open, At + 1)) {
        const size_t End = Html.find('"', At + Open.size());
        if (End == std::string::npos)
            break;
        Values.push_back(Html.substr(At + Open.size(), End - At - Open.size()));
    }
    return Values;
}

// A verse text without the right-to-left block of the Arabic module.
std::string VerseBody(const std::string& Html) {
    return TrimText(RemoveAll(RemoveAll(Html, "<BDO DIR=RTL>"), "</BDO>"));
}

class BuiltContent : public ::testing::Test {
protected:
    void SetUp() override {
        Dist = DistDir();
        if (Dist.empty() || !FileExists(Dist + "HIndex.dbx"))
            GTEST_SKIP() << "no built content in TARVIX_DIST_DIR";
        ResetVerification();
    }
    void TearDown() override { ResetVerification(); }

    std::string Dist;
    TFakeShell Shell;
};

TEST_F(BuiltContent, ScriptureModulesHoldEveryVerseOfThePackage) {
    const std::string Verses =
        EnvDir("TARVIX_SOURCE_DIR") + "content/npm/node_modules/quran-json/dist/verses/";
    struct TCase {
        int Chapter, Verse;
    };
    for (const bool English : {false, true}) {
        const std::string File = Dist + (English ? "CvModule2.dll" : "CvModule1.dll");
        TQuranDLLHelper Module(File, FileFingerprint(File, 0), !English);
        Module.LoadText();
        ASSERT_FALSE(VerificationHasFailed) << File;
        EXPECT_EQ(Module.TextLines.size(), 6350u) << File;

        int Readable = 0;
        for (int C = 1; C <= ChapterCount; ++C)
            for (int V = 1; V <= ChapterVerseCount(C); ++V)
                Readable += VerseBody(Module.GetVerseText(C, V)).empty() ? 0 : 1;
        EXPECT_EQ(Readable, 6236) << File;

        // Each verse file of the package names its verse by absolute number.
        for (const TCase& Case : {TCase{2, 255}, TCase{114, 6}, TCase{1, 1}}) {
            const QJsonObject Source = JsonFile(
                Verses + std::to_string(AbsoluteVerseNumber(Case.Chapter, Case.Verse)) + ".json");
            ASSERT_EQ(Source.value("number").toInt(), Case.Verse);
            std::string Expected =
                English ? Utf8(Source.value("translations").toObject().value("en").toString())
                        : Utf8(Source.value("text").toString());
            ASSERT_FALSE(Expected.empty());
            if (!English)
                Expected = "<BDO DIR=RTL>" + Expected + "</BDO>";
            EXPECT_EQ(Module.GetVerseText(Case.Chapter, Case.Verse), Expected)
                << File << " " << Case.Chapter << ":" << Case.Verse;
        }
        // Beyond its chapter a verse has no text.
        EXPECT_EQ(VerseBody(Module.GetVerseText(114, 7)), "");
    }
}

TEST_F(BuiltContent, RecitationIndexNamesEveryVerseInOrder) {
    std::string Text;
    ASSERT_TRUE(LoadFileText(Dist + "QRemoteAud.dbx", Text));
    const TStringList Lines = TextToLines(Text);
    ASSERT_EQ(Lines.size(), 6240u);
    // Line 4 + k names the verse whose absolute number is k + 1.
    const std::map<int, std::string> Expected = {
        {4, "001001.ram"},
        {4 + AbsoluteVerseNumber(2, 255) - 1, "002255.ram"},
        {6239, "114006.ram"},
    };
    for (const auto& [Index, Name] : Expected)
        EXPECT_EQ(DecodeLine(Lines[Index], Index), Name) << "line " << Index;
}

TEST_F(BuiltContent, CollectionsLoadWithTheirCounts) {
    const std::map<std::string, std::pair<int, int>> Files = {
        // file -> (least hadiths, most hadiths)
        {"DorAnv_Arabic.dbh", {17, 17}},      {"DorAnv_English.dbh", {17, 17}},
        {"Fenwir_English.dbh", {40, 100000}}, {"extra/DorAnv_Dutch.dbh", {17, 17}},
        {"extra/Fenwir_NCR.dbh", {5, 5}},
    };
    std::set<std::string> Groups;
    for (const auto& [File, Range] : Files) {
        THadithHelper Collection(Dist + File);
        ASSERT_TRUE(Collection.IsValid()) << File << ": " << Collection.LoadError();
        EXPECT_GE(Collection.HadithCount(), Range.first) << File;
        EXPECT_LE(Collection.HadithCount(), Range.second) << File;
        EXPECT_EQ(Collection.HadithLines().size(), static_cast<size_t>(Collection.HadithCount()));
        for (int N = 1; N <= Collection.HadithCount(); ++N) {
            EXPECT_FALSE(TrimText(Collection.GetHadithText(N)).empty()) << File << " " << N;
            for (const std::string& Code : SplitText(Collection.GetClassification(N), ","))
                EXPECT_TRUE(Code == "Unclassified" || IsClassificationCode(Code))
                    << File << " " << N << " " << Code;
        }
    }
    // The group's collections number the same hadiths alike.
    THadithHelper Arabic(Dist + "DorAnv_Arabic.dbh");
    THadithHelper English(Dist + "DorAnv_English.dbh");
    EXPECT_EQ(Arabic.CollectionID(), English.CollectionID());
    for (int N = 1; N <= English.HadithCount(); ++N)
        EXPECT_EQ(Arabic.GetCategory(N), English.GetCategory(N)) << N;
}

TEST_F(BuiltContent, FenwirReadsBackAsItsSourceSays) {
    const QJsonObject Source =
        JsonFile(EnvDir("TARVIX_SOURCE_DIR") + "content/collections/Fenwir_English.json");
    const QJsonArray Hadiths = Source.value("hadiths").toArray();
    THadithHelper Collection(Dist + "Fenwir_English.dbh");
    ASSERT_EQ(Collection.HadithCount(), Hadiths.size());
    for (int N = 1; N <= Collection.HadithCount(); ++N) {
        const QJsonObject H = Hadiths.at(N - 1).toObject();
        std::string Text, Information;
        for (const QJsonValue& Paragraph : H.value("text").toArray())
            Text += (Text.empty() ? "" : "<BR><BR>") + Utf8(Paragraph.toString());
        for (const QJsonValue& Item : H.value("information").toArray())
            Information += (Information.empty() ? "" : "<BP>") + Utf8(Item.toString());
        EXPECT_EQ(Collection.GetHadithText(N), Text) << N;
        EXPECT_EQ(Collection.GetNarratorChain(N), Utf8(H.value("chain").toString())) << N;
        const std::string Category = Utf8(H.value("category").toString());
        EXPECT_EQ(Collection.GetCategory(N), Category.empty() ? "Uncategorised" : Category) << N;
        if (!Information.empty()) {
            EXPECT_EQ(Collection.GetInformation(N), Information) << N;
        }
    }
}

TEST_F(BuiltContent, CategoryTreeBuildsAndHoldsEveryCollectionCategory) {
    THadithCatHelper Categories(Dist + "HIndex.dbx", HIndexFingerprint);
    EXPECT_TRUE(Categories.Verify());
    Categories.LoadCategories();
    EXPECT_EQ(Categories.Lines().size(), 54u);
    TMemoryTree Tree;
    Categories.BuildCategoryTree(Tree, Tree.AddChild(nullptr, "Hadith Categories"));

    std::set<std::string> Paths;
    std::vector<std::string> Stack;
    for (const std::string& Line : Categories.Lines()) {
        const TCategoryLine Entry = THadithCatHelper::ParseCategoryLine(Line);
        Stack.resize(static_cast<size_t>(Entry.Level));
        Stack.push_back(Entry.Caption);
        std::string Path;
        for (const std::string& Caption : Stack)
            Path += (Path.empty() ? "" : ">") + Caption;
        Paths.insert(UpperCaseAscii(Path));
    }
    EXPECT_TRUE(Paths.count(UpperCaseAscii(ScriptureCategoryName)));
    EXPECT_TRUE(Paths.count("UNCATEGORISED"));
    for (const char* File : {"DorAnv_Arabic.dbh", "DorAnv_English.dbh", "Fenwir_English.dbh"}) {
        THadithHelper Collection(Dist + File);
        for (int N = 1; N <= Collection.HadithCount(); ++N)
            EXPECT_TRUE(Paths.count(UpperCaseAscii(Collection.GetCategory(N))))
                << File << " " << N << ": " << Collection.GetCategory(N);
    }
}

TEST_F(BuiltContent, GlossaryLoadsAndFindsItsTerms) {
    TGlossaryHelper Glossary(Dist + "Gloss.dbx", GlossFingerprint);
    EXPECT_TRUE(Glossary.Verify());
    Glossary.LoadGlossary();
    EXPECT_GE(Glossary.TermCount(), 120);
    for (const char* Word : {"Salat", "salah", "Namaz"})
        EXPECT_EQ(Glossary.GetTerm(std::max(0, Glossary.FindTerm(Word))).Term, "Salat") << Word;
}

TEST_F(BuiltContent, DocumentLinksAndClassificationAnchorsResolve) {
    std::map<std::string, std::unique_ptr<TMainDoc>> Documents;
    for (const char* File : {"Introduction.dbi", "HadithScience.dbi", "Distribution.dbi"}) {
        auto Document = std::make_unique<TMainDoc>(Dist + File);
        ASSERT_TRUE(Document->IsValid()) << File;
        Documents[Document->DocName()] = std::move(Document);
    }
    ASSERT_EQ(Documents.size(), 3u);
    for (const auto& [Name, Document] : Documents)
        for (const std::string& Link : Attributes(Document->BodyText(), "HREF"))
            if (Link.find("MDOC_") != std::string::npos) {
                EXPECT_TRUE(Documents.count(Link)) << Name << " links to " << Link;
            }

    // A classification link scrolls to every anchor holding HCLASS_ + its
    // group: each group needs exactly one.
    ASSERT_TRUE(Documents.count("MDOC_HADITH_SCIENCE"));
    const TStringList Anchors = Attributes(Documents["MDOC_HADITH_SCIENCE"]->BodyText(), "NAME");
    for (const TClassificationRow& Row : ClassificationTable) {
        const std::string Key = "HCLASS_" + std::string(Row.Code).substr(0, 2);
        EXPECT_EQ(
            std::count_if(Anchors.begin(), Anchors.end(),
                          [&](const std::string& A) { return A.find(Key) != std::string::npos; }),
            1)
            << Row.Code;
    }
}

TEST_F(BuiltContent, GeneratedFingerprintsMatchTheBuiltFiles) {
    const std::pair<const char*, const char*> Expected[] = {
        {HIndexFingerprint, "HIndex.dbx"},          {GlossFingerprint, "Gloss.dbx"},
        {ArabicScriptureFingerprint, "CvModule1.dll"}, {EnglishScriptureFingerprint, "CvModule2.dll"},
        {RemoteAudioFingerprint, "QRemoteAud.dbx"},
    };
    for (const auto& [Fingerprint, File] : Expected)
        EXPECT_EQ(FileFingerprint(Dist + File, 0), Fingerprint) << File;
    // The scripture modules accept their files with these values.
    TQuranDLLHelper Arabic(Dist + "CvModule1.dll", ArabicScriptureFingerprint, true);
    TQuranDLLHelper English(Dist + "CvModule2.dll", EnglishScriptureFingerprint, false);
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_NE(std::string(EnglishModuleLanguageName).find("English"), std::string::npos);
}

} // namespace
