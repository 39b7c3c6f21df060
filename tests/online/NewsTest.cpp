// The news service without a screen: reply parsing, what each kind of reply
// leaves in the manager, the tree it fills and the pages clicked nodes open.
#include "controls/MemoryTree.h"
#include "online/NewsManager.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

const std::string Marker = "<[Velorin Direct - Data Service]>";

class TScriptedHttpClient : public THttpClient {
public:
    THttpResponse Get(const std::string& Url, int TimeoutMs, const std::string& ProxyHost,
                      int) override {
        Urls.push_back(Url);
        EXPECT_EQ(TimeoutMs, HttpTimeoutMs);
        EXPECT_TRUE(ProxyHost.empty());
        if (Replies.empty())
            return THttpResponse{};
        THttpResponse R = Replies.front();
        Replies.pop_front();
        return R;
    }
    void Answer(const std::string& Body, int Status = 200) {
        THttpResponse R;
        R.Connected = true;
        R.Status = Status;
        R.Header = "HTTP/1.1 " + std::to_string(Status) + "\r\n";
        R.Body = Body;
        Replies.push_back(R);
    }
    void NoAnswer() { Replies.push_back(THttpResponse{}); }

    std::deque<THttpResponse> Replies; // none left: no answer
    std::vector<std::string> Urls;
};

class NewsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Manager.SetHttpClient(&Client);
        Manager.OpenURL = [this](const std::string& Address) { Opened.push_back(Address); };
    }

    std::string TreeAfter() {
        TMemoryTree Tree;
        Tree.AddChild(nullptr, "left over");
        Manager.FillNewsTree(Tree);
        return Tree.Dump();
    }

    TScriptedHttpClient Client;
    TNewsManager Manager;
    std::vector<std::string> Opened;
};

} // namespace

TEST(NewsReply, MarkerIsComparedTrimmedWithoutCase) {
    const std::pair<std::string, bool> Cases[] = {
        {Marker, true},
        {"  <[velorin direct - DATA SERVICE]>\t", true},
        {"<[Velorin Direct - Data Service]> x", false},
        {"<[Velorin Direct-Data Service]>", false},
        {"", false},
    };
    for (const auto& [Line, Expected] : Cases)
        EXPECT_EQ(IsNewsReplyMarker(Line), Expected) << Line;
}

TEST(NewsReply, NewsLinesGiveKeyAddressAndTitle) {
    struct Case {
        std::string Line;
        int Key;
        std::string Url, Title;
    };
    const Case Cases[] = {
        {"7<|>addr<|>Title", 7, "addr", "Title"},
        {"x<|>addr<|>T", 0, "addr", "T"},
        {" 12 <|> http://a/b <|>  Spaced title ", 12, "http://a/b", "Spaced title"},
        {"-3<|>a<|>b", -3, "a", "b"},
        {"99999999999<|>a<|>b", 0, "a", "b"}, // no 32-bit integer
        {"5<|>only an address", 5, "only an address", ""},
        {"4<|>a<|>b<|>c", 4, "a", "b"},
        {"no separator", 0, "", ""},
        {"", 0, "", ""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Line);
        const TDirectNewsItem Item = ParseNewsLine(C.Line);
        EXPECT_EQ(Item.NewsItemID, C.Key);
        EXPECT_EQ(Item.URL, C.Url);
        EXPECT_EQ(Item.Title, C.Title);
    }
}

TEST(NewsReply, SiteLinesSplitAtTheFirstSeparator) {
    const std::tuple<std::string, std::string, std::string> Cases[] = {
        {"faq<|>Questions", "faq", "Questions"},
        {"a<|>b<|>c", "a", "b<|>c"},
        {"<|>No anchor", "", "No anchor"},
        {"no separator", "", ""},
    };
    for (const auto& [Line, Anchor, Name] : Cases) {
        SCOPED_TRACE(Line);
        const TDirectSiteItem Site = ParseSiteLine(Line);
        EXPECT_EQ(Site.Anchor, Anchor);
        EXPECT_EQ(Site.Name, Name);
    }
}

