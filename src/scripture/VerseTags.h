// Verse-reference tags inside page texts: "<<QVERSE:2:255>>" (one verse) and
// "<<QVERSE:1:1-7>>" (verses of one chapter), rendered as a table of the
// Arabic verses above their English translation, or expanded to a plain
// bracketed reference for searching and reports.
#pragma once

#include "scripture/ChapterTable.h"

#include <string>

class TQuranHelper;

// Every tag replaced by its table. ETxError (EConvertError for numbers that
// are not integers) for a malformed tag, a chapter outside 1-114 or a missing
// Arabic or English module; the text is left unfinished then.
std::string RenderVerseTags(const std::string& Text, bool WithAudio);
// Every tag replaced by "[Al-Qur'an " + the reference as written + "]".
std::string ExpandVerseTags(const std::string& Text);

// The bold label CCC.VVV, a blank and the verse; with WithAudio a line break
// and the recitation link in front.
std::string BuildVerseText(TQuranHelper* Module, int Chapter, int Verse, bool WithAudio);
// The verses of Range joined by CR LF CR LF; a range runs at most to the last
// verse its chapter has.
std::string BuildVerseRangeText(TQuranHelper* Module, const TVerseRange& Range, bool WithAudio);
