// Loading and reading one hadith collection file.
#include "hadith/HadithHelper.h"

#include "app/Shell.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TextFormats.h"
#include "data/TxError.h"

#include <stdexcept>

namespace {

const int HeaderLineCount = 8;

// Stops loading; the text says why (kept for diagnostics, never shown).
struct ELoadFailure {
    std::string Reason;
};

[[noreturn]] void FailLoad(const std::string& Reason) {
    throw ELoadFailure{Reason};
}

[[noreturn]] void ListIndexError(long long Index) {
    throw ETxError("List index out of bounds (" + std::to_string(Index) + ")");
}

bool TrueFlag(const std::string& Value) {
    return SameTextTrim(Value, "TRUE");
}

std::string ItemOrEmpty(const TStringList& Items, size_t Index) {
    return Index < Items.size() ? Items[Index] : std::string();
}

} // namespace

THadithHelper::THadithHelper(const std::string& FileName)
    : FFileName(FileName), FCodePage(0), FCategories(new THadithCat({}, this)),
      FClasses(new THadithClass({}, this)), FInformation(new THadithInfo({}, this)) {
    LoadCollection();
}

THadithHelper::~THadithHelper() = default;

bool THadithHelper::IsPlainText() const {
    return FTextFormat == tfPlain;
}

bool THadithHelper::Verify() {
    std::string Computed = FileFingerprint(FFileName, FHeaderSize);
    Shell().SetVerifyStatus(Computed);
    // An empty text means the file could not be read: never a match, even
    // against a header that carries no fingerprint.
    return !Computed.empty() && Computed == FExpectedFingerprint;
}

void THadithHelper::LoadCollection() {
    if (VerificationHasFailed)
        return;
    try {
        std::string Text;
        if (!LoadFileText(FFileName, Text))
            FailLoad("Cannot read the file");
        TStringList L = TextToLines(Text);
        Text.clear();
        Text.shrink_to_fit();

        InitProgressMax(5);
        InitCaption("Loading...");
        InitProgressPos(0);

        ReadHeader(L);
        FIsValid = Verify();
        if (!FIsValid)
            FLoadError = "Fingerprint mismatch";

        L.erase(L.begin(), L.begin() + HeaderLineCount);
        InitCaption(FCollectionName);
        InitProgressPos(1);

        // The three tables sit after the records; check that the lines are
        // there before touching them, whatever HCOUNT claims.
        const long long H = FHadithCount;
        auto BodyLine = [&L](long long Index) -> std::string {
            if (Index < 0 || Index >= static_cast<long long>(L.size()))
                ListIndexError(Index);
            return DecodeLine(L[static_cast<size_t>(Index)], static_cast<int>(Index));
        };

        bool M1 = BodyLine(H) == "<[METADATA:CAT]>";
        FCategories.reset(new THadithCat(SplitText(BodyLine(H + 1), "|"), this));
        InitProgressPos(2);

        bool M2 = M1 && BodyLine(H + 2) == "<[METADATA:CLASS]>";
        FClasses.reset(new THadithClass(SplitText(BodyLine(H + 3), "|"), this));
        InitProgressPos(3);

        bool M3 = M2 && BodyLine(H + 4) == "<[METADATA:INFO]>";
        FInformation.reset(new THadithInfo(SplitText(BodyLine(H + 5), "|"), this));
        InitProgressPos(4);

        if (M3) {
            L.resize(static_cast<size_t>(H));
            FHadithLines = std::move(L);
            InitProgressPos(5);
        } else {
            FIsValid = false;
            FLoadError = "Metadata marker missing";
        }
    } catch (const ELoadFailure& E) {
        FIsValid = false;
        FLoadError = E.Reason;
    } catch (const std::exception& E) {
        // Bad Base64, a failed conversion, too few lines: all mean a damaged file.
        FIsValid = false;
        FLoadError = E.what();
    }
}

void THadithHelper::ReadHeader(TStringList& L) {
    if (L.size() < static_cast<size_t>(HeaderLineCount))
        ListIndexError(static_cast<long long>(L.size()));

    uint64_t Size = 0;
    for (int i = 0; i < HeaderLineCount; ++i) {
        Size += L[i].size() + 2;
        FHeaderLines.push_back(L[i]);
        L[i] = DecodeLine(L[i], i);
    }
    FHeaderSize = static_cast<uint32_t>(Size);

    FExpectedFingerprint = TextBetween(L[0], "<<CRCSL3:", ">>+");
    FCollectionID = TextBetween(L[1], "<<ID:", ">>");
    FCollectionName = TextBetween(L[1], "|<<N:", ">>|<<HCOUNT:");
    FHadithCount = StrToInt(TextBetween(L[1], "|<<HCOUNT:", ">>+"));

    std::string Word = TextBetween(L[2], "<<TF:", ">>");
    std::string WordHL = TextBetween(L[2], "|<<WORDHL:", ">>|<<FONT:");
    std::string Font = TextBetween(L[2], "|<<FONT:", ">>+");
    FTranslator = TextBetween(L[3], "<<TR:", ">>");
    FDescription = TextBetween(L[3], "|<<D:", ">>+");
    std::string Field1 = TextBetween(L[4], "<<Field1:", ">>");

    if (ContainsText("[", Word) && ContainsText("]", Word)) {
        std::string Number = TextBetween(Word, "[", "]");
        if (!IsIntegerText(Number))
            FailLoad("Invalid TF/CP word whilst Intialising Collection!!");
        int Page = StrToInt(Number);
        // A code page is a 16-bit number; anything else would wrap silently.
        if (Page < 0 || Page > 0xFFFF)
            FailLoad("Invalid TF/CP word whilst Intialising Collection!!");
        FCodePage = static_cast<uint16_t>(Page);
        Word = TextBefore(Word, "[");
    }
    FTextFormat = TextFormatOf(Word);
    if (FTextFormat == tfNone)
        FailLoad("Invalid TF whilst Intialising Collection!");
    if (FTextFormat == tfCodePage && FCodePage == 0)
        FailLoad("Invalid TF/CP word whilst Intialising Collection!!");

    FWordHighlight = TrueFlag(WordHL);

    if (!Field1.empty()) {
        TStringList Items = SplitText(Field1, "|");
        FRightToLeftText = TrueFlag(TextAfter(ItemOrEmpty(Items, 0), "BDORTL:"));
        FRightToLeftInfo = TrueFlag(TextAfter(ItemOrEmpty(Items, 1), "BDORTL_INFO:"));
        FTextAlign = TextAfter(ItemOrEmpty(Items, 2), "ALIGN:");
        if (FTextAlign.empty())
            FTextAlign = "LEFT";
    }

    FFontTag = "<FONT " + Font + ">";
    FFontFace = TextBetween(FFontTag, "=\"", "\" ");
}

