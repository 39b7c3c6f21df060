// Small scripture modules for the tests, written with the module writer into
// a temporary folder.
#pragma once

#include "data/Fingerprint.h"
#include "scripture/ChapterTable.h"
#include "scripture/QuranDLLHelper.h"
#include "scripture/ScriptureWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Arabic letters, so that bytes above 127 go through the scrambling too.
inline std::string ArabicVerse(int Chapter, int Verse) {
    return "\xD9\x82\xD9\x84 " + std::to_string(Chapter) + ":" + std::to_string(Verse);
}

inline std::string EnglishVerse(int Chapter, int Verse) {
    return "Say, verse " + std::to_string(Chapter) + ":" + std::to_string(Verse) + " <I>text</I>";
}

// Chapters 1 to LastChapter with every verse filled; the rest stay empty.
template <typename F> std::vector<TStringList> FixtureChapters(int LastChapter, F VerseText) {
    std::vector<TStringList> Chapters(static_cast<size_t>(LastChapter));
    for (int C = 1; C <= LastChapter; ++C)
        for (int V = 1; V <= ChapterVerseCount(C); ++V)
            Chapters[static_cast<size_t>(C - 1)].push_back(VerseText(C, V));
    return Chapters;
}

// Writes a module file and opens it with the fingerprint it really has.
inline std::unique_ptr<TQuranDLLHelper> WriteAndOpenModule(const TTempDir& Dir,
                                                           const std::string& Name,
                                                           const std::vector<TStringList>& Chapters,
                                                           bool RightToLeft) {
    const std::string File = Dir.File(Name);
    EXPECT_TRUE(WriteScriptureModule(File, Chapters));
    return std::make_unique<TQuranDLLHelper>(File, FileFingerprint(File, 0), RightToLeft);
}
