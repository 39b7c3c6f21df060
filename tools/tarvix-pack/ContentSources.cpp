// Reading the content sources into the values the file writers take.
#include "ContentSources.h"

#include "JsonFields.h"
#include "MonajatDatabase.h"
#include "data/TxError.h"
#include "hadith/CategoriesWriter.h"
#include "hadith/Classification.h"
#include "scripture/ChapterTable.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

bool HasLineBreak(const std::string& Text) {
    return Text.find_first_of("\r\n") != std::string::npos;
}

bool IsAscii(const std::string& Text) {
    return std::all_of(Text.begin(), Text.end(), [](char C) { return (C & 0x80) == 0; });
}

// A bare file name: written inside the output folder and nowhere else.
std::string PlainFileName(TJsonFields& Fields, const char* Key) {
    const std::string Name = Fields.String(Key);
    if (Name.empty() || Name == "." || Name == ".." ||
        Name.find_first_of("/\\") != std::string::npos || HasLineBreak(Name))
        Fields.Fail(Key, "\"" + Name + "\" is not a plain file name");
    return Name;
}

// Header values sit between "<<X:" and ">>" on one line.
std::string HeaderValue(TJsonFields& Fields, const char* Key) {
    const std::string Value = Fields.String(Key);
    for (const char* Bad : {">>", "<<", "|", "\r", "\n"})
        if (Value.find(Bad) != std::string::npos)
            Fields.Fail(Key, std::string("a header value may not hold \"") +
                                 (Bad[0] == '\r' || Bad[0] == '\n' ? "a line break" : Bad) + "\"");
    return Value;
}

std::string FolderOf(const std::string& FileName) {
    const size_t Slash = FileName.find_last_of('/');
    return Slash == std::string::npos ? std::string() : FileName.substr(0, Slash + 1);
}

std::string TrimTrailingBlanks(std::string Line) {
    while (!Line.empty() && (Line.back() == ' ' || Line.back() == '\t' || Line.back() == '\r'))
        Line.pop_back();
    return Line;
}

