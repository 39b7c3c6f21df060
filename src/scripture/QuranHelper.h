// The abstract scripture text module: one complete text of the Qur'an in one
// language, kept in its stored (scrambled) lines.
#pragma once

#include "data/TextUtils.h"
#include "data/Verification.h"

#include <string>

class TQuranHelper : public TVerifiableObject {
public:
    std::string ExpectedFingerprint;
    std::string FileName;
    std::string LanguageName; // the module's key in the registry
    std::string Description;
    bool RightToLeft = false;
    std::string FontTag; // opening FONT tag around this module's verses
    std::string Translator;
    TStringList TextLines; // as stored; a line is unscrambled only when asked for

    virtual void LoadText() = 0;
    virtual std::string GetChapterTitle(int Chapter) = 0;
    virtual std::string GetVerseText(int Chapter, int Verse) = 0;
    virtual std::string GetVerseTextByRef(const std::string& Ref) = 0;
    virtual int FindInVerse(int Chapter, int Verse, const std::string& Pattern, bool CaseSensitive,
                            bool WholeWord) = 0;
};