TEST_F(NewsTest, AnsweredRequestsFillNewsSitesAndPages) {
    Client.Answer(Marker + "\r\npage\r\n7<|>http://n/7<|>Title\rx<|>addr<|>T\n");
    Client.Answer(" " + Marker + " \npages\r\nfaq<|>Questions\r\n");
    Manager.FetchNews("http://host/cgi-bin/QuarvelNewsBlock.cgi", NewsItemsWanted);
    ASSERT_TRUE(Manager.Connected);
    Manager.FetchSites("http://host/cgi-bin/QuarvelDirect.cgi");

    EXPECT_EQ(Client.Urls, (std::vector<std::string>{"http://host/cgi-bin/QuarvelNewsBlock.cgi?N=3",
                                                     "http://host/cgi-bin/QuarvelDirect.cgi"}));
    EXPECT_TRUE(Manager.Connected);
    EXPECT_FALSE(Manager.ServerBusy);
    EXPECT_EQ(Manager.NewsPageURL, "page");
    EXPECT_EQ(Manager.SitesPageURL, "pages");
    ASSERT_EQ(Manager.News.size(), 2u);
    EXPECT_EQ(Manager.News[0].NewsItemID, 7);
    EXPECT_EQ(Manager.News[0].URL, "http://n/7");
    EXPECT_EQ(Manager.News[1].Title, "T");
    ASSERT_EQ(Manager.Sites.size(), 1u);
    EXPECT_EQ(Manager.Sites[0].Name, "Questions");

    EXPECT_EQ(TreeAfter(), "Project News [-10]\n"
                           "  Title [7]\n"
                           "  T\n"
                           "Internet Sites [-20]\n"
                           "  Questions [-40]\n");
}

TEST_F(NewsTest, FailedRequestsSetTheFlagsAndKeepThePageAddresses) {
    Client.Answer(Marker + "\r\nold page\r\n1<|>a<|>b");
    Manager.FetchNews("http://h/n", 3);
    ASSERT_EQ(Manager.NewsPageURL, "old page");

    struct Case {
        const char* Name;
        std::function<void()> Reply;
        bool Connected, Busy;
    };
    const Case Cases[] = {
        {"no answer", [this] { Client.NoAnswer(); }, false, false},
        {"empty body", [this] { Client.Answer(""); }, false, true},
        {"no marker", [this] { Client.Answer("<html>busy</html>\r\n" + Marker); }, false, true},
        {"error status", [this] { Client.Answer("Not here", 404); }, false, true},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        C.Reply();
        Manager.FetchNews("http://h/n", 3);
        EXPECT_EQ(Manager.Connected, C.Connected);
        EXPECT_EQ(Manager.ServerBusy, C.Busy);
        EXPECT_TRUE(Manager.News.empty());
        EXPECT_EQ(Manager.NewsPageURL, "old page");
    }

    // The marker alone is an answer with no page and no entries.
    Client.Answer(Marker);
    Manager.FetchNews("http://h/n", 3);
    EXPECT_TRUE(Manager.Connected);
    EXPECT_EQ(Manager.NewsPageURL, "");
    EXPECT_TRUE(Manager.News.empty());
}

TEST_F(NewsTest, TreeTellsWhyThereIsNoNews) {
    Client.NoAnswer();
    Client.NoAnswer();
    Manager.FetchNews("http://h/n", 3);
    Manager.FetchSites("http://h/s");
    EXPECT_EQ(TreeAfter(), "Internet connection unavailable\n");

    Client.Answer("Service temporarily unavailable");
    Manager.FetchSites("http://h/s");
    EXPECT_EQ(TreeAfter(), "Server Busy/Unavailable\n");

    // After an update the flags describe the sites request alone: news that
    // failed leave an empty news folder beside the sites.
    Client.Answer("busy");
    Client.Answer(Marker + "\r\npages\r\nfaq<|>Questions");
    Manager.FetchNews("http://h/n", 3);
    Manager.FetchSites("http://h/s");
    EXPECT_EQ(TreeAfter(), "Project News [-10]\nInternet Sites [-20]\n  Questions [-40]\n");

    // And news that arrived are not shown when the sites request then fails.
    Client.Answer(Marker + "\r\npage\r\n1<|>http://n/1<|>One");
    Client.NoAnswer();
    Manager.FetchNews("http://h/n", 3);
    Manager.FetchSites("http://h/s");
    EXPECT_EQ(TreeAfter(), "Internet connection unavailable\n");
}