// The source's lines; a byte-order mark is refused (the sources are plain UTF-8).
TStringList SourceLines(const std::string& FileName, const std::string& Where) {
    std::string Text;
    if (!LoadFileText(FileName, Text))
        throw ETxError(Where + ": cannot read the file");
    if (Text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        throw ETxError(Where + ": starts with a byte-order mark; save it as UTF-8 without one");
    return TextToLines(Text);
}

// ---- collections ------------------------------------------------------------

struct TMonajatSettings {
    std::string Database;
    std::string Table;
    std::string Ref;
    std::string Lang;
    std::map<std::string, std::string> Substitutions;
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> Corrections;
    bool AppendMerits = false;
};

TMonajatSettings ReadMonajatSettings(TJsonFields Source, const std::string& Override) {
    TMonajatSettings S;
    S.Database = Source.String("database");
    if (!Override.empty())
        S.Database = Override;
    S.Table = Source.String("table");
    S.Ref = Source.String("ref");
    S.Lang = Source.String("lang");
    S.AppendMerits = Source.OptBool("append_merits", false);
    if (Source.Has("substitutions"))
        S.Substitutions = Source.StringMap("substitutions");
    for (const auto& [From, To] : S.Substitutions)
        if (From.empty())
            Source.Fail("substitutions", "an empty text cannot be replaced");
    if (Source.Has("corrections")) {
        TJsonFields Corrections = Source.Object("corrections");
        for (auto It = Corrections.Raw().begin(); It != Corrections.Raw().end(); ++It) {
            const std::string Id = Utf8Of(It.key());
            const std::string Where = Corrections.WhereOf(Corrections.PathOf(Id.c_str()));
            if (!It.value().isArray())
                throw ETxError(Where + ": expected a list of [from, to] pairs");
            auto& Pairs = S.Corrections[Id];
            const QJsonArray List = It.value().toArray();
            for (qsizetype I = 0; I < List.size(); ++I) {
                const QJsonArray Pair = List.at(I).toArray();
                const std::string ItemWhere = Where + "[" + std::to_string(I) + "]";
                if (!List.at(I).isArray() || Pair.size() != 2)
                    throw ETxError(ItemWhere + ": expected a [from, to] pair of strings");
                const std::string From = JsonString(Pair.at(0), ItemWhere);
                if (From.empty())
                    throw ETxError(ItemWhere + ": an empty text cannot be replaced");
                Pairs.emplace_back(From, JsonString(Pair.at(1), ItemWhere));
            }
            Corrections.Skip(Id.c_str());
        }
    }
    Source.Finish();
    return S;
}

std::string ApplySubstitutions(std::string Text, const std::map<std::string, std::string>& Map) {
    for (const auto& [From, To] : Map)
        Text = ReplaceAll(Text, From, To);
    return Text;
}

// A database text as one line: lines trimmed, empty ones dropped, joined by
// one blank.
std::string JoinDatabaseLines(const std::string& Text) {
    std::string Out;
    for (const std::string& Line : TextToLines(Text)) {
        const std::string T = TrimText(Line);
        if (T.empty())
            continue;
        if (!Out.empty())
            Out += ' ';
        Out += T;
    }
    return Out;
}

struct TTextFormat {
    enum { Plain, Ncr, InCodePage } Kind = Plain;
    int CodePage = 0;
};

TTextFormat ParseTextFormat(TJsonFields& C, const std::string& Value) {
    TTextFormat F;
    if (Value == "PLAIN")
        return F;
    if (Value == "NCR") {
        F.Kind = TTextFormat::Ncr;
        return F;
    }
    const std::string Prefix = "CODEPAGE[";
    if (Value.compare(0, Prefix.size(), Prefix) == 0 && Value.size() > Prefix.size() + 1 &&
        Value.back() == ']') {
        const std::string Number = Value.substr(Prefix.size(), Value.size() - Prefix.size() - 1);
        if (Number.size() <= 5 && std::all_of(Number.begin(), Number.end(),
                                              [](char Ch) { return Ch >= '0' && Ch <= '9'; })) {
            F.Kind = TTextFormat::InCodePage;
            F.CodePage = std::stoi(Number);
            CodePageText("A", F.CodePage, C.WhereOf(C.PathOf("text_format")));
            return F;
        }
    }
    C.Fail("text_format", "\"" + Value + "\" is not PLAIN, NCR or CODEPAGE[n]");
}

// The label the reader removes from a record ("12=" in hadith 12), not as
// the tail of a longer number.
bool HoldsOwnLabel(const std::string& Text, int N) {
    const std::string Label = std::to_string(N) + "=";
    for (size_t At = Text.find(Label); At != std::string::npos; At = Text.find(Label, At + 1))
        if (At == 0 || Text[At - 1] < '0' || Text[At - 1] > '9')
            return true;
    return false;
}

void CheckRecordValue(TJsonFields& H, const char* Key, const std::string& Value, int N) {
    if (HasLineBreak(Value))
        H.Fail(Key, "holds a line break");
    for (const char* Bad : {"<ISN>", "</ISN>", "<[METADATA:"})
        if (Value.find(Bad) != std::string::npos)
            H.Fail(Key, std::string("holds \"") + Bad + "\", which the reader takes as structure");
    if (HoldsOwnLabel(Value, N))
        H.Fail(Key, "holds \"" + std::to_string(N) +
                        "=\", the hadith's own label, which the reader removes from the text");
}

void CheckTableValue(TJsonFields& H, const char* Key, const std::string& Value) {
    if (HasLineBreak(Value) || Value.find('|') != std::string::npos)
        H.Fail(Key, "a table value may not hold \"|\" or a line break");
}

const std::set<std::string>& ClassificationCodes() {
    static const std::set<std::string> Codes = [] {
        std::set<std::string> S;
        for (const TClassificationRow& Row : ClassificationTable)
            S.insert(Row.Code);
        return S;
    }();
    return Codes;
}

// Verse tags the reader can render: "<<QVERSE:c:v>>" or "<<QVERSE:c:v1-v2>>"
// with verses of the chapter. Anything else breaks the page that holds it.
// Empty when all are sound, else what is wrong.
std::string VerseTagProblem(const std::string& Text) {
    const std::string Open = "<<QVERSE:";
    for (size_t At = Text.find(Open); At != std::string::npos; At = Text.find(Open, At + 1)) {
        const size_t Close = Text.find(">>", At + Open.size());
        if (Close == std::string::npos)
            return "a verse tag without its closing \">>\"";
        const std::string Ref = Text.substr(At + Open.size(), Close - At - Open.size());
        const std::string Bad = "verse tag \"" + Ref + "\" ";
        const size_t Colon = Ref.find(':');
        const size_t Dash = Ref.find('-');
        const auto Number = [](const std::string& Digits) {
            if (Digits.empty() || Digits.size() > 4 ||
                !std::all_of(Digits.begin(), Digits.end(),
                             [](char Ch) { return Ch >= '0' && Ch <= '9'; }))
                return -1;
            return std::stoi(Digits);
        };
        if (Colon == std::string::npos || (Dash != std::string::npos && Dash < Colon))
            return Bad + "is not chapter:verse or chapter:first-last";
        const int Chapter = Number(Ref.substr(0, Colon));
        const int First = Number(Ref.substr(
            Colon + 1, Dash == std::string::npos ? std::string::npos : Dash - Colon - 1));
        const int Last = Dash == std::string::npos ? First : Number(Ref.substr(Dash + 1));
        if (Chapter < 0 || First < 0 || Last < 0)
            return Bad + "is not chapter:verse or chapter:first-last";
        if (!IsValidChapter(Chapter))
            return Bad + "names no chapter";
        if (First < 1 || Last < First || Last > ChapterVerseCount(Chapter))
            return Bad + "names verses outside 1-" + std::to_string(ChapterVerseCount(Chapter));
    }
    return std::string();
}

} // namespace

