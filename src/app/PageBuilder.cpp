// The page templates of the main window.
#include "app/PageBuilder.h"

#include "app/AppGlobals.h"
#include "app/Prefs.h"
#include "data/TextFormats.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "hadith/Classification.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "scripture/MainDocManager.h"
#include "scripture/VerseTags.h"

bool PrefsWindowShowing = false;

namespace {

const std::string CrLf = "\r\n";
const std::string Rule = "<HR SIZE=1 NOSHADE COLOR=SILVER>";

// The page text: each line followed by CR LF. A line may hold several.
class TPageLines {
public:
    TPageLines& operator<<(const std::string& Line) {
        FText += Line;
        FText += CrLf;
        return *this;
    }
    const std::string& Text() const { return FText; }

private:
    std::string FText;
};

THadithHelper& ActiveCollection() {
    THadithHelper* H = HadithCollManager.ActiveView();
    if (!H)
        throw ETxError("Hadith Collection Module not Registered");
    return *H;
}

// Links and classification names keep the saved scheme even while the
// preferences window previews another one.
std::string SavedSchemeHtml() {
    return ColorToHtml(SchemeColour(AppPrefs.ColorWordHL));
}

// The collection's font attributes without the leading "<FONT ", so that one
// FONT tag can carry a colour as well.
std::string FontTagAttributes(const std::string& FontTag) {
    const std::string Open = "<FONT ";
    if (FontTag.size() >= Open.size() && FontTag[Open.size() - 1] == ' ' &&
        SameTextTrim(FontTag.substr(0, Open.size()), "<FONT"))
        return FontTag.substr(Open.size());
    // Not a FONT tag at all: close the coloured one at least.
    return ">";
}

std::string InfoStripStart() {
    return "<BR><FONT FACE=\"Verdana\" SIZE=1><B>Hadith Group:</B> ";
}

} // namespace

int PageHeadScheme() {
    return PrefsWindowShowing ? PreviewPrefs.ColorWordHL : AppPrefs.ColorWordHL;
}

std::string BuildPageHead(const std::string& Title, const std::string& Info) {
    const int S = PageHeadScheme();
    const std::string C = ColorToHtml(SchemeColour(S));
    TPageLines L;
    L << "<HEAD>";
    L << "<STYLE TYPE=\"text/css\" MEDIA=\"Screen\">";
    L << "A:link:      {color:" + C + "}";
    L << "A:active:    {color:" + C + "}";
    L << "A:visited:   {color:" + C + "}";
    L << "A:hover:     {color:" + C + "}";
    L << "</STYLE>";
    L << "</HEAD>";
    L << "<BODY BGCOLOR=\"" + ColorToHtml(PageBackground) + "\">";
    L << "<CENTER>";
    L << "<TABLE BORDER=0 WIDTH=100%>";
    L << "<TR><TD WIDTH=42 VALIGN=TOP></TD>";
    L << "<TD ALIGN=CENTER VALIGN=TOP>";
    L << BuildHeaderTable(S, Title, Info);
    L << "</TD></TR>";
    return L.Text();
}

std::string BuildHeaderTable(int Scheme, const std::string& Title, const std::string& Info) {
    // Joined piece by piece rather than through a format template: the info
    // strip carries the collection's group key and name, and a "%" there (or
    // in the title) must show as itself, never act as a format directive.
    return "<TABLE BORDER=0 WIDTH=494><TR><TD BACKGROUND=\"" + GImgURL +
           SchemeHeaderPicture(Scheme) +
           "\" ALIGN=CENTER VALIGN=CENTER HEIGHT=39><FONT FACE=\"Verdana\" SIZE=1><B>" + Title +
           "</B></TD></TR><TR><TD>" + Info + "</TD></TR></TABLE>";
}

std::string BuildWelcomePage() {
    TPageLines L;
    L << "<BODY BGCOLOR=\"#EBEBE0\">";
    L << "<CENTER><BR>";
    L << "<IMG SRC=\"" + HImgURL + "WELCOME1\"><BR><BR>";
    L << "<IMG SRC=\"" + HImgURL + "WELCOME2\"><BR><BR>";
    L << "<FONT FACE=Verdana SIZE=2>";
    // The credit ends in a link so that the closing "</A>" of the line has its
    // opening tag.
    L << "<B>Tarvix, a reader of hadith collections</B><BR>"
         "<A HREF=\"FEAT_TIPS\">Tips for getting started</A>";
    L << "</FONT>";
    L << "</CENTER>";
    return L.Text();
}

std::string BuildMainDocPage(int Index) {
    const TMainDoc& D = MainDocManager.DocumentAt(Index);
    TPageLines L;
    L << BuildPageHead(D.Title(), "<BR><BR>");
    L << "</TABLE></BODY>";
    L << "</CENTER>";
    L << "<FONT FACE=Verdana SIZE=2>";
    L << RenderVerseTags(ExpandAppMacros(D.BodyText()), AppPrefs.EnableRemoteAudio);
    L << "</FONT>";
    return L.Text();
}