TEST_F(NewsTest, TreeNodesCarryPicturesAndAreExpanded) {
    Client.Answer(Marker + "\r\npage\r\n1<|>http://n/1<|>One");
    Client.Answer(Marker + "\r\npages\r\nfaq<|>Questions");
    Manager.FetchNews("http://h/n", 3);
    Manager.FetchSites("http://h/s");
    TMemoryTree Tree;
    Manager.FillNewsTree(Tree);
    const auto& Roots = Tree.Root().Children;
    ASSERT_EQ(Roots.size(), 2u);
    EXPECT_EQ(Roots[0]->ImageIndex, niNewsFolder);
    EXPECT_EQ(Roots[0]->Children[0]->ImageIndex, niEntry);
    EXPECT_EQ(Roots[1]->ImageIndex, niSitesFolder);
    EXPECT_EQ(Roots[1]->Children[0]->SelectedIndex, niEntry);
    EXPECT_TRUE(Roots[0]->Expanded && Roots[1]->Expanded);

    Client.NoAnswer();
    Manager.FetchSites("http://h/s");
    Manager.FillNewsTree(Tree);
    ASSERT_EQ(Tree.Root().Children.size(), 1u);
    EXPECT_EQ(Tree.Root().Children[0]->ImageIndex, niError);
}

TEST_F(NewsTest, ClickedNodesOpenTheirPages) {
    Client.Answer(Marker + "\r\nhttp://news.example/page\r\n" +
                  "7<|>http://news.example/7<|>Seven\r\n"
                  "x<|>http://news.example/x<|>No key\r\n"
                  "7<|>http://news.example/second7<|>Seven again");
    Client.Answer(Marker + "\r\nhttp://sites.example/list\r\n" +
                  "faq<|>Questions\r\n"
                  "<|>No anchor\r\n"
                  "dup<|>Twice\r\n"
                  "other<|>Twice");
    Manager.FetchNews("http://h/n", 3);
    Manager.FetchSites("http://h/s");

    struct Case {
        intptr_t Data;
        std::string Text;
        std::string Opened; // empty: nothing
    };
    const Case Cases[] = {
        {7, "Seven again", "http://news.example/7"}, // the first item with the key
        {0, "No key", ""},
        {ndNewsRoot, "Project News", "http://news.example/page"},
        {ndSitesRoot, "Internet Sites", "http://sites.example/list"},
        {ndSite, "Questions", "http://sites.example/list#faq"},
        {ndSite, "Twice", "http://sites.example/list#dup"},
        {ndSite, "No anchor", ""},
        {ndSite, "questions", ""}, // names match exactly
        {ndSite, "Nowhere", ""},
        {12345, "Gone", ""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        Opened.clear();
        Manager.OpenNewsNode(C.Data, C.Text);
        EXPECT_EQ(Opened, C.Opened.empty() ? std::vector<std::string>{}
                                           : std::vector<std::string>{C.Opened});
    }
    // News keys are looked up first, even one equal to the data of the site
    // nodes.
    Client.Answer(Marker + "\r\npage\r\n-40<|>http://news.example/minus40<|>Odd key");
    Manager.FetchNews("http://h/n", 3);
    Opened.clear();
    Manager.OpenNewsNode(ndSite, "Questions");
    EXPECT_EQ(Opened, std::vector<std::string>{"http://news.example/minus40"});
}

TEST_F(NewsTest, OnlyWebAddressesReachTheOpener) {
    const std::pair<std::string, bool> Cases[] = {
        {"http://news.example/a", true},
        {"HTTPS://news.example/a", true},
        {"http://", false},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"javascript:alert(1)", false},
        {"news.example/a", false},
        {"", false},
    };
    for (const auto& [Address, Web] : Cases) {
        SCOPED_TRACE(Address);
        EXPECT_EQ(IsWebAddress(Address), Web);
        Client.Answer(Marker + "\r\n" + Address + "\r\n1<|>" + Address + "<|>Entry");
        Manager.FetchNews("http://h/n", 3);
        Opened.clear();
        Manager.OpenNewsNode(1, "Entry");
        Manager.OpenNewsNode(ndNewsRoot, "Project News");
        EXPECT_EQ(Opened.size(), Web ? 2u : 0u);
    }
}

TEST_F(NewsTest, ServerIsReachableWhenItAnswersAtAll) {
    Client.Answer("", 500);
    EXPECT_TRUE(Manager.IsServerReachable("http://h/cgi-bin/QuarvelDirect.cgi"));
    Client.NoAnswer();
    EXPECT_FALSE(Manager.IsServerReachable("http://h/cgi-bin/QuarvelDirect.cgi"));
    EXPECT_EQ(Client.Urls.size(), 2u);
    EXPECT_EQ(Client.Urls[0], "http://h/cgi-bin/QuarvelDirect.cgi");

    TNewsManager Unwired;
    EXPECT_FALSE(Unwired.IsServerReachable("http://h/x"));
    Unwired.FetchNews("http://h/n", 3);
    EXPECT_FALSE(Unwired.Connected);
    EXPECT_FALSE(Unwired.ServerBusy);
}
