// The in-page link commands: the clean-up of a browser address into a link
// text and the command dispatcher's decision, given as a list of actions the
// main window carries out. The decision itself touches no window or module;
// what it must know about the content comes through TLinkQueries.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class TLinkActionKind {
    PlayVerseRef,           // Text: the verse reference for the remote recitation
    OpenCollectionLink,     // Text: the collection link key
    ShowMainDoc,            // Text: the document key; Index: its registry index or -1
    ShowClassificationHelp, // Text: the classification code
    ShowUnclassified,       // the "Unclassified Hadith" message
    ShowSearch,
    ShowBookmarks,
    ShowGlossary,
    ShowWordQuery,
    ShowCollectionsManager,
    ShowAssistant,
    ShowRemoteAudio,
    ShowPrefs,
    ShowTips,
};

struct TLinkAction {
    TLinkActionKind Kind;
    std::string Text;
    int Index = -1;

    bool operator==(const TLinkAction& Other) const {
        return Kind == Other.Kind && Text == Other.Text && Index == Other.Index;
    }
};

using TLinkActions = std::vector<TLinkAction>;

// What the dispatcher asks about the content. An unset query answers false
// or -1.
struct TLinkQueries {
    std::function<bool(const std::string&)> IsClassificationCode;
    // Registry index of the main document with this name, or -1.
    std::function<int(const std::string&)> IndexOfDocument;
};

// The link text of a browser address: upper-cased (a-z only), every
// "ABOUT:BLANK" removed, then every character with code 1.
std::string BrowserLinkText(const std::string& Url);

// What the browser does with a navigation: it goes ahead only while a page is
// being written; Link is always handed to ProcessLink.
struct TNavigation {
    bool Cancel;
    std::string Link;
};
TNavigation BrowserBeforeNavigate(const std::string& Url, bool Writing);

// The command table. Empty when the link matches no command.
TLinkActions ProcessLinkActions(const std::string& Link, const TLinkQueries& Queries);

// The document link of the hadith-science document and the anchor text that a
// classification code scrolls to ("RR_SHIH" -> "HCLASS_RR").
inline constexpr const char* HadithScienceLink = "MDOC_HADITH_SCIENCE";
std::string ClassificationAnchor(const std::string& Code);

inline constexpr const char* UnclassifiedHeading = "Unclassified Hadith";
inline constexpr const char* UnclassifiedText =
    "No classification information is stored for this hadith within it's collection!";
// Shows the "Unclassified Hadith" message through the shell.
void ShowUnclassifiedMessage();