std::string HtmlEscape(const std::string& Text) {
    std::string Out;
    Out.reserve(Text.size());
    for (char C : Text) {
        if (C == '&')
            Out += "&amp;";
        else if (C == '<')
            Out += "&lt;";
        else if (C == '>')
            Out += "&gt;";
        else
            Out += C;
    }
    return Out;
}

std::string NcrText(const std::string& Utf8, const std::string& Where) {
    std::string Out;
    for (size_t I = 0; I < Utf8.size();) {
        const unsigned char C = static_cast<unsigned char>(Utf8[I]);
        if (C < 0x80) {
            Out += static_cast<char>(C);
            ++I;
            continue;
        }
        int Length = C >= 0xF0 ? 4 : C >= 0xE0 ? 3 : C >= 0xC0 ? 2 : 0;
        if (C >= 0xF8 || Length == 0 || I + Length > Utf8.size())
            throw ETxError(Where + ": not UTF-8 text");
        uint32_t Code = C & (0x7F >> Length);
        for (int K = 1; K < Length; ++K) {
            const unsigned char Next = static_cast<unsigned char>(Utf8[I + K]);
            if ((Next & 0xC0) != 0x80)
                throw ETxError(Where + ": not UTF-8 text");
            Code = (Code << 6) | (Next & 0x3F);
        }
        Out += "&#" + std::to_string(Code) + ";";
        I += Length;
    }
    return Out;
}

std::string CodePageText(const std::string& Utf8, int CodePage, const std::string& Where) {
    UErrorCode Status = U_ZERO_ERROR;
    int32_t Units = 0;
    u_strFromUTF8(nullptr, 0, &Units, Utf8.data(), static_cast<int32_t>(Utf8.size()), &Status);
    if (Status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(Status))
        throw ETxError(Where + ": not UTF-8 text");
    std::u16string Wide(static_cast<size_t>(Units), u'\0');
    Status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(Wide.data()), Units, nullptr, Utf8.data(),
                  static_cast<int32_t>(Utf8.size()), &Status);
    if (U_FAILURE(Status))
        throw ETxError(Where + ": not UTF-8 text");

    std::unique_ptr<UConverter, void (*)(UConverter*)> Converter(nullptr, ucnv_close);
    for (const std::string& Name :
         {"windows-" + std::to_string(CodePage), "cp" + std::to_string(CodePage)}) {
        Status = U_ZERO_ERROR;
        Converter.reset(ucnv_open(Name.c_str(), &Status));
        if (U_SUCCESS(Status) && Converter)
            break;
        Converter.reset();
    }
    if (!Converter)
        throw ETxError(Where + ": unknown code page " + std::to_string(CodePage));
    Status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(Converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &Status);
    std::string Out(Wide.size() * 4 + 16, '\0');
    Status = U_ZERO_ERROR;
    const int32_t Length = ucnv_fromUChars(
        Converter.get(), Out.data(), static_cast<int32_t>(Out.size()),
        reinterpret_cast<const UChar*>(Wide.data()), static_cast<int32_t>(Wide.size()), &Status);
    if (U_FAILURE(Status)) {
        // Name the first character the code page lacks.
        for (size_t I = 0; I < Wide.size(); ++I) {
            const size_t Count =
                (I + 1 < Wide.size() && Wide[I] >= 0xD800 && Wide[I] < 0xDC00) ? 2 : 1;
            char Probe[16];
            UErrorCode One = U_ZERO_ERROR;
            ucnv_reset(Converter.get());
            ucnv_fromUChars(Converter.get(), Probe, sizeof Probe,
                            reinterpret_cast<const UChar*>(Wide.data() + I),
                            static_cast<int32_t>(Count), &One);
            if (U_FAILURE(One)) {
                char Hex[16];
                snprintf(Hex, sizeof Hex, "U+%04X", static_cast<unsigned>(Wide[I]));
                throw ETxError(Where + ": character " + Hex + " is not in code page " +
                               std::to_string(CodePage));
            }
            I += Count - 1;
        }
        throw ETxError(Where + ": cannot convert to code page " + std::to_string(CodePage));
    }
    Out.resize(static_cast<size_t>(Length));
    return Out;
}

