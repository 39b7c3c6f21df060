// One main document (*.dbi): an enciphered file of eight header lines and an
// HTML body, with the fingerprint of its body written into its own header.
#pragma once

#include "data/TextUtils.h"
#include "data/Verification.h"

#include <cstdint>
#include <string>

// Number of header lines in front of a document's body.
inline constexpr int MainDocHeaderLineCount = 8;
// Priority of a document whose header holds no integer priority.
inline constexpr int DefaultSortPriority = 100;

class TMainDoc : public TVerifiableObject {
public:
    // Loads the file at once; never raises for a bad file (test IsValid).
    explicit TMainDoc(const std::string& FileName);

    // Fingerprint of the file after its header against the header's value.
    // Reports the result only; never calls VerificationFailed.
    bool Verify() override;
    std::string GetModuleName() override { return "Main Document"; }

    // The body lines joined with CR LF: the page builder's input.
    std::string BodyText() const;

    const std::string& FileName() const { return FFileName; }
    const std::string& ExpectedFingerprint() const { return FExpectedFingerprint; }
    bool IsValid() const { return FIsValid; }
    const std::string& DocName() const { return FDocName; }
    const std::string& Title() const { return FTitle; }
    const std::string& Description() const { return FDescription; }
    bool PLFlag() const { return FPLFlag; }
    bool WordHighlight() const { return FWordHighlight; }
    const std::string& FontTag() const { return FFontTag; }
    int SortPriority() const { return FSortPriority; }
    // Bytes of the eight stored header lines, each with its CR LF.
    int64_t HeaderSize() const { return FHeaderSize; }
    const TStringList& BodyLines() const { return FBodyLines; }

private:
    void LoadDocument();
    void ReadHeader(const TStringList& Header);

    std::string FFileName;
    std::string FExpectedFingerprint;
    bool FIsValid = false;
    std::string FDocName;
    std::string FTitle;
    std::string FDescription;
    bool FPLFlag = false;
    bool FWordHighlight = false;
    std::string FFontTag;
    int FSortPriority = DefaultSortPriority;
    int64_t FHeaderSize = 0;
    TStringList FBodyLines;
};
