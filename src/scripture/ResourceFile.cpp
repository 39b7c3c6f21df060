// Reading and writing the resource container of the module files.
#include "scripture/ResourceFile.h"

#include "data/TextUtils.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string Magic = "TARVIX-RESOURCES 1";
const std::string EntryWord = "RESOURCE ";
const std::string EndWord = "END";
constexpr size_t MaxNameLength = 64;
constexpr size_t MaxLengthDigits = 18; // keeps the length inside int64

// The header line starting at Pos (without its LF); false when no LF follows.
bool NextLine(const std::string& Bytes, size_t& Pos, std::string& Line) {
    const size_t Eol = Bytes.find('\n', Pos);
    if (Eol == std::string::npos)
        return false;
    Line = Bytes.substr(Pos, Eol - Pos);
    Pos = Eol + 1;
    return true;
}

bool ParseLength(const std::string& Text, uint64_t& Length) {
    if (Text.empty() || Text.size() > MaxLengthDigits)
        return false;
    Length = 0;
    for (char C : Text) {
        if (C < '0' || C > '9')
            return false;
        Length = Length * 10 + static_cast<uint64_t>(C - '0');
    }
    return true;
}

bool ParseResources(const std::string& Bytes, TResourceList& List) {
    List.clear();
    size_t Pos = 0;
    std::string Line;
    if (!NextLine(Bytes, Pos, Line) || Line != Magic)
        return false;
    for (;;) {
        if (!NextLine(Bytes, Pos, Line))
            return false;
        if (Line == EndWord)
            return Pos == Bytes.size();
        if (Line.compare(0, EntryWord.size(), EntryWord) != 0)
            return false;
        const std::string Rest = Line.substr(EntryWord.size());
        const size_t Blank = Rest.find(' ');
        if (Blank == std::string::npos)
            return false;
        const std::string Name = Rest.substr(0, Blank);
        uint64_t Length = 0;
        if (!IsValidResourceName(Name) || !ParseLength(Rest.substr(Blank + 1), Length))
            return false;
        // Content plus its closing LF must lie inside the file.
        if (Length >= Bytes.size() - Pos || Bytes[Pos + Length] != '\n')
            return false;
        for (const auto& Entry : List)
            if (SameTextTrim(Entry.first, Name))
                return false;
        List.emplace_back(Name, Bytes.substr(Pos, Length));
        Pos += Length + 1;
    }
}

// The bytes exactly as given (the text savers normalise line breaks), through
// a temporary file and a rename so a failed write never leaves half a file.
bool SaveBytesAtomic(const std::string& Bytes, const std::string& FileName) {
    if (FileName.empty() || FileName.back() == '/')
        return false;
    const std::string Temp = FileName + ".tmp" + std::to_string(::getpid());
    const int Fd = ::open(Temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (Fd < 0)
        return false;
    bool Ok = true;
    for (size_t Done = 0; Ok && Done < Bytes.size();) {
        const ssize_t N = ::write(Fd, Bytes.data() + Done, Bytes.size() - Done);
        if (N < 0 && errno == EINTR)
            continue;
        Ok = N > 0;
        if (Ok)
            Done += static_cast<size_t>(N);
    }
    Ok = Ok && ::fsync(Fd) == 0;
    Ok = (::close(Fd) == 0) && Ok;
    Ok = Ok && ::rename(Temp.c_str(), FileName.c_str()) == 0;
    if (!Ok)
        std::remove(Temp.c_str());
    return Ok;
}

} // namespace

bool IsValidResourceName(const std::string& Name) {
    if (Name.empty() || Name.size() > MaxNameLength)
        return false;
    for (unsigned char C : Name) {
        const bool Ok = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') ||
                        (C >= '0' && C <= '9') || C == '_' || C == '-' || C == '.';
        if (!Ok)
            return false;
    }
    return true;
}

bool ReadResourceList(const std::string& FileName, TResourceList& List) {
    List.clear();
    std::string Bytes;
    if (!LoadFileText(FileName, Bytes))
        return false;
    if (!ParseResources(Bytes, List)) {
        List.clear();
        return false;
    }
    return true;
}

bool ReadResource(const std::string& FileName, const std::string& Name, std::string& Text) {
    Text.clear();
    TResourceList List;
    if (!ReadResourceList(FileName, List))
        return false;
    for (auto& Entry : List) {
        if (SameTextTrim(Entry.first, Name)) {
            Text = std::move(Entry.second);
            return true;
        }
    }
    return false;
}

bool BuildResourceFile(const TResourceList& Resources, std::string& Bytes) {
    Bytes.clear();
    std::string Out = Magic + "\n";
    for (size_t I = 0; I < Resources.size(); ++I) {
        const std::string& Name = Resources[I].first;
        if (!IsValidResourceName(Name))
            return false;
        for (size_t J = 0; J < I; ++J)
            if (SameTextTrim(Resources[J].first, Name))
                return false;
        Out += EntryWord + Name + " " + std::to_string(Resources[I].second.size()) + "\n";
        Out += Resources[I].second;
        Out += '\n';
    }
    Out += EndWord + "\n";
    Bytes = std::move(Out);
    return true;
}

bool WriteResourceFile(const std::string& FileName, const TResourceList& Resources) {
    std::string Bytes;
    return BuildResourceFile(Resources, Bytes) && SaveBytesAtomic(Bytes, FileName);
}