TCollectionBuild ReadCollectionSource(const std::string& FileName, const std::string& Where,
                                      const std::string& MonajatDatabase) {
    TJsonFields C(ReadJsonFile(FileName, Where), Where);
    TCollectionBuild B;
    TCollectionSource& S = B.Source;
    B.FileName = PlainFileName(C, "file");
    B.Extra = C.Choice("install", {"built-in", "extra"}) == "extra";
    S.ID = HeaderValue(C, "group");
    if (S.ID.empty() || !std::all_of(S.ID.begin(), S.ID.end(), [](char Ch) {
            return (Ch >= 'A' && Ch <= 'Z') || (Ch >= '0' && Ch <= '9') || Ch == '_';
        }))
        C.Fail("group", "a group key is A-Z, 0-9 and _ only");
    S.Name = HeaderValue(C, "name");
    if (TrimText(S.Name).empty() || S.Name.find('_') != std::string::npos)
        C.Fail("name",
               "a collection name is not blank and holds no _ (link keys turn it into a blank)");
    S.TextFormat = HeaderValue(C, "text_format");
    const TTextFormat Format = ParseTextFormat(C, S.TextFormat);
    S.WordHighlight = C.Bool("word_highlight");
    S.Font = HeaderValue(C, "font");
    S.Translator = HeaderValue(C, "translator");
    S.Description = HeaderValue(C, "description");
    S.RightToLeftText = C.Bool("rtl_text");
    S.RightToLeftInfo = C.Bool("rtl_info");
    S.Align = C.Choice("align", {"LEFT", "RIGHT", "CENTER"});
    if (Format.Kind == TTextFormat::InCodePage)
        for (const std::string* Value : {&S.ID, &S.Name, &S.Font, &S.Translator, &S.Description})
            if (!IsAscii(*Value))
                C.Fail("text_format", "a CODEPAGE collection keeps its header in ASCII");

    const bool FromDatabase = C.Has("source");
    TMonajatSettings Monajat;
    std::unique_ptr<TMonajatDatabase> Database;
    if (FromDatabase) {
        Monajat = ReadMonajatSettings(C.Object("source"), MonajatDatabase);
        Database = std::make_unique<TMonajatDatabase>(Monajat.Database, Monajat.Table,
                                                      C.WhereOf(C.PathOf("source")));
    }

    const QJsonArray Hadiths = C.Array("hadiths");
    std::set<std::string> Ids;
    for (qsizetype I = 0; I < Hadiths.size(); ++I) {
        const int N = static_cast<int>(I) + 1;
        TJsonFields H(Hadiths.at(I), Where, C.PathOf("hadiths", static_cast<int>(I)));
        THadithRecordSource Record;
        Record.Chain = H.OptString("chain");
        std::vector<std::string> Information;
        if (FromDatabase) {
            if (H.Has("text"))
                H.Fail("text", "a collection with a \"source\" takes its texts from the database");
            const std::string Id = H.String("id");
            if (!Ids.insert(Id).second)
                H.Fail("id", "id \"" + Id + "\" is listed twice");
            const std::string HWhere = H.WhereOf(H.PathOf("id"));
            TMonajatRow Row = Database->Row(Monajat.Ref, Monajat.Lang, Id, HWhere);
            std::string Text = JoinDatabaseLines(Row.Text);
            auto Fix = Monajat.Corrections.find(Id);
            if (Fix != Monajat.Corrections.end())
                for (const auto& [From, To] : Fix->second) {
                    if (Text.find(From) == std::string::npos)
                        throw ETxError(C.WhereOf("source.corrections." + Id) + ": \"" + From +
                                       "\" does not occur in the database text");
                    Text = ReplaceAll(Text, From, To);
                }
            Text = HtmlEscape(ApplySubstitutions(Text, Monajat.Substitutions));
            const std::string Suffix = H.OptString("text_suffix");
            if (!Suffix.empty())
                Text += "<BR><BR>" + Suffix;
            Record.Text = Text;
            Information = H.OptStringList("information");
            const std::string Merits = HtmlEscape(
                ApplySubstitutions(JoinDatabaseLines(Row.Merits), Monajat.Substitutions));
            if (Monajat.AppendMerits && !Merits.empty())
                Information.push_back(Merits);
        } else {
            for (const char* Key : {"id", "text_suffix"})
                if (H.Has(Key))
                    H.Fail(Key, "only collections with a \"source\" take this field");
            std::string Text;
            for (const std::string& Paragraph : H.StringList("text"))
                Text += (Text.empty() ? "" : "<BR><BR>") + Paragraph;
            Record.Text = Text;
            Information = H.OptStringList("information");
        }
        const std::string Category = H.OptString("category");
        const std::vector<std::string> Codes = H.OptStringList("classification");
        H.Finish();

        CheckRecordValue(H, "chain", Record.Chain, N);
        const std::string TagProblem = VerseTagProblem(Record.Text);
        if (!TagProblem.empty())
            H.Fail(FromDatabase ? "text_suffix" : "text", TagProblem);
        if (Record.Chain.find("<<QVERSE:") != std::string::npos)
            H.Fail("chain", "verse tags are not rendered in the chain; write (Al-Qur'an c:v)");
        CheckRecordValue(H, FromDatabase ? "text_suffix" : "text", Record.Text, N);
        std::string InfoValue;
        for (const std::string& Item : Information) {
            if (Item.find("<<QVERSE:") != std::string::npos)
                H.Fail("information",
                       "verse tags are not rendered in the information; write (Al-Qur'an c:v)");
            CheckRecordValue(H, "information", Item, N);
            InfoValue += (InfoValue.empty() ? "" : "<BP>") + Item;
        }
        CheckTableValue(H, "information", InfoValue);
        CheckTableValue(H, "category", Category);
        std::string ClassValue;
        for (const std::string& Code : Codes) {
            if (!ClassificationCodes().count(Code))
                H.Fail("classification", "\"" + Code + "\" is not a classification code");
            ClassValue += (ClassValue.empty() ? "" : ",") + Code;
        }

        if (Format.Kind == TTextFormat::Ncr) {
            Record.Chain = NcrText(Record.Chain, H.WhereOf(H.PathOf("chain")));
            Record.Text = NcrText(Record.Text, H.WhereOf(H.PathOf("text")));
            InfoValue = NcrText(InfoValue, H.WhereOf(H.PathOf("information")));
        } else if (Format.Kind == TTextFormat::InCodePage) {
            const auto Convert = [&](const std::string& Text, const char* Key) {
                return CodePageText(ApplySubstitutions(Text, Monajat.Substitutions),
                                    Format.CodePage, H.WhereOf(H.PathOf(Key)));
            };
            Record.Chain = Convert(Record.Chain, "chain");
            Record.Text = Convert(Record.Text, FromDatabase ? "id" : "text");
            InfoValue = Convert(InfoValue, "information");
            if (!IsAscii(Category))
                H.Fail("category", "a CODEPAGE collection keeps its categories in ASCII");
        }

        S.Records.push_back(Record);
        if (!Category.empty())
            S.Categories.emplace_back(N, Category);
        if (!ClassValue.empty())
            S.Classes.emplace_back(N, ClassValue);
        if (!InfoValue.empty())
            S.Information.emplace_back(N, InfoValue);
    }
    for (const auto& [Id, Pairs] : Monajat.Corrections)
        if (!Ids.count(Id))
            throw ETxError(C.WhereOf("source.corrections." + Id) +
                           ": the collection lists no hadith with this id");
    C.Finish();
    return B;
}

