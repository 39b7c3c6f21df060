// Loading and checking one main document.
#include "scripture/MainDoc.h"

#include "data/LineCipher.h"
#include "data/TxError.h"

TMainDoc::TMainDoc(const std::string& FileName) : FFileName(FileName) {
    LoadDocument();
}

bool TMainDoc::Verify() {
    const std::string Fingerprint = FingerprintForVerify(FFileName, FHeaderSize);
    // An unreadable or too short file has no fingerprint; it must not pass
    // against a header whose fingerprint field is missing.
    return !Fingerprint.empty() && Fingerprint == FExpectedFingerprint;
}

std::string TMainDoc::BodyText() const {
    std::string Text;
    for (size_t i = 0; i < FBodyLines.size(); ++i) {
        if (i > 0)
            Text += "\r\n";
        Text += FBodyLines[i];
    }
    return Text;
}

void TMainDoc::LoadDocument() {
    FIsValid = false;
    FBodyLines.clear();
    if (!FileExists(FFileName))
        return;

    std::string Content;
    if (!LoadFileText(FFileName, Content))
        return;
    TStringList Lines = TextToLines(Content);
    if (Lines.size() < static_cast<size_t>(MainDocHeaderLineCount))
        return;

    try {
        // The header bytes as stored: each line and its CR LF.
        FHeaderSize = 0;
        TStringList Header(Lines.begin(), Lines.begin() + MainDocHeaderLineCount);
        for (int i = 0; i < MainDocHeaderLineCount; ++i) {
            FHeaderSize += static_cast<int64_t>(Header[i].size()) + 2;
            Header[i] = DecodeLine(Header[i], i);
        }
        ReadHeader(Header);
        const bool Valid = Verify();

        // The body's key index starts again at 0 after the header.
        TStringList Body(Lines.begin() + MainDocHeaderLineCount, Lines.end());
        for (size_t k = 0; k < Body.size(); ++k)
            Body[k] = DecodeLine(Body[k], static_cast<int>(k));
        FBodyLines = std::move(Body);
        FIsValid = Valid;
    } catch (const ETxError&) {
        // Damaged enciphered text: the document is left out.
        FIsValid = false;
        FBodyLines.clear();
    }
}

void TMainDoc::ReadHeader(const TStringList& Header) {
    FExpectedFingerprint = TextBetween(Header[0], "<<CRCSL3:", ">>+");
    FDocName = TextBetween(Header[1], "<<N:", ">>");
    FTitle = TextBetween(Header[1], "|<<T:", ">>+");
    const std::string Priority = TextBetween(Header[2], "<<SORT_PRIORITY:", ">>|<<");
    FSortPriority = IsIntegerText(Priority) ? StrToInt(Priority) : DefaultSortPriority;
    FPLFlag = SameTextTrim(TextBetween(Header[2], "<<PL:", ">>|<<WORDHL:"), "TRUE");
    FWordHighlight = SameTextTrim(TextBetween(Header[2], "<<WORDHL:", ">>|<<FONT:"), "TRUE");
    FFontTag = "<FONT " + TextBetween(Header[2], "<<FONT:", ">>+") + ">";
    FDescription = TextBetween(Header[3], "<<D:", ">>");
}
