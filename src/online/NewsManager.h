// The news service: the replies of the two scripts on the news server (the
// latest project news and a list of recommended Internet sites), their
// entries as a tree, and the web page a clicked entry stands for.
#pragma once

#include "controls/TreeAccess.h"
#include "online/HttpClient.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The news server and its two scripts, reached by plain HTTP.
inline constexpr const char* DefaultNewsServer = "news.tarvix.org";
inline constexpr const char* NewsScriptPath = "/cgi-bin/QuarvelNewsBlock.cgi";
inline constexpr const char* SitesScriptPath = "/cgi-bin/QuarvelDirect.cgi";
// Line 0 of every reply, compared after trimming and without case.
inline constexpr const char* NewsReplyMarker = "<[Velorin Direct - Data Service]>";
// How many news items a request asks for.
inline constexpr int NewsItemsWanted = 3;

// Data of the tree's nodes other than news entries (whose data is their key).
enum : intptr_t {
    ndNewsRoot = -10,
    ndSitesRoot = -20,
    ndSite = -40,
    ndNone = 0, // the error node, and entries whose key is no number
};

// Pictures of the tree's image list.
enum : int {
    niNewsFolder = 0,
    niEntry = 1,
    niSitesFolder = 2,
    niError = 3,
};

struct TDirectNewsItem {
    std::string Title;
    int NewsItemID = 0;
    std::string URL;
};

struct TDirectSiteItem {
    std::string Name;
    std::string Anchor;
};

bool IsNewsReplyMarker(const std::string& Line);
// "key<|>address<|>title", each field trimmed; a key that is no integer gives 0.
TDirectNewsItem ParseNewsLine(const std::string& Line);
// "anchor<|>name": the text before the first separator and the rest.
TDirectSiteItem ParseSiteLine(const std::string& Line);
// True for an "http://" or "https://" address: the only kind the news
// entries may hand to the desktop's opener.
bool IsWebAddress(const std::string& Address);

class TNewsManager {
public:
    // GET ScriptAddress + "?N=" + Count; fills News and NewsPageURL.
    void FetchNews(const std::string& ScriptAddress, int Count);
    // GET ScriptAddress; fills Sites and SitesPageURL.
    void FetchSites(const std::string& ScriptAddress);
    // The news and sites of the last replies, or one node telling why there
    // are none; every node expanded.
    void FillNewsTree(TTreeAccess& Tree) const;
    // Opens the page of a clicked node with OpenURL; data 0 opens nothing.
    // NodeText is the node's caption, which names a site entry.
    void OpenNewsNode(intptr_t NodeData, const std::string& NodeText) const;
    // One GET of ProbeAddress: true when the server answered at all.
    bool IsServerReachable(const std::string& ProbeAddress) const;

    std::vector<TDirectNewsItem> News;
    std::vector<TDirectSiteItem> Sites;
    std::string NewsPageURL;
    std::string SitesPageURL;
    // Describe the last request: it was answered with the reply marker
    // (Connected), or answered without it (ServerBusy), or not at all.
    bool Connected = false;
    bool ServerBusy = false;

    // The client every request goes through; not owned. Without one, every
    // request counts as no answer.
    void SetHttpClient(THttpClient* Client) { FHttpClient = Client; }
    // Opens a web address in the user's browser.
    std::function<void(const std::string& Address)> OpenURL;

private:
    // Resets the flags, then fetches Address. True with the reply's lines
    // when it carries the marker; the flags tell what happened.
    bool FetchReply(const std::string& Address, std::vector<std::string>& Lines);
    void Open(const std::string& Address) const;

    THttpClient* FHttpClient = nullptr;
};