// ---- main documents -----------------------------------------------------------

TDocumentBuild ReadDocumentSource(const std::string& FileName, const std::string& Where) {
    TJsonFields D(ReadJsonFile(FileName, Where), Where);
    TDocumentBuild B;
    TMainDocContent& C = B.Content;
    B.FileName = PlainFileName(D, "file");
    C.DocName = HeaderValue(D, "name");
    if (C.DocName.compare(0, 5, "MDOC_") != 0 || C.DocName.size() == 5 ||
        C.DocName.find_first_of(" \t") != std::string::npos)
        D.Fail("name", "a document name is \"MDOC_\" and one word");
    C.Title = HeaderValue(D, "title");
    if (C.Title.find('[') != std::string::npos)
        D.Fail("title", "a title may not hold \"[\" (the tree cuts captions there)");
    C.SortPriority = std::to_string(D.Integer("sort_priority"));
    C.PLFlag = D.Bool("pl");
    C.WordHighlight = D.Bool("word_highlight");
    C.FontAttributes = HeaderValue(D, "font");
    C.Description = HeaderValue(D, "description");
    const std::string Body = PlainFileName(D, "body");
    D.Finish();
    const std::string BodyWhere = FolderOf(Where) + Body;
    for (const std::string& Line : SourceLines(FolderOf(FileName) + Body, BodyWhere)) {
        std::string Kept = TrimTrailingBlanks(Line);
        if (!Kept.empty()) {
            const std::string TagProblem = VerseTagProblem(Kept);
            if (!TagProblem.empty())
                throw ETxError(BodyWhere + ": " + TagProblem);
            C.BodyLines.push_back(std::move(Kept));
        }
    }
    return B;
}

