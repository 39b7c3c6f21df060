// The link dispatcher's decision as data.
#include "app/LinkCommands.h"

#include "app/MsgDlgTypes.h"
#include "app/Shell.h"
#include "data/TextUtils.h"

namespace {

struct TFeature {
    const char* Link;
    TLinkActionKind Kind;
};

const TFeature Features[] = {
    {"FEAT_SEARCH", TLinkActionKind::ShowSearch},
    {"FEAT_BOOKMARKS", TLinkActionKind::ShowBookmarks},
    {"FEAT_GLOSSARY", TLinkActionKind::ShowGlossary},
    {"FEAT_WORD_SPELL", TLinkActionKind::ShowWordQuery},
    {"FEAT_COLLS_MAN", TLinkActionKind::ShowCollectionsManager},
    {"FEAT_ASSISTANT", TLinkActionKind::ShowAssistant},
    {"FEAT_REMOTE_AUD", TLinkActionKind::ShowRemoteAudio},
    {"FEAT_PREFS", TLinkActionKind::ShowPrefs},
    {"FEAT_TIPS", TLinkActionKind::ShowTips},
};

} // namespace

std::string BrowserLinkText(const std::string& Url) {
    std::string U = RemoveAll(UpperCaseAscii(Url), "ABOUT:BLANK");
    return RemoveAll(U, std::string(1, '\x01'));
}

TNavigation BrowserBeforeNavigate(const std::string& Url, bool Writing) {
    return {!Writing, BrowserLinkText(Url)};
}

TLinkActions ProcessLinkActions(const std::string& Link, const TLinkQueries& Queries) {
    TLinkActions Actions;
    std::string L = Link;
    // A recitation link plays and the rest of the table still sees the
    // shortened text.
    if (ContainsText("RAUDIO_", L)) {
        L = RemoveAll(L, "RAUDIO_");
        Actions.push_back({TLinkActionKind::PlayVerseRef, L});
    }
    if (ContainsText("HCOLL_", L)) {
        Actions.push_back({TLinkActionKind::OpenCollectionLink, L});
        return Actions;
    }
    // Every one of the following tests is made; more than one may act.
    if (ContainsText("MDOC_", L)) {
        const int Index = Queries.IndexOfDocument ? Queries.IndexOfDocument(L) : -1;
        Actions.push_back({TLinkActionKind::ShowMainDoc, L, Index});
    }
    if (Queries.IsClassificationCode && Queries.IsClassificationCode(L))
        Actions.push_back({TLinkActionKind::ShowClassificationHelp, L});
    if (SameTextTrim(L, "Unclassified"))
        Actions.push_back({TLinkActionKind::ShowUnclassified, std::string()});
    for (const TFeature& F : Features)
        if (L == F.Link) {
            Actions.push_back({F.Kind, std::string()});
            break;
        }
    return Actions;
}

std::string ClassificationAnchor(const std::string& Code) {
    const size_t Bar = Code.find('_');
    return "HCLASS_" + (Bar == std::string::npos ? Code : Code.substr(0, Bar));
}

void ShowUnclassifiedMessage() {
    ShowMsgDlg(mkInformation, MsgHeightSmall, true, UnclassifiedHeading, UnclassifiedText, mbsOK);
}
