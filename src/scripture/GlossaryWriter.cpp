// Writing glossary files.
#include "scripture/GlossaryWriter.h"

#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"

namespace {

bool Storable(const std::string& Value, bool TermLineField) {
    if (Value.find_first_of("\r\n") != std::string::npos)
        return false;
    if (TermLineField)
        return !ContainsText("<<", Value) && !ContainsText(">>", Value) &&
               !ContainsText("[P]", Value);
    // A meaning line must not read as a term line.
    return !ContainsText("<<T:", Value);
}

void Check(const std::string& Name, const std::string& Value, bool TermLineField) {
    if (!Storable(Value, TermLineField))
        throw ETxError("The glossary value " + Name + " cannot be stored: \"" + Value + "\"");
}

} // namespace

std::string GlossaryTermLine(const TGlossaryTerm& Entry) {
    Check("Term", Entry.Term, true);
    Check("AlternateSpellings", Entry.AlternateSpellings, true);
    Check("TranslationSpelling", Entry.TranslationSpelling, true);
    std::string Line = "<<T:" + Entry.Term + ">>|<<O:" + Entry.AlternateSpellings + ">>";
    if (!Entry.TranslationSpelling.empty())
        Line += "|<<JQ:" + Entry.TranslationSpelling + ">>";
    if (Entry.Marked)
        Line += "[P]";
    return Line;
}

TStringList GlossaryPlainLines(const std::vector<TGlossaryTerm>& Terms) {
    TStringList Lines;
    Lines.reserve(Terms.size() * 2);
    for (const TGlossaryTerm& Entry : Terms) {
        Check("Meaning", Entry.Meaning, false);
        Lines.push_back(GlossaryTermLine(Entry));
        Lines.push_back(Entry.Meaning);
    }
    return Lines;
}

std::string EncipherGlossaryLines(const TStringList& PlainLines) {
    std::string Text;
    for (size_t i = 0; i < PlainLines.size(); ++i)
        Text += EncodeLine(PlainLines[i], static_cast<int>(i)) + "\r\n";
    return Text;
}

std::string GlossaryFileText(const std::vector<TGlossaryTerm>& Terms) {
    return EncipherGlossaryLines(GlossaryPlainLines(Terms));
}

std::string WriteGlossaryFile(const std::string& FileName,
                              const std::vector<TGlossaryTerm>& Terms) {
    if (!SaveTextToFileAtomic(GlossaryFileText(Terms), FileName))
        return std::string();
    return FileFingerprint(FileName, 0);
}
