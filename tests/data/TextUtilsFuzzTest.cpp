// Randomised tests of the text utilities: random byte strings (fixed seed)
// go through the primitives, and each result is checked against properties
// that must hold for any input, not only against "no crash".
#include "data/TextUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int Iterations = 4000;

class TRandomText {
public:
    explicit TRandomText(uint32_t Seed) : FGen(Seed) {}

    // Mostly bytes from a small alphabet rich in delimiters and line breaks,
    // so that patterns actually occur; sometimes any byte at all.
    std::string Text(size_t MaxLen) {
        static const std::string Alphabet("ab<>|:= .\r\n\t\0\xC7zA", 16);
        std::string S(Below(MaxLen + 1), '\0');
        const bool AnyByte = Below(4) == 0;
        for (char& C : S)
            C = AnyByte ? static_cast<char>(Below(256)) : Alphabet[Below(Alphabet.size())];
        return S;
    }

    // A pattern: often a piece of the text itself.
    std::string PatternFor(const std::string& T, size_t MaxLen) {
        if (!T.empty() && Below(2) == 0) {
            const size_t From = Below(T.size());
            return T.substr(From, 1 + Below(std::min(MaxLen, T.size() - From)));
        }
        return Text(MaxLen);
    }

    size_t Below(size_t N) { return std::uniform_int_distribution<size_t>(0, N - 1)(FGen); }
    int Int(int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(FGen); }
    int64_t Int64() { return static_cast<int64_t>(FGen()); }

private:
    std::mt19937_64 FGen;
};

bool IsSubstring(const std::string& Part, const std::string& Whole) {
    return Whole.find(Part) != std::string::npos;
}

size_t CountNonOverlapping(const std::string& T, const std::string& P) {
    size_t N = 0;
    for (size_t I = T.find(P); I != std::string::npos; I = T.find(P, I + P.size()))
        ++N;
    return N;
}

bool HasDelimiter(const std::string& S) {
    return std::any_of(S.begin(), S.end(),
                       [](char C) { return IsWordDelimiter(static_cast<unsigned char>(C)); });
}

// Every position, no stepping: the first occurrence with delimiters on both sides.
int BruteWholeWord(const std::string& P, const std::string& T) {
    if (P.empty())
        return -1;
    for (size_t I = 0; I + P.size() <= T.size(); ++I) {
        if (T.compare(I, P.size(), P) != 0)
            continue;
        const bool Before = I == 0 || IsWordDelimiter(static_cast<unsigned char>(T[I - 1]));
        const size_t End = I + P.size();
        const bool After = End == T.size() || IsWordDelimiter(static_cast<unsigned char>(T[End]));
        if (Before && After)
            return static_cast<int>(I);
    }
    return -1;
}

TEST(TextUtilsFuzz, ExtractionPrimitives) {
    TRandomText R(20261211);
    for (int I = 0; I < Iterations; ++I) {
        const std::string T = R.Text(48);
        const std::string Open = R.PatternFor(T, 4);
        const std::string Close = R.PatternFor(T, 4);
        SCOPED_TRACE(testing::PrintToString(T) + " " + testing::PrintToString(Open) + " " +
                     testing::PrintToString(Close));

        const std::string Bef = TextBefore(T, Open);
        const std::string Aft = TextAfter(T, Open);
        if (Open.empty() || !IsSubstring(Open, T)) {
            EXPECT_EQ(Bef, "");
            EXPECT_EQ(Aft, "");
        } else {
            EXPECT_EQ(Bef + Open + Aft, T);
            EXPECT_FALSE(IsSubstring(Open, Bef + Open.substr(0, Open.size() - 1)));
        }

        const std::string Btw = TextBetween(T, Open, Close);
        EXPECT_TRUE(IsSubstring(Btw, T));
        if (!Btw.empty()) {
            const size_t Start = T.find(Open) + Open.size();
            EXPECT_EQ(T.compare(Start, Btw.size(), Btw), 0);
            EXPECT_EQ(T.find(Close), Start + Btw.size());
        }

        const std::string AB = TextAfterBefore(T, Open, Close);
        EXPECT_TRUE(IsSubstring(AB, Aft));
        if (!Close.empty()) {
            EXPECT_FALSE(IsSubstring(Close, AB));
        }
        if (!AB.empty()) {
            EXPECT_EQ(Aft.compare(0, AB.size() + Close.size(), AB + Close), 0);
        }
    }
}

