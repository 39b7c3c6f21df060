// Rendering and expansion of verse-reference tags.
#include "scripture/VerseTags.h"

#include "app/AppGlobals.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "scripture/QuranHelper.h"
#include "scripture/TransManager.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

const std::string TagOpen = "<<QVERSE:";
const std::string TagClose = ">>";
const std::string ParaBreak = "\r\n\r\n";

// "#RRGGBB" of a colour given by its bytes, as the page builder writes colours.
std::string ColorToHtml(unsigned R, unsigned G, unsigned B) {
    char Buffer[8];
    std::snprintf(Buffer, sizeof Buffer, "#%02X%02X%02X", R & 0xFF, G & 0xFF, B & 0xFF);
    return Buffer;
}

TVerseRange ParseTagRef(const std::string& Ref) {
    const int Chapter = StrToInt(TextBefore(Ref, ":"));
    if (ContainsText("-", Ref)) {
        const int V1 = StrToInt(TextBetween(Ref, ":", "-"));
        const int V2 = StrToInt(TextAfter(Ref, "-"));
        return {Chapter, V1, Chapter, V2};
    }
    const int V = StrToInt(TextAfter(Ref, ":"));
    return {Chapter, V, Chapter, V};
}

std::string BuildVerseTable(const std::string& Ref, bool WithAudio) {
    TQuranHelper* Arabic = TransManager.ArabicModule();
    TQuranHelper* English = TransManager.EnglishModule();
    if (!Arabic)
        throw ETxError("Arabic Quran Module not Registered");
    if (!English)
        throw ETxError("English Quran Module not Registered");

    const TVerseRange Range = ParseTagRef(Ref);
    std::string A = BuildVerseRangeText(Arabic, Range, WithAudio);
    std::string E = BuildVerseRangeText(English, Range, WithAudio);
    A = Arabic->FontTag + A + "</FONT>";
    // The verse labels inside the Arabic text are set in the Latin font.
    const int Count = ChapterVerseCount(Range.StartChapter);
    for (int J = 1; J <= Count; ++J) {
        const std::string Label = FormatVerseRef(Range.StartChapter, J);
        A = ReplaceAll(A, "<B>" + Label + "</B>",
                       "<FONT FACE=\"Verdana\" SIZE=\"2\"><B>" + Label + "</B></FONT>");
    }
    E = English->FontTag + E + "</FONT>";
    const std::string Cell = ColorToHtml(0xF5, 0xF5, 0xEF);
    std::string T = "<BR><BR><A NAME=\"QREF_UNANCHORED\"></A><TABLE BORDER=1 CELLPADDING=3 "
                    "CELLSPACING=0><TR><TD ALIGN=\"Right\" BGCOLOR=" +
                    Cell + ">" + A + "</TD></TR>" + "<TR><TD ALIGN=\"Left\" BGCOLOR=" + Cell + ">" +
                    "<I>" + E + "</I><BR></TD></TR></TABLE><BR>";
    return ReplaceAll(T, ParaBreak, "<BR><BR>");
}

} // namespace

std::string BuildVerseText(TQuranHelper* Module, int Chapter, int Verse, bool WithAudio) {
    if (!Module)
        throw ETxError("Qur'an Module not Registered");
    const std::string Ref = FormatVerseRef(Chapter, Verse);
    std::string S = "<B>" + Ref + "</B> " + Module->GetVerseText(Chapter, Verse);
    if (WithAudio) {
        const std::string AudioIcon = GImgURL + "AUDIO";
        S = "<BR><A HREF=\"RAUDIO_" + Ref + "\">" + "<IMG BORDER=\"0\" SRC=\"" + AudioIcon +
            "\" ALT=\"Remote Audio\"></A>" + S;
    }
    return S;
}

std::string BuildVerseRangeText(TQuranHelper* Module, const TVerseRange& Range, bool WithAudio) {
    if (Range.StartVerse == Range.EndVerse)
        return BuildVerseText(Module, Range.StartChapter, Range.StartVerse, WithAudio);
    // A tag such as 2:1-2000000000 must not build millions of empty labels.
    const int Last = std::min(Range.EndVerse, ChapterVerseCount(Range.StartChapter));
    std::string Result;
    for (int Verse = Range.StartVerse; Verse <= Last; ++Verse) {
        if (Verse != Range.StartVerse)
            Result += ParaBreak;
        Result += BuildVerseText(Module, Range.StartChapter, Verse, WithAudio);
    }
    return Result;
}

std::string RenderVerseTags(const std::string& Text, bool WithAudio) {
    // One pass from left to right: a table is never searched for tags again,
    // so a verse text that happens to hold a tag cannot make the loop endless.
    // Identical tags share one table.
    std::map<std::string, std::string> Tables;
    std::string Result;
    size_t Pos = 0;
    for (;;) {
        const size_t Open = Text.find(TagOpen, Pos);
        if (Open == std::string::npos)
            break;
        const size_t RefStart = Open + TagOpen.size();
        const size_t Close = Text.find(TagClose, RefStart);
        if (Close == std::string::npos)
            break;
        const std::string Ref = Text.substr(RefStart, Close - RefStart);
        auto Found = Tables.find(Ref);
        if (Found == Tables.end())
            Found = Tables.emplace(Ref, BuildVerseTable(Ref, WithAudio)).first;
        Result.append(Text, Pos, Open - Pos);
        Result += Found->second;
        Pos = Close + TagClose.size();
    }
    Result.append(Text, Pos, std::string::npos);
    return Result;
}

std::string ExpandVerseTags(const std::string& Text) {
    std::string Result = Text;
    while (ContainsText(TagOpen, Result)) {
        const std::string After = TextAfter(Result, TagOpen);
        if (!ContainsText(TagClose, After))
            break;
        const std::string Ref = TextBefore(After, TagClose);
        Result = ReplaceAll(Result, TagOpen + Ref + TagClose, "[Al-Qur'an " + Ref + "]");
    }
    return Result;
}
