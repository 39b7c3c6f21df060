// Damaged glossary files: the loader either reads them or raises ETxError,
// never crashes or runs away, and every look-up on what it read stays safe.
#include "data/TxError.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/GlossaryWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const TStringList BaseLines = {
    "<<T:Salah>>|<<O:Salat,  Salaat>>",
    "Prayer",
    "<<T:Ahl al-Kitab,Ahl-ul-Kitab>>|<<O:>>",
    "People of the Book",
    "<<T:Zakah>>|<<O:Zakat>>|<<JQ:Zakaat,Zakat>>[P]",
    "Alms",
    "<<T:Hadith>>|<<O:Hadeeth>>",
    "A report",
};

// Pieces that steer the term-line parser into its corners.
const char* const Fragments[] = {"<<T:", ">>", "|<<O:", ">>|<<JQ:", "<<JQ:", "[P]", ",",
                                 ",  ",  ", ", "'s",    "s",        " ",     "",    "\t"};

std::string RandomBytes(std::mt19937& Rng, size_t MaxLength) {
    std::uniform_int_distribution<size_t> Length(0, MaxLength);
    std::uniform_int_distribution<int> Byte(0, 255);
    std::string Text(Length(Rng), '\0');
    for (char& C : Text)
        C = static_cast<char>(Byte(Rng));
    return Text;
}

// One or more random edits of the stored bytes.
std::string DamageStored(std::string Bytes, std::mt19937& Rng) {
    std::uniform_int_distribution<int> Kind(0, 5);
    std::uniform_int_distribution<int> Edits(1, 4);
    for (int e = Edits(Rng); e > 0; --e) {
        const size_t Size = Bytes.size();
        const size_t At = Size ? std::uniform_int_distribution<size_t>(0, Size - 1)(Rng) : 0;
        switch (Kind(Rng)) {
        case 0: // flip one bit
            if (Size)
                Bytes[At] = static_cast<char>(Bytes[At] ^ (1 << (Rng() % 8)));
            break;
        case 1: // cut the file short
            Bytes.resize(At);
            break;
        case 2: // insert noise, line breaks included
            Bytes.insert(At, RandomBytes(Rng, 6) + (Rng() % 2 ? "\r\n" : "\n"));
            break;
        case 3: // drop a run of bytes
            Bytes.erase(At, Rng() % 40);
            break;
        case 4: // a stray line break shifts the line indexes after it
            Bytes.insert(At, Rng() % 2 ? "\r" : "\n");
            break;
        default: // repeat a run of bytes
            Bytes.insert(At, Bytes.substr(At, Rng() % 60));
            break;
        }
    }
    return Bytes;
}

// Plain lines built from fragments, enciphered properly, so the parser
// itself (not only the cipher) sees damaged records.
TStringList RandomPlainLines(std::mt19937& Rng) {
    std::uniform_int_distribution<int> LineCount(0, 9);
    std::uniform_int_distribution<size_t> Pick(0, std::size(Fragments) - 1);
    TStringList Lines;
    for (int n = LineCount(Rng); n > 0; --n) {
        std::string Line;
        for (int p = Rng() % 8; p > 0; --p)
            Line += Rng() % 3 ? std::string(Fragments[Pick(Rng)]) : RandomBytes(Rng, 3);
        // CR and LF would split the line when stored.
        for (char& C : Line)
            if (C == '\r' || C == '\n')
                C = ' ';
        Lines.push_back(Line);
    }
    return Lines;
}

void ExerciseEverything(TGlossaryHelper& Gloss, size_t LineCount, std::mt19937& Rng) {
    ASSERT_LE(static_cast<size_t>(Gloss.TermCount()), LineCount / 2);
    TStringList Names;
    Gloss.ListTerms(Names);
    ASSERT_EQ(Names.size(), static_cast<size_t>(Gloss.TermCount()));
    for (int i = 0; i < Gloss.TermCount(); ++i) {
        const TGlossaryTerm T = Gloss.GetTerm(i);
        EXPECT_FALSE(Gloss.BuildTermPage(i, 0x797900).empty());
        // Every headword finds a term at or before its own place.
        const int Found = Gloss.FindTerm(T.Term);
        if (!TrimText(T.Term).empty()) {
            EXPECT_NE(Found, -1);
            EXPECT_LE(Found, i);
        }
        Gloss.FindTermFlexible(T.Term + "'s");
        Gloss.FindTermFlexible(T.AlternateSpellings);
        Gloss.ProperSpelling(T.Term, true);
    }
    for (int w = 0; w < 5; ++w) {
        const std::string Word = RandomBytes(Rng, 4) + (w % 2 ? "s" : "'s");
        const int Found = Gloss.FindTermFlexible(Word);
        EXPECT_GE(Found, -1);
        EXPECT_LT(Found, Gloss.TermCount());
    }
    EXPECT_THROW(Gloss.GetTerm(Gloss.TermCount()), ETxError);
}

} // namespace

TEST(GlossaryFuzz, DamagedStoredBytes) {
    TTempDir Dir;
    const std::string Good = EncipherGlossaryLines(BaseLines);
    std::mt19937 Rng(20261211);
    int Loaded = 0;
    int Raised = 0;
    for (int Round = 0; Round < 300; ++Round) {
        const std::string Bytes = DamageStored(Good, Rng);
        TGlossaryHelper Gloss(Dir.Write("Gloss.dbx", Bytes), "");
        try {
            Gloss.LoadGlossary();
        } catch (const ETxError&) {
            ++Raised;
            EXPECT_FALSE(Gloss.Loaded());
            continue;
        }
        ++Loaded;
        ExerciseEverything(Gloss, TextToLines(Bytes).size(), Rng);
    }
    // Both outcomes were reached, so the damage was neither always fatal nor
    // always harmless.
    EXPECT_GT(Loaded, 0);
    EXPECT_GT(Raised, 0);
}

TEST(GlossaryFuzz, DamagedRecordsInsideValidCipherText) {
    TTempDir Dir;
    std::mt19937 Rng(4242);
    for (int Round = 0; Round < 300; ++Round) {
        const TStringList Lines = RandomPlainLines(Rng);
        TGlossaryHelper Gloss(Dir.Write("Gloss.dbx", EncipherGlossaryLines(Lines)), "");
        ASSERT_NO_THROW(Gloss.LoadGlossary());
        ExerciseEverything(Gloss, Lines.size(), Rng);
    }
}