TEST(TextUtilsFuzz, WordSearch) {
    TRandomText R(7);
    for (int I = 0; I < Iterations; ++I) {
        const std::string T = R.Text(40);
        const std::string P = R.PatternFor(T, 5);
        const bool Case = R.Below(2) == 0;
        SCOPED_TRACE(testing::PrintToString(T) + " " + testing::PrintToString(P));

        const int W = FindWholeWord(P, T, Case);
        const std::string FT = Case ? T : UpperCaseAscii(T);
        const std::string FP = Case ? P : UpperCaseAscii(P);
        if (W >= 0) {
            ASSERT_LE(static_cast<size_t>(W) + P.size(), T.size());
            EXPECT_EQ(FT.compare(static_cast<size_t>(W), FP.size(), FP), 0);
            EXPECT_TRUE(W == 0 || IsWordDelimiter(static_cast<unsigned char>(T[W - 1])));
            const size_t End = static_cast<size_t>(W) + P.size();
            EXPECT_TRUE(End == T.size() || IsWordDelimiter(static_cast<unsigned char>(T[End])));
        }
        // Without delimiters inside the pattern, stepping past a rejected
        // occurrence can never skip a valid one.
        if (!HasDelimiter(P)) {
            EXPECT_EQ(W, BruteWholeWord(FP, FT));
        }

        // Any start, including negative and far beyond the end.
        const int Start =
            R.Below(4) == 0 ? R.Int(INT_MIN, INT_MAX) : R.Int(-3, static_cast<int>(T.size()) + 3);
        const bool Whole = R.Below(2) == 0;
        const int F = FindTextFrom(P, T, Start, Case, Whole);
        const size_t From = static_cast<size_t>(std::max(Start, 0));
        if (P.empty() || From >= T.size()) {
            EXPECT_EQ(F, -1);
            continue;
        }
        if (Whole) {
            const int InPart = FindWholeWord(P, T.substr(From), Case);
            EXPECT_EQ(F, InPart < 0 ? -1 : static_cast<int>(From) + InPart);
        } else {
            const size_t Expected = FT.find(FP, From);
            EXPECT_EQ(F, Expected == std::string::npos ? -1 : static_cast<int>(Expected));
        }
    }
}

TEST(TextUtilsFuzz, ReplaceAll) {
    TRandomText R(99);
    for (int I = 0; I < Iterations; ++I) {
        const std::string T = R.Text(48);
        const std::string P = R.PatternFor(T, 4);
        const std::string Rep = R.Text(4);
        SCOPED_TRACE(testing::PrintToString(T) + " " + testing::PrintToString(P) + " " +
                     testing::PrintToString(Rep));

        const std::string Out = ReplaceAll(T, P, Rep);
        if (P.empty()) {
            EXPECT_EQ(Out, T);
            continue;
        }
        const size_t N = CountNonOverlapping(T, P);
        EXPECT_EQ(Out.size() + N * P.size(), T.size() + N * Rep.size());
        EXPECT_EQ(RemoveAll(T, P).size(), T.size() - N * P.size());
        EXPECT_EQ(ReplaceAll(T, P, P), T);

        // A marker byte that occurs in neither text nor pattern makes the
        // replacement reversible.
        std::string Marker;
        for (int C = 1; C < 256 && Marker.empty(); ++C)
            if (T.find(static_cast<char>(C)) == std::string::npos &&
                P.find(static_cast<char>(C)) == std::string::npos)
                Marker = std::string(1, static_cast<char>(C));
        ASSERT_FALSE(Marker.empty());
        EXPECT_EQ(ReplaceAll(ReplaceAll(T, P, Marker), Marker, P), T);
    }
}

