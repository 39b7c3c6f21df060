// The scripture text module read from a module file.
#include "scripture/QuranDLLHelper.h"

#include "app/Shell.h"
#include "data/LineCipher.h"
#include "scripture/ChapterTable.h"
#include "scripture/ResourceFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>

TQuranDLLHelper::TQuranDLLHelper(const std::string& AFileName,
                                 const std::string& AExpectedFingerprint, bool ARightToLeft) {
    FileName = AFileName;
    ExpectedFingerprint = AExpectedFingerprint;
    RightToLeft = ARightToLeft;
    TQuranDLLHelper::Verify();
}

void TQuranDLLHelper::SetLanguage(const std::string& Name, const std::string& ADescription) {
    LanguageName = Name;
    Description = ADescription;
}

void TQuranDLLHelper::SetTranslator(const std::string& Text) {
    Translator = Text;
}

void TQuranDLLHelper::SetFontTag(const std::string& Tag) {
    FontTag = Tag;
}

bool TQuranDLLHelper::Verify() {
    if (!FileExists(FileName)) {
        VerificationFailed();
        return false;
    }
    const std::string Fingerprint = FingerprintForVerify(FileName, 0);
    if (Fingerprint != ExpectedFingerprint) {
        VerificationFailed();
        return false;
    }
    return true;
}

void TQuranDLLHelper::LoadText() {
    if (VerificationHasFailed)
        return;
    ModuleHandle = FileName;
    std::string Text;
    if (!ReadResource(FileName, "QDATA", Text)) {
        VerificationFailed();
        return;
    }
    TStringList Lines = TextToLines(Text);
    Shell().ProcessEvents();
    TextLines.swap(Lines);
    Shell().ProcessEvents();

    const int Count = static_cast<int>(TextLines.size());
    InitProgressMax(Count - 1);
    for (int I = 0; I < Count; ++I) {
        InitProgressPos(I);
        Shell().ProcessEvents();
    }
}

std::string TQuranDLLHelper::GetChapterTitle(int Chapter) {
    return ChapterName(Chapter, 2);
}

int TQuranDLLHelper::VerseLineIndex(int Chapter, int Verse) {
    // Saturates instead of overflowing for absurd verse numbers.
    const int64_t Index = int64_t{ChapterLineOffset(Chapter)} + Verse;
    return static_cast<int>(std::clamp<int64_t>(Index, INT_MIN, INT_MAX));
}

std::string TQuranDLLHelper::GetVerseText(int Chapter, int Verse) {
    const int Index = VerseLineIndex(Chapter, Verse);
    std::string Result;
    // A verse outside its chapter would land on a neighbour's line.
    if (Verse >= 1 && Verse <= ChapterVerseCount(Chapter) &&
        Index < static_cast<int>(TextLines.size())) {
        const std::string Plain = MirrorChars(ReverseText(TextLines[static_cast<size_t>(Index)]));
        Result = TextAfter(Plain, std::to_string(Verse) + "|");
    }
    if (RightToLeft)
        Result = "<BDO DIR=RTL>" + Result + "</BDO>";
    return Result;
}

std::string TQuranDLLHelper::GetVerseTextByRef(const std::string& Ref) {
    const auto [Chapter, Verse] = ParseVerseRef(Ref);
    return GetVerseText(Chapter, Verse);
}

int TQuranDLLHelper::FindInVerse(int Chapter, int Verse, const std::string& Pattern,
                                 bool CaseSensitive, bool WholeWord) {
    return FindTextFrom(Pattern, GetVerseText(Chapter, Verse), 0, CaseSensitive, WholeWord);
}
