#include "hadith/CollectionManager.h"

#include "app/AppGlobals.h"
#include "controls/MemoryTree.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "hadith/CollectionWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

TCollectionSource Source(const std::string& ID, const std::string& Name,
                         const std::string& TextFormat = "PLAIN") {
    TCollectionSource S;
    S.ID = ID;
    S.Name = Name;
    S.TextFormat = TextFormat;
    S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
    S.Records = {{"Chain one", "Text one"}, {"", "Text two"}};
    S.Categories = {{1, "Faith"}, {2, "Prayer"}};
    S.Classes = {{1, "Sound"}};
    S.Information = {{2, "Note"}};
    return S;
}

std::string FileText(const TCollectionSource& S) {
    return CollectionFileText(S);
}

// The file of S with one byte of its last line changed.
std::string TamperedText(const TCollectionSource& S) {
    std::string Text = FileText(S);
    char& C = Text[Text.size() - 4];
    C = C == 'A' ? 'B' : 'A';
    return Text;
}

// A program folder with a fake shell and a fresh registry.
class CollectionManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppGlobals();
        ResetVerification();
        ResetHadithCollManager();
        SetAppPath(App.Path());
    }
    void TearDown() override {
        ResetHadithCollManager();
        ResetVerification();
        ResetAppGlobals();
    }

    std::string Put(const TTempDir& Dir, const std::string& FileName,
                    const TCollectionSource& S) const {
        return Dir.Write(FileName, FileText(S));
    }
    // Registers the collection of a file written into the program folder.
    THadithHelper* Register(const std::string& FileName, const TCollectionSource& S) {
        auto Collection = std::make_unique<THadithHelper>(Put(App, FileName, S));
        EXPECT_TRUE(Collection->IsValid()) << FileName << ": " << Collection->LoadError();
        return Manager.AddCollection(std::move(Collection));
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> Result;
        for (int I = 0; I < Manager.CollectionCount(); ++I)
            Result.push_back(Manager.CollectionAt(I)->CollectionName());
        return Result;
    }

    TFakeShell FakeShell;
    TTempDir App;
    THadithCollManager Manager;
};

// Runs F and returns the ETxError message it raised ("" when none).
template <typename F> std::string ErrorOf(F&& Call) {
    try {
        Call();
    } catch (const ETxError& E) {
        return E.what();
    }
    return std::string();
}

} // namespace

