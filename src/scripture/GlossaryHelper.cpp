// Reading the glossary file and answering term look-ups.
#include "scripture/GlossaryHelper.h"

#include "data/LineCipher.h"
#include "data/TxError.h"

#include <cstdio>

std::unique_ptr<TGlossaryHelper> GlossaryHelper;

void ResetGlossaryHelper() {
    GlossaryHelper.reset();
}

namespace {

const char* const CrLf = "\r\n";

// Page pieces of the page builder, kept here until it offers them.
std::string ColorToHtml(uint32_t Colour) {
    char Text[8];
    std::snprintf(Text, sizeof Text, "#%02X%02X%02X", (Colour >> 16) & 0xFFu, (Colour >> 8) & 0xFFu,
                  Colour & 0xFFu);
    return Text;
}

std::string MakeFontTag(const std::string& Face, const std::string& Size,
                        const std::string& Colour) {
    return "<FONT FACE=\"" + Face + "\" SIZE=\"" + Size + "\" COLOR=\"" + Colour + "\">";
}

void ParseTermLine(std::string Line, TGlossaryTerm& Entry) {
    std::string Term = TextBetween(Line, "<<T:", ">>");
    // Headwords are shown with one blank after each comma, however stored.
    Term = ReplaceAll(Term, ",  ", ",");
    Term = ReplaceAll(Term, ", ", ",");
    Entry.Term = ReplaceAll(Term, ",", ", ");

    Entry.Marked = ContainsText("[P]", Line);
    if (Entry.Marked)
        Line = RemoveAll(Line, "[P]");

    if (ContainsText("<<JQ:", Line)) {
        Entry.AlternateSpellings = TextBetween(Line, "|<<O:", ">>|<<JQ:");
        Entry.TranslationSpelling = RemoveAll(TextAfter(Line, ">>|<<JQ:"), ">>");
    } else {
        Entry.AlternateSpellings = RemoveAll(TextAfter(Line, "|<<O:"), ">>");
        Entry.TranslationSpelling.clear();
    }
}

} // namespace

TGlossaryHelper::TGlossaryHelper(const std::string& FileName,
                                 const std::string& ExpectedFingerprint)
    : FFileName(FileName), FExpectedFingerprint(ExpectedFingerprint) {}

bool TGlossaryHelper::Verify() {
    const std::string Fingerprint = FingerprintForVerify(FFileName, 0);
    // A missing file has no fingerprint; it never matches, not even an
    // expected value left empty.
    if (!Fingerprint.empty() && Fingerprint == FExpectedFingerprint)
        return true;
    VerificationFailed();
    return false;
}

void TGlossaryHelper::LoadGlossary() {
    if (VerificationHasFailed)
        return;
    std::string Content;
    if (!LoadFileText(FFileName, Content))
        throw ETxError("Cannot open file \"" + FFileName + "\".");
    const TStringList Lines = TextToLines(Content);

    // Terms come in pairs of lines, so the file gives room for half as many
    // terms as it has lines; later term lines are ignored with their meanings.
    const size_t Capacity = Lines.size() / 2;
    std::vector<TGlossaryTerm> Terms;
    Terms.reserve(Capacity);
    bool Ignoring = false;
    for (size_t i = 0; i < Lines.size(); ++i) {
        const std::string Line = DecodeLine(Lines[i], static_cast<int>(i));
        if (!ContainsText("<<T:", Line)) {
            // A meaning line; the last one of a term wins.
            if (!Ignoring && !Terms.empty())
                Terms.back().Meaning = Line;
            continue;
        }
        if (Terms.size() >= Capacity) {
            Ignoring = true;
            continue;
        }
        TGlossaryTerm Entry;
        ParseTermLine(Line, Entry);
        Terms.push_back(std::move(Entry));
    }
    // Only as many entries as term lines: no blank headwords at the end.
    FTerms = std::move(Terms);
    FLoaded = true;
}

void TGlossaryHelper::ListTerms(TStringList& Strings) const {
    Strings.clear();
    for (const TGlossaryTerm& Entry : FTerms)
        Strings.push_back(Entry.Term);
}

const TGlossaryTerm& TGlossaryHelper::TermAt(int Index) const {
    if (Index < 0 || Index >= TermCount())
        throw ETxError("List index out of bounds (" + std::to_string(Index) + ")");
    return FTerms[static_cast<size_t>(Index)];
}

TGlossaryTerm TGlossaryHelper::GetTerm(int Index) const {
    return TermAt(Index);
}

int TGlossaryHelper::FindTerm(const std::string& Word) {
    if (!FLoaded)
        LoadGlossary();
    // A blank word would match empty items of an alternates list such as
    // "Salat,,Salaat"; it is never a term.
    if (TrimText(Word).empty())
        return -1;
    const std::string UpperWord = UpperCaseAscii(Word);
    for (size_t i = 0; i < FTerms.size(); ++i) {
        const TGlossaryTerm& Entry = FTerms[i];
        if (Entry.Term == Word || UpperCaseAscii(Entry.Term) == UpperWord ||
            IndexOfSameText(SplitCommaList(Entry.AlternateSpellings), Word) != -1)
            return static_cast<int>(i);
    }
    return -1;
}

int TGlossaryHelper::FindTermFlexible(const std::string& Word) {
    std::string W = TrimText(Word);
    if (W.empty())
        return -1;
    if (!FLoaded)
        LoadGlossary();
    if (ContainsText("'s", W))
        W = RemoveAll(W, "'s");
    // A word that was nothing but "'s" names no term.
    if (W.empty())
        return -1;
    const int Index = FindTerm(W);
    if (Index != -1)
        return Index;
    if (W.back() == 's' || W.back() == 'S')
        return FindTerm(W.substr(0, W.size() - 1));
    return -1;
}

TProperSpelling TGlossaryHelper::ProperSpelling(const std::string& Word,
                                                bool UseTranslationSpelling) {
    TProperSpelling Result;
    const int Index = FindTerm(Word);
    if (Index == -1) {
        Result.Spelling = Word;
        return Result;
    }
    const TGlossaryTerm& Entry = FTerms[static_cast<size_t>(Index)];
    Result.Spelling = Entry.Term;
    if (!Entry.TranslationSpelling.empty() && UseTranslationSpelling) {
        Result.UsedTranslationSpelling = true;
        const size_t Comma = Entry.TranslationSpelling.find(',');
        Result.Spelling = Entry.TranslationSpelling.substr(0, Comma);
    }
    return Result;
}

std::string TGlossaryHelper::BuildTermPage(int Index, uint32_t HeadingColour) const {
    const TGlossaryTerm& Entry = TermAt(Index);
    TStringList Page;
    Page.push_back(MakeFontTag("Verdana", "2", ColorToHtml(HeadingColour)));
    Page.push_back("<B>" + Entry.Term + "</B>");
    Page.push_back("<HR NOSHADE COLOR=Silver SIZE=1>");
    Page.push_back("</FONT>");
    if (!Entry.AlternateSpellings.empty()) {
        Page.push_back(MakeFontTag("Verdana", "1", "Black"));
        Page.push_back("<B>Alternate Spellings</B><BR>");
        Page.push_back("</FONT>");
        Page.push_back("<I>" + Entry.AlternateSpellings + "</I>" + "<BR><BR>");
    }
    Page.push_back(MakeFontTag("Verdana", "1", "Black"));
    Page.push_back("<BB><B>Meaning</B></BB><BR><BR>");
    Page.push_back(Entry.Meaning);
    Page.push_back("</FONT>");

    std::string Text;
    for (const std::string& Line : Page)
        Text += Line + CrLf;
    return Text;
}
