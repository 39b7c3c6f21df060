// Reading one content file through the program's own loaders.
#include "ContentReadout.h"

#include "JsonFields.h"
#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "controls/MemoryTree.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "data/Verification.h"
#include "hadith/CategoryHelper.h"
#include "hadith/Classification.h"
#include "hadith/HadithHelper.h"
#include "online/RemoteAudio.h"
#include "scripture/AudioIndexWriter.h"
#include "scripture/ChapterTable.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/MainDoc.h"
#include "scripture/QuranDLLHelper.h"
#include "scripture/ResourceFile.h"

#include <QJsonArray>

#include <exception>

namespace {

// Takes the loaders' messages instead of printing them; each becomes a
// problem of the file.
class TRecordingShell : public TShell {
public:
    int ShowMessage(uint8_t, int, bool, const std::string& Heading, const std::string& Text,
                    uint16_t) override {
        Messages.push_back(Heading + " " + ReplaceAll(ReplaceAll(Text, "\r\n", " "), "\n", " "));
        return mrOk;
    }
    TStringList Messages;
};

struct TShellScope {
    TShellScope() { SetShell(&Recorder); }
    ~TShellScope() { SetShell(nullptr); }
    TRecordingShell Recorder;
};

QString Q(const std::string& Text) {
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

QJsonArray JsonList(const TStringList& Items) {
    QJsonArray A;
    for (const std::string& Item : Items)
        A.append(Q(Item));
    return A;
}

std::string LowerAscii(std::string Text) {
    for (char& C : Text)
        if (C >= 'A' && C <= 'Z')
            C = static_cast<char>(C - 'A' + 'a');
    return Text;
}

std::string BaseName(const std::string& FileName) {
    const size_t Slash = FileName.find_last_of('/');
    return Slash == std::string::npos ? FileName : FileName.substr(Slash + 1);
}

bool EndsWith(const std::string& Text, const std::string& Tail) {
    return Text.size() >= Tail.size() &&
           Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) == 0;
}

void Reject(TInspection& R, const std::string& Reason) {
    if (R.Valid) {
        R.Valid = false;
        R.Reason = Reason;
    }
}

void AddLinks(TInspection& R, const std::string& Html) {
    for (const std::string& Link : AttributeValues(Html, "HREF"))
        R.Links.push_back(Link);
}

// ---- one function per kind ----------------------------------------------------

void InspectCollection(const std::string& File, TInspection& R) {
    THadithHelper H(File);
    if (!H.IsValid())
        Reject(R, !H.LoadError().empty()
                      ? H.LoadError()
                      : "the fingerprint in its header (" + H.ExpectedFingerprint() +
                            ") does not match the file (" + FileFingerprint(File, H.HeaderSize()) +
                            ")");
    QJsonObject& J = R.Json;
    J["collectionId"] = Q(H.CollectionID());
    J["collectionName"] = Q(H.CollectionName());
    J["hadithCount"] = H.HadithCount();
    J["recordCount"] = static_cast<int>(H.HadithLines().size());
    J["textFormat"] = H.TextFormat();
    J["codePage"] = H.CodePage();
    J["wordHighlight"] = H.WordHighlight();
    J["rightToLeftText"] = H.RightToLeftText();
    J["rightToLeftInfo"] = H.RightToLeftInfo();
    J["textAlign"] = Q(H.TextAlign());
    J["fontTag"] = Q(H.FontTag());
    J["fontFace"] = Q(H.FontFace());
    J["translator"] = Q(H.Translator());
    J["description"] = Q(H.Description());
    J["headerSize"] = static_cast<qint64>(H.HeaderSize());
    J["expectedFingerprint"] = Q(H.ExpectedFingerprint());
    J["headerLines"] = JsonList(H.HeaderLines());
    R.Name = H.CollectionName();
    R.Count = H.HadithCount();
    if (H.HadithCount() != static_cast<int>(H.HadithLines().size()))
        R.Problems.push_back("HCOUNT is " + std::to_string(H.HadithCount()) +
                             " but the file holds " + std::to_string(H.HadithLines().size()) +
                             " records");
    QJsonArray Hadiths;
    for (int N = 1; N <= H.HadithCount(); ++N) {
        QJsonObject E;
        E["number"] = N;
        try {
            const std::string Text = H.GetHadithText(N);
            const std::string Chain = H.GetNarratorChain(N);
            const std::string Information = H.GetInformation(N);
            E["chain"] = Q(Chain);
            E["text"] = Q(Text);
            E["category"] = Q(H.GetCategory(N));
            E["classification"] = Q(H.GetClassification(N));
            E["information"] = Q(Information);
            R.Values.push_back("category=" + H.GetCategory(N));
            R.Values.push_back("classification=" + H.GetClassification(N));
            for (const std::string* Part : {&Chain, &Text, &Information})
                AddLinks(R, *Part);
            if (TrimText(Text).empty())
                R.Problems.push_back("hadith " + std::to_string(N) + " has no text");
        } catch (const std::exception& Error) {
            E["error"] = Error.what();
            R.Problems.push_back("hadith " + std::to_string(N) + ": " + Error.what());
        }
        Hadiths.append(E);
    }
    J["hadiths"] = Hadiths;
}

void InspectDocument(const std::string& File, TInspection& R) {
    TMainDoc D(File);
    if (!D.IsValid())
        Reject(R, "not a readable main document, or its body does not match the fingerprint in "
                  "its header");
    QJsonObject& J = R.Json;
    J["docName"] = Q(D.DocName());
    J["title"] = Q(D.Title());
    J["description"] = Q(D.Description());
    J["sortPriority"] = D.SortPriority();
    J["plFlag"] = D.PLFlag();
    J["wordHighlight"] = D.WordHighlight();
    J["fontTag"] = Q(D.FontTag());
    J["headerSize"] = static_cast<qint64>(D.HeaderSize());
    J["expectedFingerprint"] = Q(D.ExpectedFingerprint());
    J["bodyLines"] = JsonList(D.BodyLines());
    R.Name = D.DocName();
    R.Count = static_cast<int>(D.BodyLines().size());
    const std::string Body = D.BodyText();
    AddLinks(R, Body);
    R.Anchors = AttributeValues(Body, "NAME");
    if (D.IsValid() && D.BodyLines().empty())
        R.Problems.push_back("the document has no body");
}

void InspectCategories(const std::string& File, TInspection& R) {
    THadithCatHelper Categories(File, R.Fingerprint);
    try {
        Categories.LoadCategories();
    } catch (const std::exception& Error) {
        Reject(R, Error.what());
    }
    QJsonArray Lines;
    std::vector<std::string> Stack;
    bool HasScripture = false, HasUncategorised = false;
    for (const std::string& Line : Categories.Lines()) {
        const TCategoryLine Entry = THadithCatHelper::ParseCategoryLine(Line);
        QJsonObject E;
        E["level"] = Entry.Level;
        E["caption"] = Q(Entry.Caption);
        if (!Entry.Anchor.empty())
            E["anchor"] = Q(Entry.Anchor);
        Lines.append(E);
        if (Entry.Level <= static_cast<int>(Stack.size())) {
            Stack.resize(static_cast<size_t>(Entry.Level));
            Stack.push_back(Entry.Caption);
            std::string Path;
            for (const std::string& Caption : Stack)
                Path += (Path.empty() ? "" : ">") + Caption;
            R.Paths.push_back(UpperCaseAscii(Path));
        }
        if (Entry.Level == 0) {
            HasScripture = HasScripture || SameTextTrim(Entry.Caption, ScriptureCategoryName);
            HasUncategorised = HasUncategorised || SameTextTrim(Entry.Caption, "Uncategorised");
        }
    }
    R.Json["lines"] = Lines;
    R.Count = static_cast<int>(Categories.Lines().size());
    // The tree is built as the main window builds it; a bad level stops it.
    TMemoryTree Tree;
    try {
        Categories.BuildCategoryTree(Tree, Tree.AddChild(nullptr, "Hadith Categories"));
        R.Json["tree"] = Q(Tree.Dump());
    } catch (const std::exception& Error) {
        Reject(R, Error.what());
    }
    if (R.Count == 0)
        R.Problems.push_back("no categories");
    if (!HasScripture)
        R.Problems.push_back("no top-level \"" + ScriptureCategoryName + "\"");
    if (!HasUncategorised)
        R.Problems.push_back("no top-level \"Uncategorised\"");
}

void InspectGlossary(const std::string& File, TInspection& R) {
    TGlossaryHelper Glossary(File, R.Fingerprint);
    try {
        Glossary.LoadGlossary();
    } catch (const std::exception& Error) {
        Reject(R, Error.what());
    }
    QJsonArray Terms;
    for (const TGlossaryTerm& T : Glossary.Terms()) {
        QJsonObject E;
        E["term"] = Q(T.Term);
        E["alternateSpellings"] = Q(T.AlternateSpellings);
        E["translationSpelling"] = Q(T.TranslationSpelling);
        E["marked"] = T.Marked;
        E["meaning"] = Q(T.Meaning);
        Terms.append(E);
        AddLinks(R, T.Meaning);
    }
    R.Json["terms"] = Terms;
    R.Count = Glossary.TermCount();
    std::string Text;
    if (LoadFileText(File, Text) && TextToLines(Text).size() % 2 != 0)
        R.Problems.push_back("an odd number of lines: a term without its meaning");
    if (R.Valid && R.Count == 0)
        R.Problems.push_back("no terms");
}

void InspectAudioIndex(const std::string& File, TInspection& R) {
    std::string Text;
    if (!LoadFileText(File, Text)) {
        Reject(R, "cannot read the file");
        return;
    }
    const TStringList Stored = TextToLines(Text);
    TStringList Lines;
    try {
        for (size_t I = 0; I < Stored.size(); ++I)
            Lines.push_back(DecodeLine(Stored[I], static_cast<int>(I)));
    } catch (const std::exception& Error) {
        Reject(R, "line " + std::to_string(Lines.size()) + ": " + Error.what());
    }
    const size_t HeaderCount = AudioIndexHeader().size();
    R.Json["lineCount"] = static_cast<int>(Stored.size());
    R.Json["header"] =
        JsonList(TStringList(Lines.begin(), Lines.begin() + std::min(Lines.size(), HeaderCount)));
    QJsonArray Verses;
    int Absolute = 0;
    for (int Chapter = 1; Chapter <= ChapterCount; ++Chapter)
        for (int Verse = 1, Count = ChapterVerseCount(Chapter); Verse <= Count; ++Verse) {
            const size_t Line = HeaderCount + static_cast<size_t>(Absolute++);
            if (Line >= Lines.size())
                continue;
            QJsonObject E;
            E["verse"] = Q(FormatVerseRef(Chapter, Verse));
            E["file"] = Q(Lines[Line]);
            Verses.append(E);
            if (!IsValidAudioFileName(Lines[Line]))
                R.Problems.push_back("verse " + FormatVerseRef(Chapter, Verse) + ": \"" +
                                     Lines[Line] + "\" is no usable file name");
        }
    R.Json["verses"] = Verses;
    R.Count = static_cast<int>(Lines.size());

    // The recitation module reads the index only under its own name in the
    // program folder.
    if (R.Valid && BaseName(File) == "QRemoteAud.dbx") {
        const std::string SavedAppPath = AppPath;
        const size_t Slash = File.find_last_of('/');
        AppPath = Slash == std::string::npos ? std::string("./") : File.substr(0, Slash + 1);
        TQRemoteAudio Audio(R.Fingerprint);
        Audio.SetCacheFolder(AppPath);
        Audio.LoadAudioIndex();
        AppPath = SavedAppPath;
        int Absolute = 0, Wrong = 0;
        for (int Chapter = 1; Chapter <= ChapterCount; ++Chapter)
            for (int Verse = 1, Count = ChapterVerseCount(Chapter); Verse <= Count; ++Verse) {
                const size_t Line = HeaderCount + static_cast<size_t>(Absolute++);
                const std::string Expected = Line < Lines.size() ? Lines[Line] : std::string();
                if (Audio.VerseFileName(Chapter, Verse) != Expected && Wrong++ == 0)
                    R.Problems.push_back("the recitation module reads \"" +
                                         Audio.VerseFileName(Chapter, Verse) + "\" for verse " +
                                         FormatVerseRef(Chapter, Verse));
            }
    }
    const size_t Expected = HeaderCount + TotalVerseCount;
    if (Stored.size() != Expected)
        R.Problems.push_back(std::to_string(Stored.size()) + " lines, expected " +
                             std::to_string(Expected));
}

void InspectModule(const std::string& File, TInspection& R) {
    std::string Text;
    if (!ReadResource(File, "QDATA", Text)) {
        Reject(R, "not a module file with a readable \"QDATA\" resource");
        return;
    }
    const TStringList Stored = TextToLines(Text);
    R.Json["lineCount"] = static_cast<int>(Stored.size());
    if (Stored.size() != static_cast<size_t>(ScriptureLineCount))
        R.Problems.push_back(std::to_string(Stored.size()) + " lines, expected " +
                             std::to_string(ScriptureLineCount));
    // Through the loader, as the program reads it.
    TQuranDLLHelper Module(File, R.Fingerprint, false);
    Module.LoadText();
    if (VerificationHasFailed)
        Reject(R, "the scripture module loader rejects the file");
    QJsonArray Chapters;
    int Verses = 0;
    for (int Chapter = 1; Chapter <= ChapterCount; ++Chapter) {
        const size_t Offset = static_cast<size_t>(ChapterLineOffset(Chapter));
        QJsonObject C;
        C["chapter"] = Chapter;
        C["name"] = Q(ChapterName(Chapter, 0));
        if (Offset < Stored.size())
            C["line"] = Q(MirrorChars(ReverseText(Stored[Offset])));
        QJsonArray Lines;
        for (int Verse = 1, Count = ChapterVerseCount(Chapter); Verse <= Count; ++Verse) {
            const size_t Index = Offset + static_cast<size_t>(Verse);
            const std::string Plain =
                Index < Stored.size() ? MirrorChars(ReverseText(Stored[Index])) : std::string();
            Lines.append(Q(Plain));
            const std::string Ref = FormatVerseRef(Chapter, Verse);
            if (Plain.compare(0, std::to_string(Verse).size() + 1, std::to_string(Verse) + "|") !=
                0)
                R.Problems.push_back("verse " + Ref + ": the line does not begin with \"" +
                                     std::to_string(Verse) + "|\"");
            else if (R.Valid && TrimText(Module.GetVerseText(Chapter, Verse)).empty())
                R.Problems.push_back("verse " + Ref + ": no text");
            else
                ++Verses;
        }
        C["verses"] = Lines;
        Chapters.append(C);
    }
    R.Json["chapters"] = Chapters;
    R.Count = Verses;
}

const char* const BookmarkKindNames[7] = {
    "Qur'an Chapter", "Qur'an Chapter & Verse", "Commentary", "Glossary Term",
    "Hadith Search",  "Hadith Search",          "Hadith"};
const int BookmarkDataFields[7] = {1, 1, 0, 1, 3, 4, 1};

void InspectBookmarks(const std::string& File, TInspection& R) {
    std::string Text;
    if (!LoadFileText(File, Text)) {
        Reject(R, "cannot read the file");
        return;
    }
    const TStringList Stored = TextToLines(Text);
    QJsonArray Marks;
    for (size_t I = 0; I < Stored.size(); ++I) {
        const std::string Where = "line " + std::to_string(I);
        TStringList Fields;
        try {
            Fields = SplitText(DecodeLine(Stored[I], static_cast<int>(I)), "||");
        } catch (const std::exception& Error) {
            Reject(R, Where + ": " + Error.what());
            break;
        }
        const int Kind = Fields.empty() ? -1 : StrToIntDef(Fields[0], -1);
        if (Kind < 0 || Kind > 6) {
            Reject(R,
                   Where + ": \"" + (Fields.empty() ? "" : Fields[0]) + "\" is no bookmark kind");
            break;
        }
        QJsonObject E;
        E["line"] = static_cast<int>(I);
        E["kind"] = Kind;
        E["kindName"] = BookmarkKindNames[Kind];
        E["name"] = Q(Fields.size() > 1 ? Fields[1] : "");
        E["description"] = Q(Fields.size() > 2 ? Fields[2] : "");
        TStringList Data;
        for (size_t F = 3;
             F < Fields.size() && Data.size() < static_cast<size_t>(BookmarkDataFields[Kind]); ++F)
            Data.push_back(Fields[F]);
        if (Data.size() < static_cast<size_t>(BookmarkDataFields[Kind]))
            R.Problems.push_back(Where + ": " + std::to_string(Data.size()) +
                                 " data fields, kind " + std::to_string(Kind) + " has " +
                                 std::to_string(BookmarkDataFields[Kind]));
        E["data"] = JsonList(Data);
        Marks.append(E);
    }
    R.Json["bookmarks"] = Marks;
    R.Count = static_cast<int>(Marks.size());
}

} // namespace

