// Damaged collection files, generated from a fixed seed: loading never
// crashes, hangs or raises, and what loads can be read.
#include "HadithHelperSamples.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "hadith/HadithHelper.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {

const char* const Garbage[] = {"!", "%%", "\xFF\xFE", "\r", "\n", "=", "====", "*", "\0"};

std::string Mutate(const std::string& Good, std::mt19937& Rng) {
    auto Pick = [&Rng](size_t Size) {
        return Size == 0 ? 0 : std::uniform_int_distribution<size_t>(0, Size - 1)(Rng);
    };
    std::string Text = Good;
    switch (Rng() % 7) {
    case 0: // truncated
        Text.resize(Pick(Text.size()));
        break;
    case 1: // flipped bytes
        for (int i = 0, n = 1 + Rng() % 4; i < n && !Text.empty(); ++i)
            Text[Pick(Text.size())] ^= static_cast<char>(1 + Rng() % 255);
        break;
    case 2: // characters outside the Base64 alphabet
        for (int i = 0, n = 1 + Rng() % 3; i < n; ++i)
            Text.insert(Pick(Text.size() + 1), Garbage[Rng() % std::size(Garbage)]);
        break;
    case 3: { // lines dropped, doubled or swapped
        TStringList Lines = TextToLines(Text);
        size_t A = Pick(Lines.size()), B = Pick(Lines.size());
        switch (Rng() % 3) {
        case 0:
            Lines.erase(Lines.begin() + A);
            break;
        case 1:
            Lines.insert(Lines.begin() + A, Lines[B]);
            break;
        default:
            std::swap(Lines[A], Lines[B]);
        }
        Text = LinesToText(Lines);
        break;
    }
    case 4: { // an absurd hadith count with a matching fingerprint
        const char* Counts[] = {"2000000000", "-5", "2147483647", "-2147483648", "0", "7"};
        const char* Count = Counts[Rng() % std::size(Counts)];
        Text = EditedCollection(SampleCollection(), [Count](TStringList& L) {
            L[1] = std::string("<<ID:G>>|<<N:N>>|<<HCOUNT:") + Count + ">>+";
        });
        break;
    }
    case 5: { // a plain, unciphered line in place of an enciphered one
        TStringList Lines = TextToLines(Text);
        Lines[Pick(Lines.size())] = "<<ID:plain>>|<<N:text>>";
        Text = LinesToText(Lines);
        break;
    }
    default: { // a record line from another index (valid Base64, wrong key)
        TStringList Lines = TextToLines(Text);
        Lines[Pick(Lines.size())] = EncodeLine("garbage " + std::to_string(Rng()), Rng() % 50);
        Text = LinesToText(Lines);
    }
    }
    return Text;
}

// Every operation a page could run on the collection.
void ReadAll(const THadithHelper& H) {
    int Count = static_cast<int>(H.HadithLines().size());
    for (int N = 1; N <= Count; ++N) {
        try {
            H.GetNarratorChain(N);
            H.GetHadithText(N);
        } catch (const ETxError&) {
            // A damaged record of an invalid collection.
            EXPECT_FALSE(H.IsValid());
        }
        H.GetCategory(N);
        H.GetClassification(N);
        H.GetInformation(N);
    }
    TStringList List;
    H.ListHadithsInCategory(List, "", true, false);
    EXPECT_EQ(List.size(), static_cast<size_t>(Count));
    if (H.IsValid()) {
        H.GetCategoryCounts(List, true);
        EXPECT_EQ(H.HadithCount(), Count);
    }
}

TEST(HadithHelperFuzzTest, DamagedFilesNeverCrashTheLoader) {
    ResetVerification();
    TFakeShell Shell;
    TTempDir Dir;
    const std::string Good = CollectionFileText(SampleCollection());
    const std::string File = Dir.File("Fuzz.dbh");
    std::mt19937 Rng(20261211);
    auto Start = std::chrono::steady_clock::now();
    int ValidCount = 0;
    for (int Round = 0; Round < 400; ++Round) {
        std::string Text = Mutate(Good, Rng);
        if (Rng() % 4 == 0)
            Text = Mutate(Text, Rng); // two kinds of damage at once
        Dir.Write("Fuzz.dbh", Text);
        SCOPED_TRACE("round " + std::to_string(Round));
        std::unique_ptr<THadithHelper> H;
        ASSERT_NO_THROW(H = std::make_unique<THadithHelper>(File));
        ValidCount += H->IsValid();
        ReadAll(*H);
    }
    // Damage that keeps the file valid is rare (a changed header line that
    // still reads the same); most rounds must be rejected.
    EXPECT_LT(ValidCount, 200);
    EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(60));
}

} // namespace
