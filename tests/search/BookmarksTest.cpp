// The bookmark records and files: every kind through save, reload and
// import; damaged and unreadable files; the main file guarded against
// imports and against being written over after a failed reading; Clear All
// with its backup; atomic saving.
#include "app/AppGlobals.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "search/BookmarkList.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

// Readable failures.
void PrintTo(const TBookmark& B, std::ostream* Out) {
    *Out << BookmarkRecord(B);
}

namespace {

std::vector<TBookmark> EveryKind() {
    return {
        {bkQuranChapter, "Al-Fatiha", "Qur'an Chapter: 1", {"001"}},
        {bkQuranVerse, "Throne verse", "Qur'an Chapter & Verse: 2:255", {"002.255"}},
        {bkCommentary, "Notes", "Commentary", {}},
        MakeGlossBookmark("Sunnah"),
        {bkSearch, "prayer", "\"prayer\", Chapter: 3", {"prayer", "3", "Y"}},
        MakeSearchBookmark("\xd8\xb5\xd9\x84\xd8\xa7\xd8\xa9", 2, false,
                           "DORREL_ANVESH::Dorrel and Anvesh (Arabic)"),
        MakeHadithBookmark("HGROUP_DORREL_ANVESH_12"),
    };
}

// Enciphered lines as the bookmark files hold them.
std::string FileOf(const std::vector<std::string>& Records) {
    std::string Text;
    for (size_t i = 0; i < Records.size(); ++i)
        Text += EncodeLine(Records[i], static_cast<int>(i)) + "\r\n";
    return Text;
}

std::vector<std::string> RecordsOf(const std::string& FileText) {
    std::vector<std::string> Result;
    const TStringList Lines = TextToLines(FileText);
    for (size_t i = 0; i < Lines.size(); ++i)
        Result.push_back(DecodeLine(Lines[i], static_cast<int>(i)));
    return Result;
}

void Fill(TBookmarkList& List, const std::vector<TBookmark>& Items) {
    for (const TBookmark& B : Items)
        List.Add(B);
}

class BookmarksTest : public ::testing::Test {
protected:
    TFakeShell FakeShell;
    TTempDir Dir;
};

} // namespace

TEST_F(BookmarksTest, RecordsJoinKindNameDescriptionAndDataWithBars) {
    const std::vector<std::string> Expected = {
        "0||Al-Fatiha||Qur'an Chapter: 1||001",
        "1||Throne verse||Qur'an Chapter & Verse: 2:255||002.255",
        "2||Notes||Commentary||",
        "3||Sunnah||Glossary Term: Sunnah||Sunnah",
        "4||prayer||\"prayer\", Chapter: 3||prayer||3||Y",
        "5||\xd8\xb5\xd9\x84\xd8\xa7\xd8\xa9||\"\xd8\xb5\xd9\x84\xd8\xa7\xd8\xa9\", Chapter: All, "
        "Lang: DORREL_ANVESH::Dorrel and Anvesh (Arabic)||\xd8\xb5\xd9\x84\xd8\xa7\xd8\xa9||2||N||"
        "DORREL_ANVESH::Dorrel and Anvesh (Arabic)",
        "6||#12,DORREL_ANVESH||Hadith: #12,DORREL_ANVESH||HGROUP_DORREL_ANVESH_12",
    };
    const std::vector<TBookmark> Items = EveryKind();
    ASSERT_EQ(Items.size(), Expected.size());
    for (size_t i = 0; i < Items.size(); ++i) {
        SCOPED_TRACE(Expected[i]);
        EXPECT_EQ(BookmarkRecord(Items[i]), Expected[i]);
        EXPECT_EQ(ParseBookmarkRecord(Expected[i]), Items[i]);
    }
    // Spaces around fields go; fields beyond the kind's are ignored.
    EXPECT_EQ(ParseBookmarkRecord(" 3 ||  Sunnah || d ||Sunnah||extra"),
              (TBookmark{bkGlossTerm, "Sunnah", "d", {"Sunnah"}}));
}