std::string THadithHelper::GetHadithRecord(int N) const {
    if (N < 1 || N > FHadithCount || N > static_cast<long long>(FHadithLines.size()))
        ListIndexError(static_cast<long long>(N) - 1);
    return DecodeLine(FHadithLines[N - 1], N - 1);
}

std::string THadithHelper::ConvertText(const std::string& Text) const {
    if (FTextFormat == tfCodePage)
        return CodePageToNcr(Text, FCodePage);
    return Text;
}

std::string THadithHelper::RightToLeft(const std::string& Text) const {
    return "<BDO DIR=RTL>" + Text + "</BDO>";
}

std::string THadithHelper::GetNarratorChain(int N) const {
    std::string Chain = ConvertText(TextBetween(GetHadithRecord(N), "<ISN>", "</ISN>"));
    if (!Chain.empty() && FRightToLeftText)
        Chain = RightToLeft(Chain);
    return Chain;
}

std::string THadithHelper::GetHadithText(int N) const {
    std::string Record = GetHadithRecord(N);
    std::string Label = std::to_string(N) + "=";
    // Only the record's own leading label goes; the same characters inside
    // the text are part of the hadith and stay.
    if (Record.compare(0, Label.size(), Label) == 0)
        Record.erase(0, Label.size());
    std::string Text = ContainsText("</ISN>", Record) ? TextAfter(Record, "</ISN>") : Record;
    Text = ConvertText(Text);
    if (FRightToLeftText)
        Text = RightToLeft(Text);
    return Text;
}

std::string THadithHelper::GetCategory(int N) const {
    return FCategories->GetValue(N);
}

std::string THadithHelper::GetClassification(int N) const {
    return FClasses->GetValue(N);
}

std::string THadithHelper::GetInformation(int N) const {
    std::string Info = FInformation->GetValue(N);
    if (!Info.empty() && Info != FInformation->DefaultText() && FRightToLeftInfo)
        Info = RightToLeft(Info);
    return Info;
}

void THadithHelper::GetCategoryCounts(TStringList& List, bool Clear) const {
    FCategories->GetCategoryCounts(List, Clear);
}

std::string THadithHelper::LinkKeyOf(int N, bool UseGroupKeys) const {
    return UseGroupKeys ? GroupLinkKey(FCollectionID, N) : CollectionLinkKey(FCollectionName, N);
}

// The loops below run over the records actually held, which is HadithCount
// for every valid collection and nothing for a damaged one.
void THadithHelper::ListHadithsInCategory(TStringList& List, const std::string& Category,
                                          bool UseGroupKeys, bool Append) const {
    if (!Append)
        List.clear();
    if (SameTextTrim(Category, ScriptureCategoryName)) {
        ListScriptureHadiths(List, Append, UseGroupKeys);
        return;
    }
    bool All = TrimText(Category).empty();
    int Count = static_cast<int>(FHadithLines.size());
    for (int N = 1; N <= Count; ++N)
        if (All || SameTextTrim(GetCategory(N), Category))
            List.push_back(LinkKeyOf(N, UseGroupKeys));
}

void THadithHelper::ListScriptureHadiths(TStringList& List, bool Append, bool UseGroupKeys) const {
    if (!Append)
        List.clear();
    int Count = static_cast<int>(FHadithLines.size());
    for (int N = 1; N <= Count; ++N)
        if (ContainsText(ScriptureTagOpen, GetHadithText(N)))
            List.push_back(LinkKeyOf(N, UseGroupKeys));
}

std::string CollectionLinkKey(const std::string& Name, int N) {
    return "HCOLL_" + ReplaceAll(UpperCaseAscii(Name), " ", "_") + "_" + std::to_string(N);
}

std::string GroupLinkKey(const std::string& GroupKey, int N) {
    return "HGROUP_" + UpperCaseAscii(GroupKey) + "_" + std::to_string(N);
}

int LinkKeyNumber(const std::string& Key) {
    size_t Bar = Key.rfind('_');
    if (Bar == std::string::npos)
        return 0;
    return StrToIntDef(Key.substr(Bar + 1), 0);
}

namespace {

// The text after Prefix up to the last '_' of the key.
std::string KeyMiddle(const std::string& Key, const std::string& Prefix) {
    std::string Rest = TextAfter(Key, Prefix);
    size_t Bar = Rest.rfind('_');
    return Bar == std::string::npos ? std::string() : Rest.substr(0, Bar);
}

} // namespace

std::string LinkKeyCollection(const std::string& Key) {
    return ReplaceAll(KeyMiddle(Key, "HCOLL_"), "_", " ");
}

std::string LinkKeyGroup(const std::string& Key) {
    return KeyMiddle(Key, "HGROUP_");
}
