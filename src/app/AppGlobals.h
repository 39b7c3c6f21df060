// Program-wide values of the shell: the program folder, title, version and
// the picture address prefixes.
#pragma once

#include <cstdint>
#include <string>

extern std::string AppPath;     // program folder, with a trailing "/"
extern std::string AppExeName;  // full path of the program file
extern std::string AppTitle;    // "Tarvix"
extern std::string AppVersion;  // "1.81"
extern uint8_t OSKind;          // always 6 ("Unknown Windows Version!") here
extern bool StartedWithFile;
extern std::string GImgURL;     // "res://" + program file + "/GIMG/"
extern std::string QImgURL;
extern std::string HImgURL;

inline constexpr uint8_t OSKindUnknown = 6;

// Sets AppPath and the program file name, and the picture prefixes from them.
// Folder may be given with or without its trailing "/".
void SetAppPath(const std::string& Folder, const std::string& ExeName = "tarvix");

// Back to the values at program start (tests).
void ResetAppGlobals();
