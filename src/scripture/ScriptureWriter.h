// Writing scripture text modules: the stored line layout of the "QDATA"
// resource and the module file that holds it. The reader is TQuranDLLHelper.
#pragma once

#include "data/TextUtils.h"

#include <string>
#include <vector>

// The stored form of a plain line (ReverseText of MirrorChars; its own inverse
// up to the order of the two steps).
std::string ScrambleLine(const std::string& Plain);

// The whole resource text: for each of the 114 chapters a chapter line, then
// one "N|text" line per verse, all scrambled and ended by CR LF.
// Chapters[c-1][v-1] is the HTML of verse v of chapter c; chapters and verses
// left out are written with empty texts, so the layout stays complete.
// False when there are more than 114 chapters, more verses than a chapter has,
// or a text with a line break.
bool BuildScriptureText(const std::vector<TStringList>& Chapters, std::string& Text);
// A module file holding that text as its "QDATA" resource.
bool WriteScriptureModule(const std::string& FileName, const std::vector<TStringList>& Chapters);
