// Writing the recitation index QRemoteAud.dbx: four header lines, then one
// line per verse (in the order of AbsoluteVerseNumber) holding the name of
// the verse's recitation file; every line enciphered with its 0-based index.
#pragma once

#include "data/TextUtils.h"

#include <string>

// The header lines the writer puts first (the reader skips them).
TStringList AudioIndexHeader();
// The customary name of a verse's recitation file: "CCCVVV.ram".
std::string AudioVerseFileName(int Chapter, int Verse);
// True for a name usable both inside the cache folder and as the last part of
// a server path: no path separators, no control characters, not "." or "..".
bool IsValidAudioFileName(const std::string& Name);

// VerseFiles[k] names the file of the verse whose absolute number is k + 1;
// at most 6236 entries. False (Text empty) for too many entries or an invalid
// name.
bool BuildAudioIndex(const TStringList& VerseFiles, std::string& Text);
// The names of every verse by AudioVerseFileName.
TStringList DefaultAudioVerseFiles();
bool WriteAudioIndex(const std::string& FileName, const TStringList& VerseFiles);
