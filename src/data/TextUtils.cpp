// Text utilities of the data files: extraction primitives of the tagged-record
// syntax, comparison, whole-word search, splitting, small conversions and the
// file helpers shared by every reader.
#include "data/TextUtils.h"

#include "data/TxError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const std::string WordDelimiters = " .?!-+=()[]{}<>,'\";:\\/";

namespace {

const std::string CrLf = "\r\n";

unsigned char UpperAscii(unsigned char C) {
    return (C >= 'a' && C <= 'z') ? static_cast<unsigned char>(C - 'a' + 'A') : C;
}

// Parses a trimmed decimal text with an optional sign into a signed 32-bit
// value; false for anything else (empty, stray characters, overflow).
bool ParseInt32(const std::string& Text, int& Value) {
    const std::string S = TrimText(Text);
    size_t I = 0;
    bool Negative = false;
    if (I < S.size() && (S[I] == '+' || S[I] == '-')) {
        Negative = S[I] == '-';
        ++I;
    }
    if (I >= S.size())
        return false;
    // The magnitude of INT_MIN is one more than INT_MAX.
    const int64_t Limit = Negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t Magnitude = 0;
    for (; I < S.size(); ++I) {
        const char C = S[I];
        if (C < '0' || C > '9')
            return false;
        Magnitude = Magnitude * 10 + (C - '0');
        if (Magnitude > Limit)
            return false;
    }
    Value = static_cast<int>(Negative ? -Magnitude : Magnitude);
    return true;
}

// Windows-style wildcard match ("*" any run, "?" one character); names
// compare with ASCII case folded, as masks do on the original platform.
bool MatchMask(const char* Mask, const char* Name) {
    const char* StarMask = nullptr;
    const char* StarName = nullptr;
    while (*Name) {
        if (*Mask == '*') {
            StarMask = ++Mask;
            StarName = Name;
        } else if (*Mask == '?' || (*Mask && UpperAscii(static_cast<unsigned char>(*Mask)) ==
                                                 UpperAscii(static_cast<unsigned char>(*Name)))) {
            ++Mask;
            ++Name;
        } else if (StarMask) {
            Mask = StarMask;
            Name = ++StarName;
        } else {
            return false;
        }
    }
    while (*Mask == '*')
        ++Mask;
    return *Mask == '\0';
}

bool WriteAll(int Fd, const std::string& Bytes) {
    size_t Done = 0;
    while (Done < Bytes.size()) {
        const ssize_t N = ::write(Fd, Bytes.data() + Done, Bytes.size() - Done);
        if (N < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        Done += static_cast<size_t>(N);
    }
    return true;
}

bool IsRealDirectory(const std::string& Path) {
    struct stat St;
    return ::lstat(Path.c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

// "Attributes to normal": the owner may read, write and (for folders) enter.
bool MakeNormal(const std::string& Path, bool Folder) {
    struct stat St;
    if (::lstat(Path.c_str(), &St) != 0)
        return false;
    if (S_ISLNK(St.st_mode))
        return true; // chmod would follow the link and change its target
    const mode_t Wanted = St.st_mode | S_IRUSR | S_IWUSR | (Folder ? S_IXUSR : 0);
    if ((St.st_mode & 07777) == (Wanted & 07777))
        return true;
    return ::chmod(Path.c_str(), Wanted & 07777) == 0;
}

} // namespace

// ---- extraction primitives ----------------------------------------------------

std::string TextBefore(const std::string& Text, const std::string& Delim) {
    if (Delim.empty())
        return std::string();
    const size_t P = Text.find(Delim);
    return P == std::string::npos ? std::string() : Text.substr(0, P);
}

std::string TextAfter(const std::string& Text, const std::string& Delim) {
    if (Delim.empty())
        return std::string();
    const size_t P = Text.find(Delim);
    return P == std::string::npos ? std::string() : Text.substr(P + Delim.size());
}

std::string TextBetween(const std::string& Text, const std::string& Open,
                        const std::string& Close) {
    if (Open.empty() || Close.empty())
        return std::string();
    const size_t P1 = Text.find(Open);
    const size_t P2 = Text.find(Close);
    if (P1 == std::string::npos || P2 == std::string::npos || P1 >= P2)
        return std::string();
    const size_t Start = P1 + Open.size();
    if (P2 <= Start)
        return std::string(); // Close begins inside Open
    return Text.substr(Start, P2 - Start);
}

std::string TextAfterBefore(const std::string& Text, const std::string& Open,
                            const std::string& Close) {
    return TextBefore(TextAfter(Text, Open), Close);
}

// ---- comparison and search ----------------------------------------------------

bool ContainsText(const std::string& Sub, const std::string& Text) {
    return !Sub.empty() && Text.find(Sub) != std::string::npos;
}

std::string TrimText(const std::string& Text) {
    size_t First = 0;
    size_t Last = Text.size();
    while (First < Last && static_cast<unsigned char>(Text[First]) <= 32)
        ++First;
    while (Last > First && static_cast<unsigned char>(Text[Last - 1]) <= 32)
        --Last;
    return Text.substr(First, Last - First);
}

std::string UpperCaseAscii(const std::string& Text) {
    std::string Result = Text;
    for (char& C : Result)
        C = static_cast<char>(UpperAscii(static_cast<unsigned char>(C)));
    return Result;
}

bool SameTextTrim(const std::string& A, const std::string& B) {
    return UpperCaseAscii(TrimText(A)) == UpperCaseAscii(TrimText(B));
}

int IndexOfSameText(const TStringList& List, const std::string& Text) {
    for (size_t I = 0; I < List.size(); ++I)
        if (SameTextTrim(List[I], Text))
            return static_cast<int>(I);
    return -1;
}

int IndexOfSameTextBeforeBar(const TStringList& List, const std::string& Text) {
    for (size_t I = 0; I < List.size(); ++I) {
        const std::string& Item = List[I];
        // An item without a bar is compared whole rather than as an empty name.
        const size_t Bar = Item.find('|');
        const std::string Name = Bar == std::string::npos ? Item : Item.substr(0, Bar);
        if (SameTextTrim(Name, Text))
            return static_cast<int>(I);
    }
    return -1;
}

bool IsWordDelimiter(unsigned char C) {
    return C <= 32 || WordDelimiters.find(static_cast<char>(C)) != std::string::npos;
}

int FindWholeWord(const std::string& Pattern, const std::string& Text, bool CaseSensitive) {
    // An empty pattern occurs everywhere and names no word.
    if (Pattern.empty() || Pattern.size() > Text.size())
        return -1;
    const std::string P = CaseSensitive ? Pattern : UpperCaseAscii(Pattern);
    const std::string T = CaseSensitive ? Text : UpperCaseAscii(Text);
    size_t From = 0;
    while (From <= T.size()) {
        const size_t Pos = T.find(P, From);
        if (Pos == std::string::npos)
            return -1;
        const size_t End = Pos + P.size();
        const bool BeforeOk = Pos == 0 || IsWordDelimiter(static_cast<unsigned char>(T[Pos - 1]));
        const bool AfterOk = End >= T.size() || IsWordDelimiter(static_cast<unsigned char>(T[End]));
        if (BeforeOk && AfterOk)
            return static_cast<int>(Pos);
        From = End;
    }
    return -1;
}

int FindTextFrom(const std::string& Pattern, const std::string& Text, int Start, bool CaseSensitive,
                 bool WholeWord) {
    // A negative offset searches from the start, so the result is always a
    // true position in Text.
    if (Start < 0)
        Start = 0;
    if (Pattern.empty() || static_cast<size_t>(Start) >= Text.size())
        return -1;
    const std::string Part = Text.substr(static_cast<size_t>(Start));
    int Found;
    if (WholeWord) {
        Found = FindWholeWord(Pattern, Part, CaseSensitive);
    } else {
        const size_t Pos =
            CaseSensitive ? Part.find(Pattern) : UpperCaseAscii(Part).find(UpperCaseAscii(Pattern));
        Found = Pos == std::string::npos ? -1 : static_cast<int>(Pos);
    }
    return Found < 0 ? -1 : Start + Found;
}

int CompareInt(int A, int B) {
    return A < B ? -1 : (A > B ? 1 : 0);
}

// ---- building and splitting ---------------------------------------------------

std::string ReplaceAll(const std::string& Text, const std::string& Pattern,
                       const std::string& Replacement) {
    if (Pattern.empty())
        return Text;
    size_t Count = 0;
    for (size_t P = Text.find(Pattern); P != std::string::npos;
         P = Text.find(Pattern, P + Pattern.size()))
        ++Count;
    if (Count == 0)
        return Text;
    std::string Result;
    Result.reserve(Text.size() - Count * Pattern.size() + Count * Replacement.size());
    size_t From = 0;
    for (size_t P = Text.find(Pattern); P != std::string::npos; P = Text.find(Pattern, From)) {
        Result.append(Text, From, P - From);
        Result += Replacement;
        From = P + Pattern.size();
    }
    Result.append(Text, From, std::string::npos);
    return Result;
}

std::string RemoveAll(const std::string& Text, const std::string& Pattern) {
    return ReplaceAll(Text, Pattern, std::string());
}

TStringList SplitText(const std::string& Text, const std::string& Sep) {
    // Going through the text of a string list first normalises the line
    // breaks and appends one, which is why a trailing separator leaves an
    // empty last item while a trailing line break leaves none.
    const std::string Normalised = LinesToText(TextToLines(Text));
    TStringList Items = TextToLines(ReplaceAll(Normalised, Sep, CrLf));
    for (std::string& Item : Items)
        Item = TrimText(Item);
    return Items;
}

TStringList SplitCommaList(const std::string& Text) {
    return SplitText(Text, ",");
}

std::string ReverseText(const std::string& Text) {
    return ReplaceAll(std::string(Text.rbegin(), Text.rend()), "\n\r", CrLf);
}

std::string QuoteText(const std::string& Text) {
    if (Text.empty())
        return "\"\"";
    std::string Result = Text;
    if (Result.front() != '"')
        Result.insert(Result.begin(), '"');
    // A lone quote is the opening one; it still needs its closing partner.
    if (Result.back() != '"' || Result.size() == 1)
        Result += '"';
    return Result;
}

std::string QuoteTextAlways(const std::string& Text) {
    return "\"" + Text + "\"";
}

std::string IntToZeroPadded(int64_t Value, int Width) {
    const bool Negative = Value < 0;
    // Magnitude as unsigned so that the most negative value has one too.
    const uint64_t Magnitude =
        Negative ? uint64_t(0) - static_cast<uint64_t>(Value) : static_cast<uint64_t>(Value);
    std::string Digits = std::to_string(Magnitude);
    const std::string Sign = Negative ? "-" : "";
    if (Width <= 0)
        return Sign + Digits; // no width asked for: the plain number
    if (Width > 256)
        Width = 256;
    const size_t W = static_cast<size_t>(Width);
    // The sign counts towards the width; zeros go between sign and digits.
    if (Sign.size() + Digits.size() < W)
        Digits.insert(0, W - Sign.size() - Digits.size(), '0');
    std::string Result = Sign + Digits;
    if (Result.size() > W)
        Result.resize(W);
    return Result;
}

std::string YesNoFlag(bool Value) {
    return Value ? "Y" : "N";
}

bool YesNoFlag(const std::string& Text) {
    return Text == "Y";
}

bool IsIntegerText(const std::string& Text) {
    int Value;
    return ParseInt32(Text, Value);
}

int StrToInt(const std::string& Text) {
    int Value;
    if (!ParseInt32(Text, Value))
        throw EConvertError("'" + Text + "' is not a valid integer value");
    return Value;
}

int StrToIntDef(const std::string& Text, int Default) {
    int Value;
    return ParseInt32(Text, Value) ? Value : Default;
}

// ---- string lists -------------------------------------------------------------

TStringList TextToLines(const std::string& Text) {
    TStringList Lines;
    size_t Start = 0;
    const size_t N = Text.size();
    while (Start < N) {
        size_t End = Start;
        while (End < N && Text[End] != '\r' && Text[End] != '\n')
            ++End;
        Lines.push_back(Text.substr(Start, End - Start));
        if (End < N && Text[End] == '\r' && End + 1 < N && Text[End + 1] == '\n')
            End += 2;
        else if (End < N)
            ++End;
        Start = End;
    }
    return Lines;
}

std::string LinesToText(const TStringList& Lines) {
    size_t Size = 0;
    for (const std::string& Line : Lines)
        Size += Line.size() + 2;
    std::string Text;
    Text.reserve(Size);
    for (const std::string& Line : Lines) {
        Text += Line;
        Text += CrLf;
    }
    return Text;
}

std::string NameOf(const std::string& Entry) {
    return TextBefore(Entry, "=");
}

std::string ValueOf(const std::string& Entry) {
    return TextAfter(Entry, "=");
}

int IndexOfName(const TStringList& List, const std::string& Name) {
    const std::string Wanted = UpperCaseAscii(Name);
    for (size_t I = 0; I < List.size(); ++I) {
        const size_t Eq = List[I].find('=');
        if (Eq != std::string::npos && UpperCaseAscii(List[I].substr(0, Eq)) == Wanted)
            return static_cast<int>(I);
    }
    return -1;
}

std::string ValueByName(const TStringList& List, const std::string& Name) {
    const int I = IndexOfName(List, Name);
    return I < 0 ? std::string() : ValueOf(List[static_cast<size_t>(I)]);
}

// ---- files --------------------------------------------------------------------

int64_t FileSizeOf(const std::string& FileName) {
    struct stat St;
    if (FileName.empty() || ::stat(FileName.c_str(), &St) != 0 || !S_ISREG(St.st_mode))
        return -1;
    return static_cast<int64_t>(St.st_size);
}

bool FileExists(const std::string& FileName) {
    struct stat St;
    return !FileName.empty() && ::stat(FileName.c_str(), &St) == 0 && S_ISREG(St.st_mode);
}

bool ListFolder(const std::string& Mask, uint32_t Attributes, TStringList& List) {
    const size_t Slash = Mask.rfind('/');
    const std::string Folder = Slash == std::string::npos ? "." : Mask.substr(0, Slash + 1);
    std::string NameMask = Slash == std::string::npos ? Mask : Mask.substr(Slash + 1);
    if (NameMask.empty())
        return false;
    if (NameMask == "*.*")
        NameMask = "*"; // also names without a dot, as on the original platform

    DIR* Dir = ::opendir(Folder.c_str());
    if (!Dir)
        return false;
    TStringList Found;
    while (const dirent* Entry = ::readdir(Dir)) {
        const std::string Name = Entry->d_name;
        if (Name == "." || Name == "..")
            continue;
        if (!MatchMask(NameMask.c_str(), Name.c_str()))
            continue;
        struct stat St;
        const std::string Path = Folder + (Folder.back() == '/' ? "" : "/") + Name;
        if (::stat(Path.c_str(), &St) != 0)
            continue; // a dangling link names nothing to list
        // Dot names are this platform's hidden entries.
        if (Name[0] == '.' && !(Attributes & faHidden))
            continue;
        const bool Wanted = S_ISDIR(St.st_mode)   ? (Attributes & faDirectory) != 0
                            : S_ISREG(St.st_mode) ? (Attributes & faArchive) != 0
                                                  : false; // devices, pipes, sockets
        if (Wanted)
            Found.push_back(Name);
    }
    ::closedir(Dir);
    // A stable order independent of the file system: by name, letters folded.
    std::sort(Found.begin(), Found.end(), [](const std::string& A, const std::string& B) {
        const std::string UA = UpperCaseAscii(A), UB = UpperCaseAscii(B);
        return UA != UB ? UA < UB : A < B;
    });
    List.insert(List.end(), Found.begin(), Found.end());
    return !Found.empty();
}

std::string WithoutTrailingBackslash(const std::string& Path) {
    if (!Path.empty() && Path.back() == '/')
        return Path.substr(0, Path.size() - 1);
    return Path;
}

bool DeleteFolderTree(const std::string& Folder, bool StopOnError, bool RemoveFolder) {
    const std::string Base = WithoutTrailingBackslash(Folder);
    // Only a real folder is walked: a link to a folder elsewhere is never
    // followed, so nothing outside the tree can be deleted.
    if (Base.empty() || !IsRealDirectory(Base))
        return false;
    bool Ok = MakeNormal(Base, true);
    if (!Ok && StopOnError)
        return false;
    DIR* Dir = ::opendir(Base.c_str());
    if (!Dir)
        return false;
    TStringList Names;
    while (const dirent* Entry = ::readdir(Dir)) {
        const std::string Name = Entry->d_name;
        if (Name != "." && Name != "..")
            Names.push_back(Name);
    }
    ::closedir(Dir);

    for (const std::string& Name : Names) {
        const std::string Path = Base + "/" + Name;
        bool Done;
        if (IsRealDirectory(Path)) {
            Done = DeleteFolderTree(Path, StopOnError, true);
        } else {
            MakeNormal(Path, false);
            Done = ::unlink(Path.c_str()) == 0;
        }
        if (!Done) {
            Ok = false;
            if (StopOnError)
                return false;
        }
    }
    if (!Ok)
        return false;
    if (!MakeNormal(Base, true))
        return false;
    return !RemoveFolder || ::rmdir(Base.c_str()) == 0;
}

bool LoadFileText(const std::string& FileName, std::string& Text) {
    const int Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (Fd < 0)
        return false;
    struct stat St;
    if (::fstat(Fd, &St) != 0 || S_ISDIR(St.st_mode)) {
        ::close(Fd);
        return false;
    }
    std::string Bytes;
    if (St.st_size > 0)
        Bytes.reserve(static_cast<size_t>(St.st_size));
    char Buffer[65536];
    for (;;) {
        const ssize_t N = ::read(Fd, Buffer, sizeof Buffer);
        if (N < 0) {
            if (errno == EINTR)
                continue;
            ::close(Fd);
            return false;
        }
        if (N == 0)
            break;
        Bytes.append(Buffer, static_cast<size_t>(N));
    }
    ::close(Fd);
    Text = std::move(Bytes);
    return true;
}

// The text goes through a string list on its way to the file, so a reader of
// the file sees CR LF line breaks with one after the last line.
bool SaveTextToFile(const std::string& Text, const std::string& FileName) {
    const std::string Bytes = LinesToText(TextToLines(Text));
    const int Fd = ::open(FileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (Fd < 0)
        return false;
    const bool Written = WriteAll(Fd, Bytes);
    return (::close(Fd) == 0) && Written;
}

bool SaveTextToFileAtomic(const std::string& Text, const std::string& FileName) {
    if (FileName.empty() || FileName.back() == '/')
        return false;
    const std::string Bytes = LinesToText(TextToLines(Text));
    // The temporary file lives in the target's folder so the rename stays on
    // one file system; a new name is tried until one is free.
    std::string Temp;
    int Fd = -1;
    for (unsigned Attempt = 0; Fd < 0 && Attempt < 100; ++Attempt) {
        Temp = FileName + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(Attempt);
        Fd = ::open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd < 0 && errno != EEXIST)
            return false;
    }
    if (Fd < 0)
        return false;
    // The replaced file keeps its permissions; a new one gets the usual ones.
    struct stat St;
    bool Ok = true;
    if (::stat(FileName.c_str(), &St) == 0)
        Ok = ::fchmod(Fd, St.st_mode & 07777) == 0;
    Ok = Ok && WriteAll(Fd, Bytes) && ::fsync(Fd) == 0;
    Ok = (::close(Fd) == 0) && Ok;
    if (Ok)
        Ok = ::rename(Temp.c_str(), FileName.c_str()) == 0;
    if (!Ok) {
        ::unlink(Temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const size_t Slash = FileName.rfind('/');
    const std::string Folder = Slash == std::string::npos ? "." : FileName.substr(0, Slash + 1);
    const int DirFd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (DirFd >= 0) {
        ::fsync(DirFd);
        ::close(DirFd);
    }
    return true;
}