// ---- glossary -------------------------------------------------------------------

std::vector<TGlossaryTerm> ReadGlossarySource(const std::string& FileName,
                                              const std::string& Where) {
    TJsonFields G(ReadJsonFile(FileName, Where), Where);
    const QJsonArray List = G.Array("terms");
    G.Finish();
    std::vector<TGlossaryTerm> Terms;
    std::map<std::string, std::string> Spelled; // upper-case spelling -> its headword
    for (qsizetype I = 0; I < List.size(); ++I) {
        TJsonFields T(List.at(I), Where, G.PathOf("terms", static_cast<int>(I)));
        TGlossaryTerm Term;
        Term.Term = T.String("term");
        if (TrimText(Term.Term).empty())
            T.Fail("term", "empty headword");
        const auto Spellings = [&](const char* Key, const std::vector<std::string>& Items) {
            for (const std::string& W : Items) {
                for (const char* Bad : {">>", "<<", "|", ",", "[P]", "\r", "\n"})
                    if (W.find(Bad) != std::string::npos)
                        T.Fail(Key, "\"" + W + "\" holds \"" + Bad + "\"");
                if (UpperCaseAscii(W).find("'S") != std::string::npos)
                    T.Fail(Key, "\"" + W + "\" holds 's, which look-ups strip from a word");
            }
        };
        Spellings("term", {Term.Term});
        const std::vector<std::string> Alternates = T.StringList("alternates");
        Spellings("alternates", Alternates);
        // Look-ups take the first term with a spelling: a second one would
        // never be found.
        for (const std::string* W : [&] {
                 std::vector<const std::string*> All{&Term.Term};
                 for (const std::string& A : Alternates)
                     All.push_back(&A);
                 return All;
             }()) {
            const auto Known = Spelled.emplace(UpperCaseAscii(TrimText(*W)), Term.Term);
            if (!Known.second && Known.first->second != Term.Term)
                T.Fail(W == &Term.Term ? "term" : "alternates",
                       "\"" + *W + "\" is also a spelling of \"" + Known.first->second + "\"");
        }
        for (const std::string& W : Alternates)
            Term.AlternateSpellings += (Term.AlternateSpellings.empty() ? "" : ", ") + W;
        const std::vector<std::string> Translation = T.OptStringList("translation_spelling");
        Spellings("translation_spelling", Translation);
        for (const std::string& W : Translation)
            Term.TranslationSpelling += (Term.TranslationSpelling.empty() ? "" : ",") + W;
        Term.Marked = T.OptBool("marked", false);
        Term.Meaning = T.String("meaning");
        if (HasLineBreak(Term.Meaning) || Term.Meaning.find("<<T:") != std::string::npos)
            T.Fail("meaning", "a meaning is one line and holds no \"<<T:\"");
        T.Finish();
        Terms.push_back(std::move(Term));
    }
    return Terms;
}