std::string BuildCategoryPage(const std::string& Category) {
    const THadithHelper& H = ActiveCollection();
    TStringList List;
    H.ListHadithsInCategory(List, Category, false, true);
    const std::string Info = InfoStripStart() + H.CollectionID() + "<BR>" + "<B>Item Count:</B> " +
                             std::to_string(List.size()) + "<BR>" + "<B>Hadith Collection:</B> " +
                             H.CollectionName() + "</FONT>";
    const std::string K = SavedSchemeHtml();
    const bool WithAudio = AppPrefs.EnableRemoteAudio;

    TPageLines L;
    L << BuildPageHead(Category, Info);
    L << "</TABLE>";
    L << "<BR><BR>";
    L << "<TABLE BORDER=0 WIDTH=100%>";
    L << "<TR><TD>";
    L << H.FontTag();
    for (const std::string& Entry : List) {
        const int N = LinkKeyNumber(Entry);
        L << "<BR><A HREF=\"" + CollectionLinkKey(H.CollectionName(), N) + "\">";
        L << "<FONT COLOR=\"" + K + "\">";
        L << "<FONT FACE=\"Verdana\" SIZE=2>";
        L << "<B>Hadith #" + std::to_string(N) + "</B></FONT></A>";
        L << Rule;
        L << "</FONT>";
        L << "<TABLE BORDER=0><TR><TD ALIGN=\"" + H.TextAlign() + "\">";
        L << H.FontTag();
        L << RenderVerseTags(H.GetHadithText(N), WithAudio);
        L << "</FONT>";
        L << "</TD></TR></TABLE>";
        L << "<BR>";
    }
    if (List.empty()) {
        L << "<FONT FACE=\"Verdana\" SIZE=2>";
        L << "<B>No Ahadith found in this category!</B></A>";
        L << Rule;
        L << "No Ahadith were found under this category, for the current Hadith collection. Use "
             "the \"Show Count\" feature to show which categories contain Ahadith, or select the "
             "\"Uncategorised\" category. Alternatively select another Hadith collection!";
        L << "</FONT>";
    }
    L << "</FONT>";
    L << Rule;
    L << "</TD></TR>";
    L << "</TABLE>";
    L << "</BODY>";
    return L.Text();
}

std::string BuildHadithPage(int N) {
    const THadithHelper& H = ActiveCollection();
    const std::string K = SavedSchemeHtml();
    const std::string& A = H.TextAlign();
    const std::string Number = std::to_string(N);
    const std::string Info = InfoStripStart() + H.CollectionID() + "<BR>" +
                             "<B>Hadith Collection:</B> " + H.CollectionName() + "</FONT>";

    TPageLines L;
    L << BuildPageHead("Hadith Number: " + Number, Info);
    L << "</TABLE>";
    L << "<BR><BR>";
    L << "<TABLE BORDER=0 WIDTH=100%>";
    L << "<TR><TD>";
    L << "<FONT FACE=\"Verdana\" SIZE=2>";
    L << "<B>Hadith #" + Number + ", ";
    L << "Category:</B> " + H.GetCategory(N);
    L << "</FONT>";
    L << Rule;
    const std::string Chain = H.GetNarratorChain(N);
    if (!Chain.empty()) {
        L << "<TABLE BORDER=0><TR><TD ALIGN=\"" + A + "\">";
        L << "<FONT COLOR=\"" + K + "\" " + FontTagAttributes(H.FontTag());
        L << Chain + "<BR><BR>";
        L << "</FONT>";
        L << "</TD></TR></TABLE>";
    }
    L << "<TABLE BORDER=0 WIDTH=100%><TR><TD ALIGN=\"" + A + "\">";
    L << H.FontTag();
    L << RenderVerseTags(H.GetHadithText(N), AppPrefs.EnableRemoteAudio);
    L << "</FONT>";
    L << "</TD></TR></TABLE>";
    L << "<BR><BR>";
    L << "<FONT FACE=\"Verdana\" SIZE=2>";
    L << "<B>Classification of this Hadith</B>";
    L << "</FONT>";
    L << Rule;
    L << "<FONT FACE=\"Verdana\" SIZE=2>";
    L << ClassificationHtml(H, N, K);
    L << "</FONT></FONT>";
    L << "<BR><BR>";
    L << "<FONT FACE=\"Verdana\" SIZE=2>";
    L << "<B>Information for this Hadith</B>";
    L << "</FONT>";
    L << Rule;
    L << "<TABLE BORDER=0 WIDTH=100%><TR><TD ALIGN=\"" + A + "\">";
    L << "<FONT FACE=\"Verdana\" SIZE=2>";
    L << InformationHtml(H, N);
    L << "</FONT>";
    L << "</TD></TR></TABLE>";
    L << Rule;
    L << "</TD></TR>";
    L << "</TABLE>";
    L << "</BODY>";
    return L.Text();
}

void ResetPageBuilderState() {
    PrefsWindowShowing = false;
}