TEST_F(BookmarksTest, EveryKindSurvivesSaveReloadAndImportIntoAnEmptyList) {
    TBookmarkList List(Dir.Path());
    List.LoadMainFile();
    EXPECT_TRUE(List.BookmarksLoaded()) << "a missing main file is an empty list";
    EXPECT_EQ(List.Count(), 0);
    Fill(List, EveryKind());
    ASSERT_TRUE(List.SaveMainFile());

    // One enciphered record a line, each with its own line number.
    const std::vector<std::string> Records = RecordsOf(Dir.Read(BookmarksFileName));
    ASSERT_EQ(Records.size(), 7u);
    for (size_t i = 0; i < Records.size(); ++i)
        EXPECT_EQ(Records[i], BookmarkRecord(EveryKind()[i]));
    EXPECT_EQ(FakeShell.EventRuns, 7) << "events run once per record";

    TBookmarkList Reloaded(Dir.Path());
    Reloaded.LoadMainFile();
    EXPECT_EQ(Reloaded.Items(), EveryKind());
    EXPECT_TRUE(Reloaded.Item(2).Data.empty()) << "a commentary has no data field";

    List.ExportBookmarks(Dir.File("Shared.cbk"));
    TTempDir Other;
    TBookmarkList Fresh(Other.Path());
    ASSERT_TRUE(Fresh.ImportBookmarks(Dir.File("Shared.cbk")));
    EXPECT_EQ(Fresh.Items(), EveryKind());
    TBookmarkList FreshReloaded(Other.Path());
    FreshReloaded.LoadMainFile();
    EXPECT_EQ(FreshReloaded.Items(), EveryKind()) << "the import was saved to the main file";
}

TEST_F(BookmarksTest, ImportAppendsRecordsOfOtherKindsWithAllTheirFields) {
    const std::vector<TBookmark> Every = EveryKind();
    TBookmarkList Source(Dir.Path() + "source");
    Fill(Source, {Every.begin(), Every.begin() + 6});
    std::filesystem::create_directory(Dir.File("source"));
    Source.ExportBookmarks(Dir.File("source/Marks.cbk"));

    TBookmarkList List(Dir.Path());
    Fill(List, {Every[6], Every[6]});
    ASSERT_TRUE(List.SaveMainFile());
    TBookmarkList Restarted(Dir.Path());
    ASSERT_TRUE(Restarted.ImportBookmarks(Dir.File("source/Marks.cbk")));

    std::vector<TBookmark> Expected = {Every[6], Every[6]};
    Expected.insert(Expected.end(), Every.begin(), Every.begin() + 6);
    EXPECT_EQ(Restarted.Items(), Expected) << "the main file is read before the import";
    TBookmarkList Reloaded(Dir.Path());
    Reloaded.LoadMainFile();
    EXPECT_EQ(Reloaded.Items(), Expected);
}

TEST_F(BookmarksTest, TextsThatWouldBreakTheRecordAreCleaned) {
    TBookmarkList List(Dir.Path());
    List.Add(MakeSearchBookmark("a||b\r\nc", 4, true, "K::Name"));
    List.Add(MakeGlossBookmark("Sunnah"));
    EXPECT_EQ(List.Rename(1, " new|name\n "), "new name");
    ASSERT_TRUE(List.SaveMainFile());

    TBookmarkList Reloaded(Dir.Path());
    Reloaded.LoadMainFile();
    ASSERT_EQ(Reloaded.Count(), 2);
    EXPECT_EQ(Reloaded.Item(0).Data, (TStringList{"a  b  c", "4", "Y", "K::Name"}));
    EXPECT_EQ(Reloaded.Item(0).Description, "\"a  b  c\", Chapter: 4, Lang: K::Name");
    EXPECT_EQ(Reloaded.Item(1).Name, "new name");
    EXPECT_EQ(Reloaded.Item(1).Data, TStringList{"Sunnah"});
}

