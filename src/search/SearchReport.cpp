// The search report page.
#include "search/SearchReport.h"

#include "app/HtmlHelpers.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "app/Shell.h"
#include "hadith/HadithHelper.h"
#include "scripture/VerseTags.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

// One character of a UTF-8 text: where it starts, how many bytes, and its
// case-folded code. A byte that is not well-formed UTF-8 stands for itself
// with a code above the Unicode range, so it only matches the same byte.
struct TFoldedChar {
    size_t Start;
    size_t Length;
    UChar32 Code;
};

std::vector<TFoldedChar> FoldText(const std::string& Text) {
    std::vector<TFoldedChar> Result;
    Result.reserve(Text.size());
    const auto* Bytes = reinterpret_cast<const uint8_t*>(Text.data());
    const int32_t Size = static_cast<int32_t>(Text.size());
    int32_t I = 0;
    while (I < Size) {
        const int32_t Start = I;
        UChar32 C = 0;
        U8_NEXT(Bytes, I, Size, C);
        if (C < 0) {
            I = Start + 1;
            C = 0x110000 + Bytes[Start];
        } else {
            C = u_foldCase(C, U_FOLD_CASE_DEFAULT);
        }
        Result.push_back({static_cast<size_t>(Start), static_cast<size_t>(I - Start), C});
    }
    return Result;
}

} // namespace

std::string SearchReportBanner(const std::string& SearchText) {
    return "Search Report [" + SearchText + "]";
}

std::string HighlightSearchText(const std::string& Text, const std::string& SearchText,
                                const std::string& Colour) {
    if (SearchText.empty() || Text.empty())
        return Text;
    const std::vector<TFoldedChar> Chars = FoldText(Text);
    const std::vector<TFoldedChar> Pattern = FoldText(SearchText);
    const std::string Marked = "<B><FONT COLOR=" + Colour + ">" + SearchText + "</FONT></B>";
    std::string Result;
    Result.reserve(Text.size());
    size_t Copied = 0; // bytes of Text already in Result
    size_t I = 0;
    while (I + Pattern.size() <= Chars.size()) {
        size_t K = 0;
        while (K < Pattern.size() && Chars[I + K].Code == Pattern[K].Code)
            ++K;
        if (K < Pattern.size()) {
            ++I;
            continue;
        }
        const TFoldedChar& Last = Chars[I + Pattern.size() - 1];
        Result.append(Text, Copied, Chars[I].Start - Copied);
        Result += Marked;
        Copied = Last.Start + Last.Length;
        I += Pattern.size();
    }
    Result.append(Text, Copied, std::string::npos);
    return Result;
}

TStringList BuildSearchReportLines(const THadithHelper& Collection, const std::string& SearchText,
                                   const std::vector<TSearchResultEntry>& Results) {
    TStringList Lines;
    Lines.push_back(BuildPageHead("Search Report", ""));
    Lines.push_back("</TABLE>");
    Lines.push_back("<BR><BR>");
    Lines.push_back("<TABLE BORDER=0 WIDTH=100%>");
    const std::string Colour = ColorToHtml(SchemeColour(AppPrefs.ColorWordHL));
    for (const TSearchResultEntry& Entry : Results) {
        Shell().ProcessEvents();
        const int N = Entry.Number;
        const std::string Link = CollectionLinkKey(Collection.CollectionName(), N);
        Lines.push_back("<TR><TD WIDTH=42 VALIGN=TOP>");
        Lines.push_back("<FONT FACE=Verdana SIZE=1>");
        Lines.push_back("<B><A HREF=\"" + Link + "\"><FONT COLOR=" + Colour + ">Hadith # " +
                        std::to_string(N) + "</FONT></A></B><BR> ");
        Lines.push_back("</FONT>");
        Lines.push_back("</TD>");
        Lines.push_back("<TD>");
        Lines.push_back(Collection.FontTag());
        Lines.push_back(
            HighlightSearchText(ExpandVerseTags(Collection.GetHadithText(N)), SearchText, Colour));
        Lines.push_back("</FONT>");
        Lines.push_back("<BR><BR>");
        Lines.push_back("<HR SIZE=1 NOSHADE COLOR=SILVER>");
        Lines.push_back("</TD></TR>");
    }
    Lines.push_back("</TABLE>");
    Lines.push_back("</BODY>");
    return Lines;
}

std::string ReportLinkTarget(const std::string& Address) {
    return RemoveAll(UpperCaseAscii(Address), "ABOUT:BLANK");
}
