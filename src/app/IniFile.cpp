// INI file in memory: parsing, lookup, updating in place and saving whole.
#include "app/IniFile.h"

#include "data/TextUtils.h"

#include <cstdint>

namespace {

bool IsQuote(char C) {
    return C == '"' || C == '\'';
}

// Decimal only, optional sign, the whole text; no partial numbers, so "12abc"
// is as unreadable as "abc".
bool ParseInt32(const std::string& Text, int& Value) {
    size_t I = 0;
    bool Negative = false;
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) {
        Negative = Text[I] == '-';
        ++I;
    }
    if (I == Text.size())
        return false;
    int64_t Result = 0;
    for (; I < Text.size(); ++I) {
        const char C = Text[I];
        if (C < '0' || C > '9')
            return false;
        Result = Result * 10 + (C - '0');
        if (Result > int64_t(INT32_MAX) + 1)
            return false;
    }
    if (Negative)
        Result = -Result;
    if (Result > INT32_MAX || Result < INT32_MIN)
        return false;
    Value = static_cast<int>(Result);
    return true;
}

std::string WithoutLineBreaks(const std::string& Text) {
    std::string Result;
    Result.reserve(Text.size());
    for (char C : Text)
        if (C != '\r' && C != '\n')
            Result += C;
    return Result;
}

} // namespace

std::string IniValueText(const std::string& Value) {
    const std::string V = WithoutLineBreaks(Value);
    if (V.empty())
        return V;
    const bool BlankAtEnd =
        static_cast<unsigned char>(V.front()) <= 32 || static_cast<unsigned char>(V.back()) <= 32;
    const bool Enclosed = V.size() >= 2 && IsQuote(V.front()) && V.front() == V.back();
    return BlankAtEnd || Enclosed ? '"' + V + '"' : V;
}

std::string IniReadValue(const std::string& Stored) {
    std::string V = TrimText(Stored);
    if (V.size() >= 2 && IsQuote(V.front()) && V.front() == V.back())
        V = V.substr(1, V.size() - 2);
    return V;
}

bool TIniFile::LoadFromFile(const std::string& FileName) {
    std::string Text;
    if (!LoadFileText(FileName, Text)) {
        FSections.clear();
        return false;
    }
    LoadFromText(Text);
    return true;
}

void TIniFile::LoadFromText(const std::string& Text) {
    FSections.clear();
    std::string Body = Text;
    // An editor may have saved the file with a byte order mark; it would hide
    // the first section header.
    if (Body.compare(0, 3, "\xEF\xBB\xBF") == 0)
        Body.erase(0, 3);
    for (const std::string& Raw : TextToLines(Body)) {
        const std::string Trimmed = TrimText(Raw);
        if (!Trimmed.empty() && Trimmed.front() == '[') {
            TSection S;
            const size_t Close = Trimmed.find(']');
            S.Name = TrimText(
                Trimmed.substr(1, Close == std::string::npos ? std::string::npos : Close - 1));
            S.HasHeader = true;
            S.HeaderRaw = Raw;
            FSections.push_back(std::move(S));
            continue;
        }
        if (FSections.empty())
            FSections.emplace_back();
        TLine L;
        L.Raw = Raw;
        const size_t Eq = Raw.find('=');
        if (Eq != std::string::npos && Trimmed.front() != ';') {
            L.Key = TrimText(Raw.substr(0, Eq));
            L.IsEntry = !L.Key.empty();
            L.Value = IniReadValue(Raw.substr(Eq + 1));
        }
        FSections.back().Lines.push_back(std::move(L));
    }
}

std::string TIniFile::ToText() const {
    TStringList Lines;
    for (const TSection& S : FSections) {
        if (S.HasHeader)
            Lines.push_back(S.HeaderRaw);
        for (const TLine& L : S.Lines)
            Lines.push_back(L.Raw);
    }
    return LinesToText(Lines);
}

bool TIniFile::SaveToFile(const std::string& FileName) const {
    return SaveTextToFileAtomic(ToText(), FileName);
}

int TIniFile::SectionIndex(const std::string& Section) const {
    for (size_t I = 0; I < FSections.size(); ++I)
        if (FSections[I].HasHeader && SameTextTrim(FSections[I].Name, Section))
            return static_cast<int>(I);
    return -1;
}

const TIniFile::TLine* TIniFile::FindEntry(const std::string& Section,
                                           const std::string& Key) const {
    const int S = SectionIndex(Section);
    if (S < 0)
        return nullptr;
    for (const TLine& L : FSections[static_cast<size_t>(S)].Lines)
        if (L.IsEntry && SameTextTrim(L.Key, Key))
            return &L;
    return nullptr;
}

bool TIniFile::SectionExists(const std::string& Section) const {
    return SectionIndex(Section) >= 0;
}

bool TIniFile::ValueExists(const std::string& Section, const std::string& Key) const {
    return FindEntry(Section, Key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Key,
                                 const std::string& Default) const {
    const TLine* L = FindEntry(Section, Key);
    return L ? L->Value : Default;
}

int TIniFile::ReadInteger(const std::string& Section, const std::string& Key, int Default) const {
    const TLine* L = FindEntry(Section, Key);
    int Value = 0;
    return L && ParseInt32(L->Value, Value) ? Value : Default;
}

bool TIniFile::ReadBool(const std::string& Section, const std::string& Key, bool Default) const {
    return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Key,
                           const std::string& Value) {
    const std::string CleanKey = TrimText(WithoutLineBreaks(Key));
    int Index = SectionIndex(Section);
    if (Index < 0) {
        TSection New;
        New.Name = TrimText(WithoutLineBreaks(Section));
        New.HasHeader = true;
        New.HeaderRaw = "[" + New.Name + "]";
        FSections.push_back(std::move(New));
        Index = static_cast<int>(FSections.size()) - 1;
    }
    TSection* S = &FSections[static_cast<size_t>(Index)];
    TLine L;
    L.Key = CleanKey;
    L.IsEntry = true;
    L.Raw = CleanKey + "=" + IniValueText(Value);
    L.Value = IniReadValue(L.Raw.substr(CleanKey.size() + 1));
    size_t InsertAt = 0;
    for (size_t I = 0; I < S->Lines.size(); ++I) {
        TLine& Old = S->Lines[I];
        if (!Old.IsEntry)
            continue;
        if (SameTextTrim(Old.Key, CleanKey)) {
            // The key keeps the spelling it has in the file.
            L.Key = Old.Key;
            L.Raw = Old.Key + "=" + IniValueText(Value);
            Old = std::move(L);
            return;
        }
        InsertAt = I + 1;
    }
    S->Lines.insert(S->Lines.begin() + static_cast<std::ptrdiff_t>(InsertAt), std::move(L));
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Key, int Value) {
    WriteString(Section, Key, std::to_string(Value));
}

void TIniFile::WriteBool(const std::string& Section, const std::string& Key, bool Value) {
    WriteString(Section, Key, Value ? "1" : "0");
}
