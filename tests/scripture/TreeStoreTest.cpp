// The tree item store: reading and writing indented lines, navigation, and
// the enciphered store of one file.
#include "app/AppGlobals.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "scripture/BasicTreeManager.h"
#include "scripture/QuranIndexHelper.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::string> Texts(const TOrvTreeItems& Store) {
    std::vector<std::string> Result;
    for (TOrvTreeItem* Item = Store.FirstItem(); Item; Item = Item->NextItem())
        Result.push_back(Item->Text);
    return Result;
}

} // namespace

TEST(TreeStore, LoadsIndentedLinesAndSavesThemBack) {
    const TStringList Lines = {"A", " B", "  C", " D", "E"};
    TOrvTreeItems Store;
    Store.LoadFromStrings(Lines);
    ASSERT_EQ(Store.Count(), 5);
    TOrvTreeItem* A = Store.Item(0);
    TOrvTreeItem* B = Store.Item(1);
    TOrvTreeItem* C = Store.Item(2);
    TOrvTreeItem* D = Store.Item(3);
    TOrvTreeItem* E = Store.Item(4);
    EXPECT_EQ(A->Parent, nullptr);
    EXPECT_EQ(E->Parent, nullptr);
    EXPECT_EQ(B->Parent, A);
    EXPECT_EQ(D->Parent, A);
    EXPECT_EQ(C->Parent, B);
    EXPECT_EQ(C->Level(), 2);
    EXPECT_EQ(A->ChildCount(), 2);
    EXPECT_EQ(A->IndexOfChild(D), 1);
    EXPECT_EQ(A->IndexOfChild(C), -1);
    EXPECT_EQ(A->Child(2), nullptr);
    EXPECT_EQ(B->FirstChild(), C);
    EXPECT_EQ(C->FirstChild(), nullptr);
    EXPECT_EQ(B->NextSibling(), D);
    EXPECT_EQ(D->NextSibling(), nullptr);
    EXPECT_EQ(A->NextSibling(), E);
    EXPECT_EQ(C->NextItem(), D);
    EXPECT_EQ(D->NextItem(), E);
    EXPECT_EQ(E->NextItem(), nullptr);
    EXPECT_EQ(Store.IndexOf(D), 3);

    TStringList Saved = {"old"};
    Store.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, Lines);
    Store.SaveToStrings(&Saved, false);
    EXPECT_EQ(Saved.size(), 10u);
    Store.SaveToStrings(nullptr, true);
}

TEST(TreeStore, TabsAndBlanksBothCountAsOneLevel) {
    TOrvTreeItems Store;
    Store.LoadFromStrings({"A", "\tB", "\t C", "  D", " \tE", "F"});
    EXPECT_EQ(Texts(Store), (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));
    EXPECT_EQ(Store.Item(3)->Parent, Store.Item(1)); // D under B
    EXPECT_EQ(Store.Item(4)->Parent, Store.Item(1));
    TStringList Saved;
    Store.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, (TStringList{"A", " B", "  C", "  D", "  E", "F"}));
}

TEST(TreeStore, LevelJumpRaisesAndKeepsWhatWasPlaced) {
    TOrvTreeItems Store;
    try {
        Store.LoadFromStrings({"  A", "    B", "C"});
        FAIL();
    } catch (const ETxError& E) {
        EXPECT_STREQ(E.what(), "Invalid Node Level");
    }
    ASSERT_EQ(Store.Count(), 1);
    EXPECT_EQ(Store.Item(0)->Text, "A");
    EXPECT_EQ(Store.Item(0)->Level(), 0);

    EXPECT_THROW(Store.LoadFromStrings({"A", " B", "   C"}), ETxError);
    EXPECT_EQ(Store.Count(), 2);
}

TEST(TreeStore, DataTextsOnlyWhenDataObjectsAreCreated) {
    const TStringList Lines = {"A\tx", " B\ty\tz", " C\t", "D"};
    TOrvTreeItems Plain;
    Plain.LoadFromStrings(Lines);
    EXPECT_EQ(Plain.Item(0)->Text, "A");
    EXPECT_EQ(Plain.Item(0)->Data, nullptr);
    TStringList Saved;
    Plain.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, (TStringList{"A", " B", " C", "D"}));

    TOrvTreeItems WithData;
    WithData.CreateDataObjects = true;
    WithData.LoadFromStrings(Lines);
    ASSERT_NE(WithData.Item(0)->Data, nullptr);
    EXPECT_EQ(WithData.Item(0)->Data->Text, "x");
    ASSERT_NE(WithData.Item(1)->Data, nullptr);
    EXPECT_EQ(WithData.Item(1)->Text, "B");
    EXPECT_EQ(WithData.Item(1)->Data->Text, "y\tz");
    EXPECT_EQ(WithData.Item(2)->Data, nullptr); // empty data text
    WithData.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, (TStringList{"A\tx", " B\ty\tz", " C", "D"}));
}

