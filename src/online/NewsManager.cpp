// The news service's replies, tree and links.
#include "online/NewsManager.h"

#include "data/TextUtils.h"

namespace {

const char* const FieldSeparator = "<|>";
constexpr size_t FirstEntryLine = 2;

bool StartsWithFolded(const std::string& Text, const std::string& Prefix) {
    return Text.size() >= Prefix.size() &&
           UpperCaseAscii(Text.substr(0, Prefix.size())) == UpperCaseAscii(Prefix);
}

} // namespace

bool IsNewsReplyMarker(const std::string& Line) {
    return SameTextTrim(Line, NewsReplyMarker);
}

TDirectNewsItem ParseNewsLine(const std::string& Line) {
    const TStringList Fields = SplitText(Line, FieldSeparator);
    const auto Field = [&Fields](size_t I) {
        return I < Fields.size() ? Fields[I] : std::string();
    };
    TDirectNewsItem Item;
    Item.NewsItemID = StrToIntDef(Field(0), 0);
    Item.URL = Field(1);
    Item.Title = Field(2);
    return Item;
}

TDirectSiteItem ParseSiteLine(const std::string& Line) {
    TDirectSiteItem Item;
    Item.Anchor = TextBefore(Line, FieldSeparator);
    Item.Name = TextAfter(Line, FieldSeparator);
    return Item;
}

bool IsWebAddress(const std::string& Address) {
    for (const char* Scheme : {"http://", "https://"})
        if (StartsWithFolded(Address, Scheme) && Address.size() > std::string(Scheme).size())
            return true;
    return false;
}

bool TNewsManager::FetchReply(const std::string& Address, std::vector<std::string>& Lines) {
    Connected = false;
    ServerBusy = false;
    Lines.clear();
    if (!FHttpClient)
        return false;
    const THttpResponse Reply = FHttpClient->Get(Address, HttpTimeoutMs, std::string(), 0);
    if (!Reply.Connected)
        return false;
    Connected = true;
    Lines = TextToLines(Reply.Body);
    if (Lines.empty() || !IsNewsReplyMarker(Lines[0])) {
        ServerBusy = true;
        Connected = false;
        Lines.clear();
        return false;
    }
    return true;
}

void TNewsManager::FetchNews(const std::string& ScriptAddress, int Count) {
    News.clear();
    std::vector<std::string> Lines;
    if (!FetchReply(ScriptAddress + "?N=" + std::to_string(Count), Lines))
        return;
    NewsPageURL = Lines.size() > 1 ? Lines[1] : std::string();
    for (size_t I = FirstEntryLine; I < Lines.size(); ++I)
        News.push_back(ParseNewsLine(Lines[I]));
}

void TNewsManager::FetchSites(const std::string& ScriptAddress) {
    Sites.clear();
    std::vector<std::string> Lines;
    if (!FetchReply(ScriptAddress, Lines))
        return;
    SitesPageURL = Lines.size() > 1 ? Lines[1] : std::string();
    for (size_t I = FirstEntryLine; I < Lines.size(); ++I)
        Sites.push_back(ParseSiteLine(Lines[I]));
}

void TNewsManager::FillNewsTree(TTreeAccess& Tree) const {
    Tree.BeginUpdate();
    Tree.Clear();
    const auto Add = [&Tree](TTreeNodeRef Parent, const std::string& Caption, intptr_t Data,
                             int Picture) {
        const TTreeNodeRef Node = Tree.AddChild(Parent, Caption);
        Tree.SetData(Node, Data);
        Tree.SetImages(Node, Picture, Picture);
        return Node;
    };
    if (Connected) {
        const TTreeNodeRef NewsRoot = Add(nullptr, "Project News", ndNewsRoot, niNewsFolder);
        for (const TDirectNewsItem& Item : News)
            Add(NewsRoot, Item.Title, Item.NewsItemID, niEntry);
        const TTreeNodeRef SitesRoot = Add(nullptr, "Internet Sites", ndSitesRoot, niSitesFolder);
        for (const TDirectSiteItem& Site : Sites)
            Add(SitesRoot, Site.Name, ndSite, niEntry);
    } else {
        Add(nullptr, ServerBusy ? "Server Busy/Unavailable" : "Internet connection unavailable",
            ndNone, niError);
    }
    Tree.ExpandAll();
    Tree.EndUpdate();
}

void TNewsManager::Open(const std::string& Address) const {
    // The addresses come from the network: anything but a web page (a local
    // file, a program) is never handed to the desktop's opener.
    if (OpenURL && IsWebAddress(Address))
        OpenURL(Address);
}

void TNewsManager::OpenNewsNode(intptr_t NodeData, const std::string& NodeText) const {
    if (NodeData == ndNone)
        return; // the error node, or an entry without a usable key
    for (const TDirectNewsItem& Item : News)
        if (Item.NewsItemID == NodeData) {
            Open(Item.URL);
            return;
        }
    switch (NodeData) {
    case ndSite:
        for (const TDirectSiteItem& Site : Sites)
            if (Site.Name == NodeText) {
                if (!Site.Anchor.empty())
                    Open(SitesPageURL + "#" + Site.Anchor);
                return;
            }
        return;
    case ndNewsRoot:
        Open(NewsPageURL);
        return;
    case ndSitesRoot:
        Open(SitesPageURL);
        return;
    default:
        return;
    }
}

bool TNewsManager::IsServerReachable(const std::string& ProbeAddress) const {
    return FHttpClient && FHttpClient->Get(ProbeAddress, HttpTimeoutMs, std::string(), 0).Connected;
}