TContentKind KindOfFile(const std::string& FileName) {
    const std::string Name = LowerAscii(BaseName(FileName));
    if (EndsWith(Name, ".dbh"))
        return TContentKind::Collection;
    if (EndsWith(Name, ".dbi"))
        return TContentKind::Document;
    if (Name == "hindex.dbx")
        return TContentKind::Categories;
    if (Name == "gloss.dbx")
        return TContentKind::Glossary;
    if (Name == "qremoteaud.dbx")
        return TContentKind::AudioIndex;
    if (EndsWith(Name, ".dll"))
        return TContentKind::Module;
    if (Name == "txbookmarks.dbx" || Name == "bookmarks.bak" || EndsWith(Name, ".cbk"))
        return TContentKind::Bookmarks;
    return TContentKind::Unknown;
}

namespace {
const std::pair<TContentKind, const char*> KindNames[] = {
    {TContentKind::Collection, "collection"}, {TContentKind::Document, "document"},
    {TContentKind::Categories, "categories"}, {TContentKind::Glossary, "glossary"},
    {TContentKind::AudioIndex, "audio"},      {TContentKind::Module, "module"},
    {TContentKind::Bookmarks, "bookmarks"},
};
} // namespace

TContentKind KindNamed(const std::string& Word) {
    for (const auto& [Kind, Name] : KindNames)
        if (Word == Name)
            return Kind;
    return TContentKind::Unknown;
}

