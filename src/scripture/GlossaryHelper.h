// The glossary module: the terms of Gloss.dbx, their look-up by word (exact,
// by letter case, by alternate spelling, and ignoring "'s" or a plural s),
// the preferred spelling of a word, and the HTML page of one term.
#pragma once

#include "data/TextUtils.h"
#include "data/Verification.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TGlossaryTerm {
    std::string Term;               // headword, commas normalised to ", "
    std::string AlternateSpellings; // ","-separated, as stored
    std::string Meaning;            // HTML
    std::string TranslationSpelling;
    bool Marked = false; // the term line carried "[P]"
};

struct TProperSpelling {
    std::string Spelling;
    bool UsedTranslationSpelling = false;
};

class TGlossaryHelper : public TVerifiableObject {
public:
    // ExpectedFingerprint is the fingerprint (Skip 0) of the glossary file
    // the program ships with; the program passes the value generated with
    // its content, tests the value of the file they wrote.
    TGlossaryHelper(const std::string& FileName, const std::string& ExpectedFingerprint);

    // True when the file's fingerprint equals the expected one; otherwise
    // VerificationFailed and false.
    bool Verify() override;
    std::string GetModuleName() override { return "Glossary Module"; }

    // Reads every term of the file. A missing or unreadable file, or a line
    // that is not enciphered text, raises ETxError and keeps the terms held
    // before. Does nothing once a verification has failed.
    void LoadGlossary();

    // Clears Strings and adds every Term in file order.
    void ListTerms(TStringList& Strings) const;
    // A copy of the term; ETxError "List index out of bounds (n)" outside
    // 0..TermCount-1.
    TGlossaryTerm GetTerm(int Index) const;
    // Index of the first term whose headword equals Word exactly or in
    // upper case, or one of whose alternate spellings equals Word under
    // SameTextTrim; -1 otherwise (and for a blank Word). Loads the glossary
    // first when it has not been loaded.
    int FindTerm(const std::string& Word);
    // FindTerm of the trimmed word without any "'s", then, when the word
    // ends in s or S, of the word without that letter.
    int FindTermFlexible(const std::string& Word);
    // The headword of Word's term (Word itself when it is no term); with
    // UseTranslationSpelling, the first translation spelling when the term
    // has one.
    TProperSpelling ProperSpelling(const std::string& Word, bool UseTranslationSpelling);
    // The term page shown by the glossary window. HeadingColour is an RGB
    // value 0xRRGGBB. ETxError outside 0..TermCount-1.
    std::string BuildTermPage(int Index, uint32_t HeadingColour) const;

    const std::string& FileName() const { return FFileName; }
    const std::string& ExpectedFingerprint() const { return FExpectedFingerprint; }
    void SetExpectedFingerprint(const std::string& Value) { FExpectedFingerprint = Value; }
    const std::vector<TGlossaryTerm>& Terms() const { return FTerms; }
    int TermCount() const { return static_cast<int>(FTerms.size()); }
    bool Loaded() const { return FLoaded; }

private:
    const TGlossaryTerm& TermAt(int Index) const;

    std::string FFileName;
    std::string FExpectedFingerprint;
    std::vector<TGlossaryTerm> FTerms;
    bool FLoaded = false;
};

// The program's glossary module, created by the main window over
// AppPath + "Gloss.dbx"; empty until then.
extern std::unique_ptr<TGlossaryHelper> GlossaryHelper;
// Frees the module (tests).
void ResetGlossaryHelper();