TEST(TreeStore, BuiltTreeIsWrittenDepthFirst) {
    TOrvTreeItems Store;
    TOrvTreeItem* R1 = Store.Add(nullptr, "R1");
    TOrvTreeItem* R2 = Store.Add(nullptr, "R2");
    Store.Add(R1, "R1a", std::make_unique<TOrvStrObj>("data"));
    Store.Add(R2, "R2a");
    TStringList Saved;
    Store.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, (TStringList{"R1", " R1a\tdata", "R2", " R2a"}));

    // Re-parenting moves an item; a cycle is refused.
    TOrvTreeItem* R1a = R1->FirstChild();
    R2->AddChild(R1a);
    EXPECT_EQ(R1->ChildCount(), 0);
    EXPECT_EQ(R1a->Parent, R2);
    R1a->AddChild(R2);
    R1a->AddChild(R1a);
    EXPECT_EQ(R2->Parent, nullptr);
    EXPECT_EQ(R1a->ChildCount(), 0);
    Store.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, (TStringList{"R1", "R2", " R2a", " R1a\tdata"}));

    Store.Clear();
    EXPECT_EQ(Store.FirstItem(), nullptr);
    EXPECT_EQ(Store.IndexOf(nullptr), -1);
    Store.SaveToStrings(&Saved, true);
    EXPECT_TRUE(Saved.empty());
}

TEST(TreeStore, LineEventSeesEveryLineWithItsIndex) {
    TOrvTreeItems Store;
    std::vector<std::pair<int, bool>> Seen;
    Store.OnLine = [&](TOrvDataObjManager* Sender, std::string& Line, int Index, bool Encode) {
        EXPECT_EQ(Sender, &Store);
        Seen.emplace_back(Index, Encode);
        if (!Encode)
            Line = ReplaceAll(Line, "_", " ");
    };
    Store.LoadFromStrings({"A", "_B"});
    EXPECT_EQ(Store.Item(1)->Parent, Store.Item(0));
    TStringList Saved;
    Store.SaveToStrings(&Saved, true);
    EXPECT_EQ(Seen,
              (std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {0, true}, {1, true}}));
}

TEST(TreeStore, EncipheredFileRoundTrip) {
    TTempDir Dir;
    const TStringList Lines = {"Chapters", " Al-Fatiha\t1", "  The Opening", " Al-Baqara\t2",
                               "Themes"};
    TBasicTreeManager Writer(Dir.File("Index.dbx"), 0);
    EXPECT_TRUE(Writer.Ciphered());
    Writer.CreateDataObjects = true;
    Writer.OnLine = nullptr; // load plain lines, then write enciphered
    Writer.LoadFromStrings(Lines);
    Writer.SetCiphered(true);
    ASSERT_TRUE(Writer.SaveToFile());

    const TStringList OnDisk = TextToLines(Dir.Read("Index.dbx"));
    ASSERT_EQ(OnDisk.size(), Lines.size());
    for (size_t I = 0; I < Lines.size(); ++I)
        EXPECT_EQ(DecodeLine(OnDisk[I], static_cast<int>(I)), Lines[I]);
    EXPECT_EQ(Dir.Read("Index.dbx").find("Fatiha"), std::string::npos);

    TBasicTreeManager Reader(Dir.File("Index.dbx"), 0);
    Reader.CreateDataObjects = true;
    ASSERT_TRUE(Reader.LoadFromFile());
    Reader.SetCiphered(false);
    TStringList Saved;
    Reader.SaveToStrings(&Saved, true);
    EXPECT_EQ(Saved, Lines);

    TBasicTreeManager Missing(Dir.File("none.dbx"), 0);
    EXPECT_FALSE(Missing.LoadFromFile());
    EXPECT_EQ(Missing.Count(), 0);
}

TEST(TreeStore, ScriptureIndexLivesInTheProgramFolder) {
    SetAppPath("/opt/tarvix");
    TQuranIndexHelper Index;
    EXPECT_EQ(Index.FileName, "/opt/tarvix/QIndex.dbx");
    EXPECT_EQ(Index.Value, 0);
    EXPECT_TRUE(Index.Ciphered());
    EXPECT_EQ(Index.Count(), 0);
    ResetAppGlobals();
}

TEST(TreeStore, RandomTreesRoundTripAndRandomIndentsNeverCrash) {
    std::mt19937 Random(7);
    for (int Round = 0; Round < 50; ++Round) {
        TOrvTreeItems Store;
        std::vector<TOrvTreeItem*> Placed;
        for (int I = 0; I < 40; ++I) {
            TOrvTreeItem* Parent =
                Placed.empty() || Random() % 4 == 0 ? nullptr : Placed[Random() % Placed.size()];
            auto Data =
                Random() % 2 ? std::make_unique<TOrvStrObj>("d " + std::to_string(I)) : nullptr;
            Placed.push_back(Store.Add(Parent, "item " + std::to_string(I), std::move(Data)));
        }
        TStringList First;
        Store.SaveToStrings(&First, true);
        ASSERT_EQ(First.size(), 40u);
        TOrvTreeItems Copy;
        Copy.CreateDataObjects = true;
        Copy.LoadFromStrings(First);
        TStringList Second;
        Copy.SaveToStrings(&Second, true);
        EXPECT_EQ(Second, First);

        TStringList Noise;
        for (int I = 0; I < 20; ++I)
            Noise.push_back(std::string(Random() % 4, " \t"[Random() % 2]) + "n");
        try {
            Copy.LoadFromStrings(Noise);
        } catch (const ETxError& E) {
            EXPECT_STREQ(E.what(), "Invalid Node Level");
        }
        TStringList Saved;
        Copy.SaveToStrings(&Saved, true);
        EXPECT_EQ(Saved.size(), static_cast<size_t>(Copy.Count()));
    }
}