TEST(TextUtilsFuzz, SplitText) {
    TRandomText R(31337);
    for (int I = 0; I < Iterations; ++I) {
        const std::string T = R.Text(40);
        std::string Sep = R.PatternFor(T, 3);
        Sep.erase(
            std::remove_if(Sep.begin(), Sep.end(), [](char C) { return C == '\r' || C == '\n'; }),
            Sep.end());
        SCOPED_TRACE(testing::PrintToString(T) + " " + testing::PrintToString(Sep));

        const TStringList Items = SplitText(T, Sep);
        size_t Expected = 0;
        for (const std::string& Line : TextToLines(T))
            Expected += 1 + (Sep.empty() ? 0 : CountNonOverlapping(Line, Sep));
        EXPECT_EQ(Items.size(), Expected);
        for (const std::string& Item : Items) {
            EXPECT_EQ(Item, TrimText(Item));
            EXPECT_EQ(Item.find_first_of("\r\n"), std::string::npos);
            EXPECT_TRUE(IsSubstring(Item, T));
            if (!Sep.empty()) {
                EXPECT_FALSE(IsSubstring(Sep, Item));
            }
        }
    }
}

TEST(TextUtilsFuzz, NumberConversions) {
    TRandomText R(4242);
    for (int I = 0; I < Iterations; ++I) {
        const int64_t Value = R.Int64();
        const int Width = R.Int(-10, 300);
        const std::string Plain = std::to_string(Value);
        const std::string Padded = IntToZeroPadded(Value, Width);
        SCOPED_TRACE(Plain + " width " + std::to_string(Width));
        if (Width <= 0) {
            EXPECT_EQ(Padded, Plain);
        } else {
            const size_t W = static_cast<size_t>(std::min(Width, 256));
            ASSERT_EQ(Padded.size(), W);
            if (Plain.size() >= W) {
                EXPECT_EQ(Padded, Plain.substr(0, W));
            } else {
                const size_t Sign = Value < 0 ? 1 : 0;
                EXPECT_EQ(Padded.substr(0, Sign), Plain.substr(0, Sign));
                EXPECT_EQ(Padded.substr(Sign, W - Plain.size()),
                          std::string(W - Plain.size(), '0'));
                EXPECT_EQ(Padded.substr(W - (Plain.size() - Sign)), Plain.substr(Sign));
            }
        }

        const int Small = static_cast<int>(static_cast<int32_t>(Value));
        EXPECT_EQ(StrToIntDef(" " + std::to_string(Small) + "\t", 0), Small);

        // Random text: valid exactly when it is a sign and digits within range.
        const std::string T = R.Below(2) ? R.Text(12) : std::to_string(Value % 100000000000LL);
        const std::string Trimmed = TrimText(T);
        size_t Digits = (!Trimmed.empty() && (Trimmed[0] == '+' || Trimmed[0] == '-')) ? 1 : 0;
        bool Valid = Trimmed.size() > Digits &&
                     Trimmed.find_first_not_of("0123456789", Digits) == std::string::npos;
        long long Parsed = 0;
        if (Valid) {
            errno = 0;
            Parsed = std::strtoll(Trimmed.c_str(), nullptr, 10);
            Valid = errno == 0 && Parsed >= INT_MIN && Parsed <= INT_MAX;
        }
        SCOPED_TRACE(testing::PrintToString(T));
        EXPECT_EQ(IsIntegerText(T), Valid);
        EXPECT_EQ(StrToIntDef(T, 17), Valid ? static_cast<int>(Parsed) : 17);
        EXPECT_EQ(StrToIntDef(T, -17), Valid ? static_cast<int>(Parsed) : -17);
    }
}

} // namespace
