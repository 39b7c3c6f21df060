// Text utilities of the data files: the four extraction primitives of the
// tagged-record syntax, comparison and whole-word search, splitting and small
// conversions, and the file helpers. Strings are byte strings; only ASCII
// a-z fold, and every byte above 127 is a word character.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using TStringList = std::vector<std::string>;

// Extraction primitives (case-sensitive; an empty delimiter counts as absent).
std::string TextBefore(const std::string& Text, const std::string& Delim);
std::string TextAfter(const std::string& Text, const std::string& Delim);
std::string TextBetween(const std::string& Text, const std::string& Open, const std::string& Close);
std::string TextAfterBefore(const std::string& Text, const std::string& Open,
                            const std::string& Close);

// Comparison and search.
bool ContainsText(const std::string& Sub, const std::string& Text);
std::string TrimText(const std::string& Text);       // removes codes <= 32 at both ends
std::string UpperCaseAscii(const std::string& Text); // a-z only
bool SameTextTrim(const std::string& A, const std::string& B);
int IndexOfSameText(const TStringList& List, const std::string& Text);
// Compares only the part of each item before its first '|'.
int IndexOfSameTextBeforeBar(const TStringList& List, const std::string& Text);
bool IsWordDelimiter(unsigned char C);
extern const std::string WordDelimiters; // the 22 punctuation delimiters (codes 0-32 count too)
int FindWholeWord(const std::string& Pattern, const std::string& Text, bool CaseSensitive);
// A negative Start searches from the start of Text; the result is always a
// position in Text, or -1.
int FindTextFrom(const std::string& Pattern, const std::string& Text, int Start, bool CaseSensitive,
                 bool WholeWord);
int CompareInt(int A, int B);

// Building and splitting.
std::string ReplaceAll(const std::string& Text, const std::string& Pattern,
                       const std::string& Replacement);
std::string RemoveAll(const std::string& Text, const std::string& Pattern);
TStringList SplitText(const std::string& Text, const std::string& Sep);
TStringList SplitCommaList(const std::string& Text);
std::string ReverseText(const std::string& Text);
std::string QuoteText(const std::string& Text);       // adds missing quotes
std::string QuoteTextAlways(const std::string& Text); // always encloses
// Width is capped at 256 and counts a minus sign; Width <= 0 gives the plain number.
std::string IntToZeroPadded(int64_t Value, int Width);
std::string YesNoFlag(bool Value);
bool YesNoFlag(const std::string& Text);
bool IsIntegerText(const std::string& Text);
// Strict signed 32-bit conversion of trimmed text; EConvertError otherwise.
int StrToInt(const std::string& Text);
// As StrToInt, Default on failure.
int StrToIntDef(const std::string& Text, int Default);

// String list helpers with the name/value access of the value tables.
// Loading a text splits it at CR LF, LF or CR; a trailing break adds no item.
TStringList TextToLines(const std::string& Text);
// Joins with CR LF after every line (the text of a string list).
std::string LinesToText(const TStringList& Lines);
std::string NameOf(const std::string& Entry);  // text before the first '='
std::string ValueOf(const std::string& Entry); // text after the first '='
int IndexOfName(const TStringList& List, const std::string& Name);
std::string ValueByName(const TStringList& List, const std::string& Name);

// File helpers. Paths use '/'.
int64_t FileSizeOf(const std::string& FileName);
bool FileExists(const std::string& FileName);
// Adds the name of every entry of the folder that matches the mask ("*", "?")
// and the attributes to List; false when nothing matched. Masks match names
// with ASCII case folded; plain files need faArchive, folders faDirectory,
// and dot names (hidden here) also faHidden. Names come sorted, letters folded.
enum : uint32_t { faReadOnly = 1, faHidden = 2, faDirectory = 16, faArchive = 32, faAnyFile = 63 };
bool ListFolder(const std::string& Mask, uint32_t Attributes, TStringList& List);
std::string WithoutTrailingBackslash(const std::string& Path); // one trailing '/'
bool DeleteFolderTree(const std::string& Folder, bool StopOnError, bool RemoveFolder);
// Whole file as bytes; false when it cannot be read.
bool LoadFileText(const std::string& FileName, std::string& Text);
// Writes Text as the whole content of the file, line breaks as CR LF with one
// after the last line (the text of a string list); false on failure.
bool SaveTextToFile(const std::string& Text, const std::string& FileName);
// As SaveTextToFile, through a temporary file and a rename, so a crash never
// leaves the file half-written.
bool SaveTextToFileAtomic(const std::string& Text, const std::string& FileName);