TEST_F(BookmarksTest, AddOperationsMakeTheirNamesDescriptionsAndData) {
    struct TCase {
        TBookmark Made;
        TBookmark Expected;
    };
    const TCase Cases[] = {
        {MakeGlossBookmark("Hadith"), {bkGlossTerm, "Hadith", "Glossary Term: Hadith", {"Hadith"}}},
        {MakeSearchBookmark("\"quoted\"", 7, true, "G::C"),
         {bkSearchColl,
          "\"quoted\"",
          "\"quoted\", Chapter: 7, Lang: G::C",
          {"\"quoted\"", "7", "Y", "G::C"}}},
        {MakeSearchBookmark("open\"", 7, false, "G::C"),
         {bkSearchColl,
          "open\"",
          "\"open\", Chapter: All, Lang: G::C",
          {"open\"", "7", "N", "G::C"}}},
        {MakeHadithBookmark("HGROUP_FENWIR_3047"),
         {bkHadith, "#3047,FENWIR", "Hadith: #3047,FENWIR", {"HGROUP_FENWIR_3047"}}},
        {MakeHadithBookmark("HGROUP_BAD"), {bkHadith, "#0,", "Hadith: #0,", {"HGROUP_BAD"}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Expected.Name);
        EXPECT_EQ(Case.Made, Case.Expected);
    }
}

TEST_F(BookmarksTest, GoToTargets) {
    using T = TBookmarkTarget;
    struct TCase {
        TBookmark Bookmark;
        T::TKind Kind;
        std::string Text;
        int Number;
        bool Restricted;
        std::string ViewKey;
    };
    const TCase Cases[] = {
        {{bkQuranChapter, "n", "d", {"001"}}, T::None, "", 0, false, ""},
        {{bkQuranVerse, "n", "d", {"001.002"}}, T::None, "", 0, false, ""},
        {{bkCommentary, "n", "d", {}}, T::None, "", 0, false, ""},
        {MakeGlossBookmark("Sunnah"), T::GlossTerm, "Sunnah", 0, false, ""},
        {{bkSearch, "n", "d", {"fast", "12", "Y"}}, T::Search, "fast", 12, true, ""},
        {{bkSearch, "n", "d", {"fast", "twelve", "y"}}, T::Search, "fast", 1, false, ""},
        {MakeSearchBookmark("fast", 5, true, "G::C"), T::Search, "fast", 5, true, "G::C"},
        {MakeHadithBookmark("HGROUP_DORREL_ANVESH_12"), T::Hadith, "DORREL_ANVESH", 12, false, ""},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(BookmarkRecord(Case.Bookmark));
        const T Target = BookmarkTarget(Case.Bookmark);
        EXPECT_EQ(Target.Kind, Case.Kind);
        EXPECT_EQ(Target.Text, Case.Text);
        EXPECT_EQ(Target.Number, Case.Number);
        EXPECT_EQ(Target.Restricted, Case.Restricted);
        EXPECT_EQ(Target.ViewKey, Case.ViewKey);
    }
}

TEST_F(BookmarksTest, DamagedFilesStopTheLoadAndAddNothing) {
    const std::string Good = EncodeLine("3||Sunnah||Glossary Term: Sunnah||Sunnah", 0) + "\r\n";
    struct TCase {
        const char* What;
        std::string Bytes;
        const char* Message;
    };
    const TCase Cases[] = {
        {"kind not a number", Good + EncodeLine("x||n||d||t", 1), "'x' is not a bookmark type"},
        {"kind above 6", Good + EncodeLine("7||n||d||t", 1), "'7' is not a bookmark type"},
        {"kind below 0", Good + EncodeLine("-1||n||d||t", 1), "'-1' is not a bookmark type"},
        {"too few fields", Good + EncodeLine("5||n||d||s||1||Y", 1), "needs 7 fields"},
        {"kind 2 without its trailing bars", Good + EncodeLine("2||n", 1), "needs 3 fields"},
        {"not Base64", Good + "@@@@", "Base64"},
        {"enciphered for another line", Good + EncodeLine("3||n||d||t", 5), "line 2"},
        {"blank line", Good + "\r\n" + EncodeLine("3||n||d||t", 2), "line 2"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.What);
        TBookmarkList List(Dir.Path());
        List.Add(MakeGlossBookmark("Kept"));
        const std::string File = Dir.Write("Damaged.cbk", Case.Bytes);
        try {
            List.LoadBookmarks(File);
            ADD_FAILURE() << "the load went through";
        } catch (const ETxError& E) {
            EXPECT_NE(std::string(E.what()).find(Case.Message), std::string::npos) << E.what();
            EXPECT_NE(std::string(E.what()).find(File), std::string::npos) << E.what();
        }
        EXPECT_EQ(List.Count(), 1) << "nothing of the damaged file is appended";
    }
    TBookmarkList List(Dir.Path());
    EXPECT_THROW(List.LoadBookmarks(Dir.File("missing.cbk")), ETxError);
    EXPECT_THROW(List.ImportBookmarks(Dir.File("missing.cbk")), ETxError);
}

TEST_F(BookmarksTest, DamagedMainFileIsNeverWrittenOverUnlessTheUserAgrees) {
    const std::string Damaged = FileOf({"3||A||Glossary Term: A||A", "6||B||Hadith: B"});
    Dir.Write(BookmarksFileName, Damaged);
    std::vector<bool> Working;

    TBookmarkList List(Dir.Path());
    List.OnWorking = [&Working](bool W) { Working.push_back(W); };
    EXPECT_THROW(List.LoadMainFile(), ETxError);
    EXPECT_TRUE(List.MainFileDamaged());
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(Working, (std::vector<bool>{true, false})) << "the busy state ends on failure too";
    List.LoadMainFile(); // read once a run: no second error, nothing read twice
    EXPECT_EQ(List.Count(), 0);

    // Every way of writing the main file asks first; No keeps the file.
    List.Add(MakeGlossBookmark("New"));
    FakeShell.Answers = {mrNo, mrNo, mrNo, mrNo};
    EXPECT_FALSE(List.SaveMainFile());
    EXPECT_FALSE(List.SaveBookmarks(Dir.File("TXBOOKMARKS.DBX")));
    List.ExportBookmarks(Dir.File(BookmarksFileName));
    List.ClearBookmarks();
    EXPECT_EQ(Dir.Read(BookmarksFileName), Damaged);
    ASSERT_EQ(FakeShell.Messages.size(), 4u);
    EXPECT_EQ(FakeShell.Messages[0].Kind, mkWarning);
    EXPECT_EQ(FakeShell.Messages[0].Buttons, mbsYesNo);
    EXPECT_NE(FakeShell.Messages[0].Text.find("\"TxBookmarks.bad\""), std::string::npos);
    EXPECT_TRUE(List.MainFileDamaged());

    // Yes keeps the damaged file under a free name, then writes the list.
    Dir.Write("TxBookmarks.bad", "an older one");
    List.Add(MakeGlossBookmark("Newer"));
    FakeShell.Answers = {mrYes};
    EXPECT_TRUE(List.SaveMainFile());
    EXPECT_FALSE(List.MainFileDamaged());
    EXPECT_EQ(Dir.Read("TxBookmarks.bad"), "an older one");
    EXPECT_EQ(Dir.Read("TxBookmarks1.bad"), Damaged);
    TBookmarkList Reloaded(Dir.Path());
    Reloaded.LoadMainFile();
    ASSERT_EQ(Reloaded.Count(), 1);
    EXPECT_EQ(Reloaded.Item(0).Name, "Newer");
    EXPECT_EQ(FakeShell.Messages.size(), 5u);
    EXPECT_TRUE(List.SaveMainFile()) << "no question once the damaged file is kept";
    EXPECT_EQ(FakeShell.Messages.size(), 5u);
}

TEST_F(BookmarksTest, UnreadableMainFileCountsAsDamaged) {
    std::filesystem::create_directory(Dir.File(BookmarksFileName));
    TBookmarkList List(Dir.Path());
    EXPECT_THROW(List.LoadMainFile(), ETxError);
    EXPECT_TRUE(List.MainFileDamaged());
}

TEST_F(BookmarksTest, ImportingTheMainFileIsRefusedInAnyLetterCase) {
    TBookmarkList Main(Dir.Path());
    Main.Add(MakeGlossBookmark("Sunnah"));
    ASSERT_TRUE(Main.SaveMainFile());
    std::filesystem::create_directory(Dir.File("sub"));
    const std::string Spellings[] = {
        Dir.File("TxBookmarks.dbx"), Dir.File("TXBOOKMARKS.DBX"), Dir.File("txbookmarks.dbx"),
        Dir.File("sub/../TxBookmarks.dbx"), Dir.Path() + "./TxBookmarks.dbx"};
    for (const std::string& Name : Spellings) {
        SCOPED_TRACE(Name);
        FakeShell.Messages.clear();
        TBookmarkList List(Dir.Path());
        List.LoadMainFile();
        EXPECT_FALSE(List.ImportBookmarks(Name));
        EXPECT_EQ(List.Count(), 1);
        ASSERT_EQ(FakeShell.Messages.size(), 1u);
        const TRecordedMessage& M = FakeShell.Messages[0];
        EXPECT_EQ(M.Kind, mkWarning);
        EXPECT_EQ(M.Height, MsgHeightSmall);
        EXPECT_EQ(M.Buttons, mbsOK);
        EXPECT_EQ(M.Heading, "You can't import your own collection!");
        EXPECT_EQ(M.Text, "The file you selected for import contains your main collection of "
                          "bookmarks.\r\n\r\nYou cannot import from your main collection into "
                          "your main collection!");
    }
    EXPECT_EQ(RecordsOf(Dir.Read(BookmarksFileName)).size(), 1u);

    // The same name in another folder is someone else's file.
    std::filesystem::copy_file(Dir.File(BookmarksFileName), Dir.File("sub/TxBookmarks.dbx"));
    TBookmarkList List(Dir.Path());
    EXPECT_TRUE(List.ImportBookmarks(Dir.File("sub/TxBookmarks.dbx")));
    EXPECT_EQ(List.Count(), 2);

    // Without a folder of its own the list lives in the program folder.
    SetAppPath(Dir.Path());
    TBookmarkList InAppPath;
    EXPECT_EQ(InAppPath.MainFileName(), Dir.File("TxBookmarks.dbx"));
    EXPECT_EQ(InAppPath.BackupFileName(), Dir.File("Bookmarks.bak"));
    EXPECT_TRUE(InAppPath.IsMainFile(Dir.File("TxBookmarks.DBX")));
    ResetAppGlobals();
}

TEST_F(BookmarksTest, ClearAllLeavesTheFormerListInTheBackup) {
    TBookmarkList List(Dir.Path());
    Fill(List, EveryKind());
    ASSERT_TRUE(List.SaveMainFile());
    List.ClearBookmarks();
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(Dir.Read(BookmarksFileName), "");

    TBookmarkList Backup(Dir.Path());
    Backup.LoadBookmarks(Dir.File(BookmarksBackupName));
    EXPECT_EQ(Backup.Items(), EveryKind());

    // A second Clear All of the now empty list keeps that backup.
    List.ClearBookmarks();
    TBookmarkList Again(Dir.Path());
    Again.LoadBookmarks(Dir.File(BookmarksBackupName));
    EXPECT_EQ(Again.Count(), 7);

    // A later list replaces an earlier backup.
    List.Add(MakeGlossBookmark("Later"));
    List.ClearBookmarks();
    TBookmarkList Later(Dir.Path());
    Later.LoadBookmarks(Dir.File(BookmarksBackupName));
    ASSERT_EQ(Later.Count(), 1);
    EXPECT_EQ(Later.Item(0).Name, "Later");
}

TEST_F(BookmarksTest, FailedWriteLeavesTheOldFileIntact) {
    TBookmarkList List(Dir.Path());
    List.Add(MakeGlossBookmark("Old"));
    ASSERT_TRUE(List.SaveMainFile());
    const std::string Old = Dir.Read(BookmarksFileName);
    for (int i = 0; i < 50; ++i)
        List.Add(MakeGlossBookmark("Bookmark number " + std::to_string(i)));

    // A file size limit makes the write fail for root too; nothing is
    // printed while it is in force.
    rlimit Saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Saved), 0);
    const auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit Small = Saved;
    Small.rlim_cur = 512;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
    bool Threw = false;
    try {
        List.SaveMainFile();
    } catch (const ETxError&) {
        Threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, OldHandler);

    EXPECT_TRUE(Threw) << "a failed write is reported";
    EXPECT_EQ(Dir.Read(BookmarksFileName), Old);
    TStringList Names;
    ListFolder(Dir.Path() + "*", faAnyFile, Names);
    EXPECT_EQ(Names, TStringList{"TxBookmarks.dbx"}) << "no temporary file is left";
    EXPECT_THROW(List.SaveBookmarks(Dir.File("no/such/folder.cbk")), ETxError);
}

