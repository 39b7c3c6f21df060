// A scripture text module whose text is the "QDATA" resource of a module
// file in the program folder (layout in ResourceFile.h).
#pragma once

#include "scripture/QuranHelper.h"

class TQuranDLLHelper : public TQuranHelper {
public:
    // Stores the values and verifies the file at once.
    TQuranDLLHelper(const std::string& AFileName, const std::string& AExpectedFingerprint,
                    bool ARightToLeft);

    // The file the text was read from; empty until LoadText.
    std::string ModuleHandle;

    void SetLanguage(const std::string& Name, const std::string& ADescription);
    void SetTranslator(const std::string& Text);
    void SetFontTag(const std::string& Tag);

    bool Verify() override;
    std::string GetModuleName() override { return "Internal Qur'an Translation"; }
    void LoadText() override;
    std::string GetChapterTitle(int Chapter) override;
    // HTML of one verse; empty (inside the right-to-left block where the
    // module has one) for a verse its chapter does not have or a text that
    // lacks the line. ETxError for a chapter outside 1-114.
    std::string GetVerseText(int Chapter, int Verse) override;
    std::string GetVerseTextByRef(const std::string& Ref) override;
    int FindInVerse(int Chapter, int Verse, const std::string& Pattern, bool CaseSensitive,
                    bool WholeWord) override;

    static int VerseLineIndex(int Chapter, int Verse);
};