TEST_F(CollectionManagerTest, RegistersOncePerNameAndStartsOnTheFirst) {
    EXPECT_EQ(Manager.ActiveView(), nullptr); // index 0 of an empty registry
    EXPECT_EQ(Manager.EnglishModule(), nullptr);
    EXPECT_FALSE(Manager.HasCollection(nullptr));

    THadithHelper* Arabic = Register("A.dbh", Source("DORREL_ANVESH", "Dorrel (Arabic)"));
    THadithHelper* English = Register("E.dbh", Source("DORREL_ANVESH", "Dorrel (English)"));
    ASSERT_NE(Arabic, nullptr);
    ASSERT_NE(English, nullptr);
    EXPECT_EQ(Manager.ActiveView(), Arabic);
    EXPECT_EQ(Manager.EnglishModule(), Arabic);
    EXPECT_EQ(Manager.ArabicIndex(), 0);

    // The same name in other case and with blanks is the same collection.
    EXPECT_EQ(Register("B.dbh", Source("OTHER", " DORREL (english) ")), nullptr);
    EXPECT_EQ(Register("C.dbh", Source("DORREL_ANVESH", "Dorrel (English)")), nullptr);
    EXPECT_EQ(Names(), (TLines{"Dorrel (Arabic)", "Dorrel (English)"}));
    EXPECT_FALSE(Manager.GroupExists("OTHER"));
    EXPECT_EQ(Manager.GroupMemberCount("DORREL_ANVESH"), 2);

    EXPECT_EQ(ErrorOf([&] { Manager.CollectionAt(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { Manager.CollectionAt(-1); }), "List index out of bounds (-1)");
}

TEST_F(CollectionManagerTest, BuiltInModulesMustBeTheRegisteredObjects) {
    THadithHelper* Arabic = Register("A.dbh", Source("G", "Arabic"));
    THadithHelper* English = Register("E.dbh", Source("G", "English"));
    Manager.SetArabicModule(Arabic);
    Manager.SetEnglishModule(English);
    EXPECT_EQ(Manager.ArabicIndex(), 0);
    EXPECT_EQ(Manager.EnglishIndex(), 1);
    EXPECT_EQ(Manager.EnglishModule(), English);

    // A second object over the same file is not the registered one.
    const THadithHelper Twin(App.File("E.dbh"));
    EXPECT_EQ(ErrorOf([&] { Manager.SetEnglishModule(&Twin); }),
              "English Hadith Module not Registered");
    EXPECT_EQ(Manager.EnglishIndex(), -1);
    EXPECT_EQ(Manager.EnglishModule(), nullptr);
    EXPECT_EQ(ErrorOf([&] { Manager.SetArabicModule(nullptr); }),
              "Arabic Hadith Module not Registered");
    EXPECT_EQ(Manager.ArabicIndex(), -1);
}

TEST_F(CollectionManagerTest, FindIgnoresCaseButActiveViewNeedsTheExactName) {
    Register("E.dbh", Source("FENWIR", "Fenwir (English)"));
    THadithHelper* Target =
        Register("A.dbh", Source("DORREL_ANVESH", "Dorrel and Anvesh (Arabic)"));

    struct TCase {
        std::string Key;
        bool Found;  // FindCollection finds Target
        bool Active; // SetActiveView accepts it
    };
    const TCase Cases[] = {
        {"DORREL_ANVESH::Dorrel and Anvesh (Arabic)", true, true},
        {"Dorrel and Anvesh (Arabic)", true, true},
        {"FENWIR::Dorrel and Anvesh (Arabic)", true, true}, // the prefix is not checked
        {"DORREL AND ANVESH (ARABIC)", true, false},
        {"dorrel_anvesh::dorrel and anvesh (arabic)", true, false},
        {"  Dorrel and Anvesh (Arabic) ", true, false},
        {"Dorrel and Anvesh", false, false},
        {"DORREL_ANVESH", false, false},
        {"", false, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE("key \"" + Case.Key + "\"");
        EXPECT_EQ(Manager.FindCollection(Case.Key), Case.Found ? Target : nullptr);
        Manager.SetActiveView("Fenwir (English)");
        const std::string Error = ErrorOf([&] { Manager.SetActiveView(Case.Key); });
        if (Case.Active) {
            EXPECT_EQ(Error, "");
            EXPECT_EQ(Manager.ActiveIndex(), 1);
            EXPECT_EQ(Manager.ActiveView(), Target);
        } else {
            EXPECT_EQ(Error, "Hadith Collection Module not Registered");
            EXPECT_EQ(Manager.ActiveIndex(), -1);
            EXPECT_EQ(Manager.ActiveView(), nullptr);
        }
    }
    EXPECT_EQ(Manager.IndexOfCollection(" fenwir (ENGLISH)"), 0);
    EXPECT_EQ(Manager.IndexOfCollection("DORREL_ANVESH::Dorrel and Anvesh (Arabic)"), -1);
}

TEST_F(CollectionManagerTest, GroupsFollowKeysIgnoringCase) {
    THadithHelper* A = Register("1.dbh", Source("Dorrel_Anvesh", "Arabic"));
    THadithHelper* F = Register("2.dbh", Source("FENWIR", "Fenwir"));
    THadithHelper* E = Register("3.dbh", Source("DORREL_ANVESH", "English"));

    ASSERT_EQ(Manager.GroupCount(), 2);
    EXPECT_EQ(Manager.GroupAt(0), "Dorrel_Anvesh"); // spelled as first seen
    EXPECT_EQ(Manager.GroupAt(1), "FENWIR");
    EXPECT_EQ(ErrorOf([&] { Manager.GroupAt(2); }), "List index out of bounds (2)");
    EXPECT_TRUE(Manager.GroupExists("dorrel_anvesh"));
    EXPECT_EQ(Manager.GroupMemberCount("DORREL_ANVESH"), 2);
    EXPECT_EQ(Manager.GroupMember("dorrel_ANVESH", 0), A);
    EXPECT_EQ(Manager.GroupMember("DORREL_ANVESH", 1), E);
    EXPECT_EQ(Manager.GroupMember("FENWIR", 0), F);
    EXPECT_EQ(Manager.GroupMember("FENWIR", 1), nullptr);
    EXPECT_EQ(Manager.GroupMember("FENWIR", -1), nullptr);
    EXPECT_EQ(Manager.GroupMember("NOPE", 0), nullptr);
    EXPECT_EQ(Manager.GroupMemberCount("NOPE"), 0);

    Manager.AddToGroup(E); // already a member
    EXPECT_EQ(Manager.GroupMemberCount("DORREL_ANVESH"), 2);
}

TEST_F(CollectionManagerTest, ListsViewKeysGroupByGroup) {
    Register("1.dbh", Source("G1", "Plain One"));
    Register("2.dbh", Source("G2", "Code Page", "CODEPAGE[1256]"));
    Register("3.dbh", Source("G2", "Entities", "NCR"));
    Register("4.dbh", Source("g1", "Plain Two", " plain "));
    Register("5.dbh", Source("G2", "Plain Three"));

    TLines Keys{"stale"};
    Manager.ListViewKeys(Keys);
    EXPECT_EQ(Keys, (TLines{"G1::Plain One", "g1::Plain Two", "G2::Code Page", "G2::Entities",
                            "G2::Plain Three"}));
    Manager.ListPlainViewKeys(Keys);
    EXPECT_EQ(Keys, (TLines{"G1::Plain One", "g1::Plain Two", "G2::Plain Three"}));
}

TEST_F(CollectionManagerTest, FillsTheCollectionTreeWithOrWithoutGroups) {
    Register("1.dbh", Source("G1", "One"));
    Register("2.dbh", Source("G2", "Two"));
    Register("3.dbh", Source("G1", "Three"));

    TMemoryTree Tree;
    Tree.AddChild(nullptr, "old node");
    Manager.FillCollectionTree(Tree, true);
    EXPECT_EQ(Tree.Dump(), "G1 [-1]\n  One [1]\n  Three [1]\nG2 [-1]\n  Two [1]\n");
    EXPECT_TRUE(TMemoryTree::AsNode(Tree.Child(nullptr, 0))->Expanded);

    Manager.FillCollectionTree(Tree, false);
    EXPECT_EQ(Tree.Dump(), "One [1]\nThree [1]\nTwo [1]\n");
}

TEST_F(CollectionManagerTest, LoadsTheFolderAndListsDamagedFiles) {
    // The built-in collections are registered before the folder is read.
    Register("Builtin_Arabic.dbh", Source("DA", "Built-in Arabic"));
    Register("Builtin_English.dbh", Source("DA", "Built-in English"));

    Put(App, "Fenwir_A.dbh", Source("FENWIR", "Fenwir"));
    Put(App, "Upper.DBH", Source("OTHER", "Upper Case Extension"));
    // The same name found again: dropped silently.
    Put(App, "Fenwir_B.dbh", Source("FENWIR", "FENWIR"));
    App.Write("Garbage.dbh", "not a collection\r\n");
    std::string Cut = FileText(Source("X", "Cut short"));
    App.Write("Cut.dbh", Cut.substr(0, Cut.size() - 40));
    App.Write("Tampered.dbh", TamperedText(Source("X", "Tampered")));
    App.Write("Empty.dbh", "");
    // Not ordinary collection files: left alone.
    Put(App, ".Hidden.dbh", Source("H", "Hidden"));
    Put(App, "Other.txt", Source("T", "Text"));
    ASSERT_EQ(::mkdir(App.File("Folder.dbh").c_str(), 0755), 0);

    Manager.LoadCollections();
    EXPECT_EQ(Names(),
              (TLines{"Built-in Arabic", "Built-in English", "Fenwir", "Upper Case Extension"}));
    EXPECT_EQ(Manager.BadCollections(),
              (TLines{"Cut.dbh", "Empty.dbh", "Garbage.dbh", "Tampered.dbh"}));
    EXPECT_TRUE(Manager.MissingFontCollections().empty());
    ASSERT_FALSE(FakeShell.Captions.empty());
    EXPECT_EQ(FakeShell.Captions.back(), "Loading...");
    EXPECT_TRUE(FakeShell.Messages.empty());
}

TEST_F(CollectionManagerTest, CollectionsNeedingAMissingFontAreNotedInsteadOfRegistered) {
    Put(App, "A.dbh", Source("G", "Needs a font"));
    Put(App, "B.dbh", Source("G", "Shown"));
    Manager.MissingFontNote = [](const THadithHelper& Collection) {
        return Collection.CollectionName() == "Needs a font" ? std::string("Needs a font: Verdana")
                                                             : std::string();
    };
    Manager.LoadCollections();
    EXPECT_EQ(Names(), (TLines{"Shown"}));
    EXPECT_EQ(Manager.MissingFontCollections(), (TLines{"Needs a font: Verdana"}));
    EXPECT_TRUE(Manager.BadCollections().empty());
}

TEST_F(CollectionManagerTest, LoadsNothingAfterAFailedVerification) {
    Put(App, "A.dbh", Source("G", "A"));
    App.Write("Bad.dbh", "x");
    VerificationHasFailed = true;
    Manager.LoadCollections();
    EXPECT_EQ(Manager.CollectionCount(), 0);
    EXPECT_TRUE(Manager.BadCollections().empty());
}

TEST_F(CollectionManagerTest, VerifiesEveryCollectionWithAPauseAfterEach) {
    Register("A.dbh", Source("G", "A"));
    Register("B.dbh", Source("G", "B"));
    EXPECT_EQ(Manager.GetModuleName(), "Hadith Collection Modules");
    EXPECT_TRUE(Manager.Verify());
    EXPECT_EQ(FakeShell.Pauses, (std::vector<int>{200, 200}));
}

TEST_F(CollectionManagerTest, ResetEmptiesTheGlobalRegistry) {
    HadithCollManager.AddCollection(
        std::make_unique<THadithHelper>(Put(App, "A.dbh", Source("G", "A"))));
    HadithCollManager.SetActiveView("A");
    ProbedCollectionName = "A";
    ResetHadithCollManager();
    EXPECT_EQ(HadithCollManager.CollectionCount(), 0);
    EXPECT_EQ(HadithCollManager.GroupCount(), 0);
    EXPECT_EQ(HadithCollManager.ActiveIndex(), 0);
    EXPECT_EQ(ProbedCollectionName, "");
}

// ---- installing ------------------------------------------------------------

namespace {

const std::string InvalidText =
    "Collection file is Invalid. It may have been damaged, please obtain another copy and try "
    "again.\r\n\r\nIf you downloaded the file, try re-downloading and installing it "
    "again.\r\n\r\nIf this problems persists, please contact Velorin.";
const std::string RestartText =
    "Your new Hadith Collection has been installed!\r\n\r\nTo view the Collection you must "
    "*Restart* Tarvix.";
const std::string StartedText =
    "Your new Hadith Collection has been installed!\r\n\r\nNote: The \"Collections\" manager "
    "and \"Language Assistant\" provide powerful features that you can use with your new "
    "Hadith collection.";
const std::string FailedText =
    "There was an error installing the collection. This error is most likely to be caused by "
    "file attributes or permissions of files in your Tarvix program folder\r\n\r\nNote: You can "
    "also install Hadith collections by copying the Hadith file (*.dbh) to your Tarvix folder.";

} // namespace

class CollectionInstallTest : public CollectionManagerTest {
protected:
    // The one message the install showed.
    TRecordedMessage Only() const {
        EXPECT_EQ(FakeShell.Messages.size(), 1u);
        if (FakeShell.Messages.empty())
            return {};
        const TRecordedMessage& M = FakeShell.Messages.front();
        EXPECT_EQ(M.Height, MsgHeightSmall);
        EXPECT_EQ(M.Buttons, mbsOK);
        return M;
    }
    // Files of the program folder, sorted.
    TLines AppFiles() const {
        TLines Files;
        ListFolder(App.Path() + "*", faAnyFile, Files);
        return Files;
    }

    TTempDir Downloads;
};

TEST_F(CollectionInstallTest, InstallsANewFile) {
    const std::string Bytes = FileText(Source("NEW", "New Collection"));
    const std::string File = Downloads.Write("New.dbh", Bytes);
    Manager.InstallCollection(File);

    const TRecordedMessage M = Only();
    EXPECT_EQ(M.Kind, mkInformation);
    EXPECT_EQ(M.Heading, "Installation Successful!");
    EXPECT_EQ(M.Text, RestartText);
    EXPECT_EQ(App.Read("New.dbh"), Bytes);
    EXPECT_EQ(AppFiles(), (TLines{"New.dbh"})); // no temporary left behind
    EXPECT_EQ(ProbedCollectionName, "New Collection");
    EXPECT_EQ(Manager.CollectionCount(), 0); // loaded only at the next start
    EXPECT_EQ(Downloads.Read("New.dbh"), Bytes);
}

TEST_F(CollectionInstallTest, StartedWithAFileAnnouncesTheCollection) {
    StartedWithFile = true;
    AppTitle = "Reader";
    Manager.InstallCollection(Put(Downloads, "New.dbh", Source("NEW", "Started")));
    const TRecordedMessage M = Only();
    EXPECT_EQ(M.Heading, "Installation Successful!");
    EXPECT_EQ(M.Text, StartedText);
    EXPECT_TRUE(StartedWithFile);
    EXPECT_EQ(ProbedCollectionName, "Started");
}

TEST_F(CollectionInstallTest, RefusesMissingAndInvalidFiles) {
    struct TCase {
        std::string Name;
        std::string Bytes; // nothing written when empty
        std::string Heading;
        std::string Text;
    };
    const std::string Tampered = TamperedText(Source("X", "Tampered"));
    const TCase Cases[] = {
        {"Missing.dbh", "", "Collection file Missing!",
         "Cannot find the file you selected. Please try again."},
        {"Garbage.dbh", "no collection here", "Translation is Invalid!", InvalidText},
        {"Tampered.dbh", Tampered, "Translation is Invalid!", InvalidText},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        FakeShell.Messages.clear();
        StartedWithFile = true;
        ProbedCollectionName = "Before";
        const std::string File =
            Case.Bytes.empty() ? Downloads.File(Case.Name) : Downloads.Write(Case.Name, Case.Bytes);
        Manager.InstallCollection(File);
        const TRecordedMessage M = Only();
        EXPECT_EQ(M.Kind, mkError);
        EXPECT_EQ(M.Heading, Case.Heading);
        EXPECT_EQ(M.Text, Case.Text);
        EXPECT_FALSE(StartedWithFile);
        EXPECT_EQ(ProbedCollectionName, "Before");
        EXPECT_TRUE(AppFiles().empty());
    }
    // A folder is not a collection file.
    FakeShell.Messages.clear();
    Manager.InstallCollection(Downloads.Path());
    EXPECT_EQ(Only().Heading, "Collection file Missing!");
}

TEST_F(CollectionInstallTest, TheInstalledFileItselfIsAlreadyInstalled) {
    const std::string Bytes = FileText(Source("G", "Installed"));
    const std::string Installed = App.Write("Installed.dbh", Bytes);
    ASSERT_EQ(::symlink(Installed.c_str(), Downloads.File("Installed.dbh").c_str()), 0);
    // The same file under its own name, another spelling, or a link that
    // would be copied onto itself.
    const TLines Paths{Installed, App.Path() + "./Installed.dbh", Downloads.File("Installed.dbh")};
    for (const std::string& Path : Paths) {
        SCOPED_TRACE(Path);
        FakeShell.Messages.clear();
        Manager.InstallCollection(Path);
        const TRecordedMessage M = Only();
        EXPECT_EQ(M.Kind, mkWarning);
        EXPECT_EQ(M.Heading, "Already Installed!");
        EXPECT_EQ(M.Text, "This Collection is already installed!");
        EXPECT_EQ(App.Read("Installed.dbh"), Bytes);
        EXPECT_EQ(AppFiles(), (TLines{"Installed.dbh"}));
    }
}

TEST_F(CollectionInstallTest, AFolderNamedLikeTheProgramFolderIsAnotherFolder) {
    SetAppPath(App.File("prog"));
    ASSERT_EQ(::mkdir(App.File("prog").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(App.File("PROG").c_str(), 0755), 0);
    const std::string Bytes = FileText(Source("G", "Elsewhere"));
    Manager.InstallCollection(App.Write("PROG/Coll.dbh", Bytes));
    EXPECT_EQ(Only().Heading, "Installation Successful!");
    EXPECT_EQ(App.Read("prog/Coll.dbh"), Bytes);
}

TEST_F(CollectionInstallTest, KeepsTheFormerFileAsBackup) {
    struct TCase {
        std::string Name;
        std::string Backup;
    };
    const TCase Cases[] = {
        {"Coll.dbh", "Coll.bak"},
        {"Coll.v2.dbh", "Coll.bak"}, // the name up to its first dot
        {"NoDot", ".bak"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        FakeShell.Messages.clear();
        const std::string Old = FileText(Source("G", "Old " + Case.Name));
        const std::string New = FileText(Source("G", "New " + Case.Name));
        App.Write(Case.Name, Old);
        App.Write(Case.Backup, "older backup");
        // Read-only files are replaced all the same.
        ::chmod(App.File(Case.Name).c_str(), 0444);
        ::chmod(App.File(Case.Backup).c_str(), 0444);
        Manager.InstallCollection(Downloads.Write(Case.Name, New));
        EXPECT_EQ(Only().Heading, "Installation Successful!");
        EXPECT_EQ(App.Read(Case.Name), New);
        EXPECT_EQ(App.Read(Case.Backup), Old);
    }
    EXPECT_EQ(AppFiles(), (TLines{".bak", "Coll.bak", "Coll.dbh", "Coll.v2.dbh", "NoDot"}));
}

TEST_F(CollectionInstallTest, AFailedInstallationLeavesTheProgramFolderAsItWas) {
    // A folder in the target's place cannot be replaced by the copy.
    ASSERT_EQ(::mkdir(App.File("Coll.dbh").c_str(), 0755), 0);
    App.Write("Coll.dbh/inside", "kept");
    App.Write("Coll.bak", "older backup");
    StartedWithFile = true;
    Manager.InstallCollection(Put(Downloads, "Coll.dbh", Source("G", "New")));

    const TRecordedMessage M = Only();
    EXPECT_EQ(M.Kind, mkInformation);
    EXPECT_EQ(M.Heading, "Installation Failed!");
    EXPECT_EQ(M.Text, FailedText);
    EXPECT_FALSE(StartedWithFile);
    EXPECT_EQ(App.Read("Coll.dbh/inside"), "kept");
    EXPECT_EQ(App.Read("Coll.bak"), "older backup");
    EXPECT_EQ(AppFiles(), (TLines{"Coll.bak", "Coll.dbh"}));
}

TEST_F(CollectionInstallTest, AFailedCopyKeepsTheInstalledFileInPlace) {
    const std::string Old = FileText(Source("G", "Old"));
    App.Write("Coll.dbh", Old);
    App.Write("Coll.bak", "older backup");
    const std::string File = Put(Downloads, "Coll.dbh", Source("G", "New"));

    // Writes stop after a few bytes, as on a full disk.
    rlimit Saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &Saved), 0);
    const auto OldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit Small = Saved;
    Small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &Small), 0);
    Manager.InstallCollection(File);
    ::setrlimit(RLIMIT_FSIZE, &Saved);
    ::signal(SIGXFSZ, OldHandler);

    EXPECT_EQ(Only().Heading, "Installation Failed!");
    EXPECT_EQ(App.Read("Coll.dbh"), Old);
    EXPECT_EQ(App.Read("Coll.bak"), "older backup");
    EXPECT_EQ(AppFiles(), (TLines{"Coll.bak", "Coll.dbh"}));
}