const char* KindName(TContentKind Kind) {
    for (const auto& [K, Name] : KindNames)
        if (K == Kind)
            return Name;
    return "unknown";
}

TStringList AttributeValues(const std::string& Html, const std::string& Attribute) {
    TStringList Values;
    const std::string Upper = UpperCaseAscii(Html);
    const std::string Open = UpperCaseAscii(Attribute) + "=\"";
    for (size_t At = Upper.find(Open); At != std::string::npos; At = Upper.find(Open, At + 1)) {
        // Only a whole attribute name ("HREF", not "XHREF").
        if (At > 0 &&
            (std::isalnum(static_cast<unsigned char>(Upper[At - 1])) || Upper[At - 1] == '_'))
            continue;
        const size_t Start = At + Open.size();
        const size_t End = Html.find('"', Start);
        if (End == std::string::npos)
            break;
        Values.push_back(Html.substr(Start, End - Start));
    }
    return Values;
}

TInspection InspectFile(const std::string& FileName, TContentKind Kind) {
    TShellScope Scope;
    ResetVerification();
    TInspection R;
    R.Json["file"] = Q(FileName);
    R.Json["kind"] = KindName(Kind);
    if (!FileExists(FileName)) {
        Reject(R, "the file does not exist");
    } else {
        R.Fingerprint = FileFingerprint(FileName, 0);
        R.Json["fingerprint"] = Q(R.Fingerprint);
        try {
            switch (Kind) {
            case TContentKind::Collection:
                InspectCollection(FileName, R);
                break;
            case TContentKind::Document:
                InspectDocument(FileName, R);
                break;
            case TContentKind::Categories:
                InspectCategories(FileName, R);
                break;
            case TContentKind::Glossary:
                InspectGlossary(FileName, R);
                break;
            case TContentKind::AudioIndex:
                InspectAudioIndex(FileName, R);
                break;
            case TContentKind::Module:
                InspectModule(FileName, R);
                break;
            case TContentKind::Bookmarks:
                InspectBookmarks(FileName, R);
                break;
            case TContentKind::Unknown:
                Reject(R, "unknown kind of content file");
                break;
            }
        } catch (const std::exception& Error) {
            Reject(R, Error.what());
        }
    }
    for (const std::string& Message : Scope.Recorder.Messages)
        Reject(R, "the loader reported: " + Message);
    ResetVerification();
    R.Json["valid"] = R.Valid;
    if (!R.Valid)
        R.Json["reason"] = Q(R.Reason);
    R.Json["count"] = R.Count;
    R.Json["problems"] = JsonList(R.Problems);
    return R;
}