// ---- category tree --------------------------------------------------------------

TStringList ReadCategorySource(const std::string& FileName, const std::string& Where) {
    TStringList Entries;
    int Previous = -1;
    std::set<std::string> TopLevel;
    const TStringList Lines = SourceLines(FileName, Where);
    for (size_t I = 0; I < Lines.size(); ++I) {
        const std::string LineWhere = Where + ":" + std::to_string(I + 1);
        const std::string Line = TrimTrailingBlanks(Lines[I]);
        if (Line.empty() || Line[0] == '#')
            continue;
        const size_t Level = Line.find_first_not_of('\t');
        const std::string Caption = Line.substr(Level);
        if (Caption[0] == ' ')
            throw ETxError(LineWhere + ": indent with tabs only");
        for (const char* Bad : {">", "|", "[", "]", " <A:"})
            if (Caption.find(Bad) != std::string::npos)
                throw ETxError(LineWhere + ": a caption may not hold \"" + Bad + "\"");
        if (static_cast<int>(Level) > Previous + 1)
            throw ETxError(LineWhere + ": \"" + Caption +
                           "\" is more than one level below the line before it");
        if (Level == 0 && !TopLevel.insert(UpperCaseAscii(Caption)).second)
            throw ETxError(LineWhere + ": top-level caption \"" + Caption + "\" is repeated");
        Previous = static_cast<int>(Level);
        try {
            Entries.push_back(CategoryEntryLine({static_cast<int>(Level), Caption, ""}));
        } catch (const ETxError& E) {
            throw ETxError(LineWhere + ": " + E.what());
        }
    }
    if (Entries.empty())
        throw ETxError(Where + ": no categories");
    return Entries;
}

// ---- scripture ------------------------------------------------------------------

std::vector<TStringList> ReadScriptureSource(const std::string& PackageDir, bool English) {
    const std::string Name = English ? "dist/quran_en.json" : "dist/quran.json";
    const std::string Where = "quran-json/" + Name;
    const QJsonValue Root = ReadJsonFile(PackageDir + "/" + Name, Where);
    if (!Root.isArray())
        throw ETxError(Where + ": expected a list of chapters");
    const QJsonArray Chapters = Root.toArray();
    if (Chapters.size() != ChapterCount)
        throw ETxError(Where + ": " + std::to_string(Chapters.size()) + " chapters, expected " +
                       std::to_string(ChapterCount));
    std::vector<TStringList> Text;
    for (int C = 1; C <= ChapterCount; ++C) {
        TJsonFields Chapter(Chapters.at(C - 1), Where, "[" + std::to_string(C - 1) + "]");
        const int Count = ChapterVerseCount(C);
        if (Chapter.Integer("id") != C)
            Chapter.Fail("id", "expected chapter " + std::to_string(C));
        if (Chapter.Integer("total_verses") != Count)
            Chapter.Fail("total_verses", "expected " + std::to_string(Count) + " verses");
        for (const char* Key : {"name", "transliteration", "type"})
            Chapter.String(Key);
        if (English)
            Chapter.String("translation");
        const QJsonArray Verses = Chapter.Array("verses");
        Chapter.Finish();
        if (Verses.size() != Count)
            Chapter.Fail("verses", std::to_string(Verses.size()) + " verses, expected " +
                                       std::to_string(Count));
        TStringList Lines;
        for (int V = 1; V <= Count; ++V) {
            TJsonFields Verse(Verses.at(V - 1), Where, Chapter.PathOf("verses", V - 1));
            if (Verse.Integer("id") != V)
                Verse.Fail("id", "expected verse " + std::to_string(V));
            std::string Body = Verse.String("text");
            if (English)
                Body = Verse.String("translation");
            Verse.Finish();
            Body = TrimText(Body);
            if (Body.empty() || HasLineBreak(Body))
                Verse.Fail(English ? "translation" : "text", "empty or more than one line");
            Lines.push_back(HtmlEscape(Body));
        }
        Text.push_back(std::move(Lines));
    }
    return Text;
}