TEST_F(BookmarksTest, ChangesWaitWhileAFileIsReadOrWritten) {
    // A shell whose event processing tries to change the list, as a click
    // arriving during a load would.
    class TMeddlingShell : public TFakeShell {
    public:
        void ProcessEvents() override {
            try {
                List->Add(MakeGlossBookmark("Meddler"));
            } catch (const ETxError&) {
                ++Refused;
            }
        }
        TBookmarkList* List = nullptr;
        int Refused = 0;
    } Meddling;

    TBookmarkList List(Dir.Path());
    Fill(List, EveryKind());
    Meddling.List = &List;
    ASSERT_TRUE(List.SaveMainFile());
    TBookmarkList Reloaded(Dir.Path());
    Meddling.List = &Reloaded;
    Reloaded.LoadMainFile();
    EXPECT_EQ(Reloaded.Items(), EveryKind());
    EXPECT_EQ(Meddling.Refused, 14);
}

TEST_F(BookmarksTest, ListChanges) {
    TBookmarkList List(Dir.Path());
    Fill(List, {MakeGlossBookmark("a"), MakeGlossBookmark("b"), MakeGlossBookmark("c")});
    List.Reorder({2, 0, 1});
    EXPECT_EQ(List.Item(0).Name, "c");
    EXPECT_EQ(List.Item(2).Name, "b");
    List.Delete(1);
    EXPECT_EQ(List.Item(1).Name, "b");
    for (int Bad : {-1, 2})
        EXPECT_THROW(List.Delete(Bad), ETxError);
    EXPECT_THROW(List.Rename(5, "x"), ETxError);
    EXPECT_THROW(List.Reorder({0, 0}), ETxError);
    EXPECT_THROW(List.Reorder({0}), ETxError);
    EXPECT_EQ(List.Count(), 2);
}
