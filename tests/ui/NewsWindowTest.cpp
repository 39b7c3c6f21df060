// The news window against a news server of the test on 127.0.0.1: the tree
// each kind of reply gives, clicks on its nodes, requests that fail or never
// end, the start-up option and the update timer.
#include "online/ui/NewsWindow.h"

#include "LocalHttpServer.h"
#include "app/HtmlHelpers.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvTreeView.h"
#include "controls/ui/SchemePanel.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const std::string Marker = "<[Velorin Direct - Data Service]>";
const std::string NewsRequest = "GET /cgi-bin/QuarvelNewsBlock.cgi?N=3 HTTP/1.1";
const std::string SitesRequest = "GET /cgi-bin/QuarvelDirect.cgi HTTP/1.1";

const std::string NewsBody = Marker + "\r\nhttp://news.example/page\r\n" +
                             "7<|>http://news.example/7<|>Title\r\n"
                             "x<|>http://news.example/x<|>T\r\n";
const std::string SitesBody = "  <[velorin direct - DATA SERVICE]>  \r\n"
                              "http://sites.example/list\r\nfaq<|>Questions\r\n";

// Answers the news script with NewsReply and the sites script with
// SitesReply (whole replies; nullopt: no answer).
TLocalHttpServer::THandler Scripts(std::optional<std::string> NewsReply,
                                   std::optional<std::string> SitesReply) {
    return [NewsReply, SitesReply](const std::string& Line) {
        return Line.find(NewsScriptPath) != std::string::npos ? NewsReply : SitesReply;
    };
}

std::optional<std::string> Ok(const std::string& Body) {
    return HttpReply("HTTP/1.1 200 OK", Body);
}

class NewsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Server.Listening);
        News.ServerHost = Server.Host();
        News.UrlOpener = [this](const std::string& Address) {
            Opened.push_back(Address);
            return true;
        };
        News.OnStartupOptionChanged = [this](bool Value) { OptionEvents.push_back(Value); };
    }

    // The tree as "caption [data]" lines, two blanks per level.
    std::string TreeDump() const {
        std::string Out;
        std::function<void(QTreeWidgetItem*, int)> Walk = [&](QTreeWidgetItem* Item, int Level) {
            const intptr_t Data = News.trvNews->Data(Item);
            Out += std::string(static_cast<size_t>(Level) * 2, ' ') + Item->text(0).toStdString() +
                   (Data != 0 ? " [" + std::to_string(Data) + "]" : std::string()) + "\n";
            for (int I = 0; I < Item->childCount(); ++I)
                Walk(Item->child(I), Level + 1);
        };
        for (int I = 0; I < News.trvNews->topLevelItemCount(); ++I)
            Walk(News.trvNews->topLevelItem(I), 0);
        return Out;
    }

    QTreeWidgetItem* FindNode(const QString& Caption) const {
        const auto Found = News.trvNews->findItems(Caption, Qt::MatchExactly | Qt::MatchRecursive);
        return Found.isEmpty() ? nullptr : Found.front();
    }

    // Clicks a node with the mouse; what it opened.
    std::vector<std::string> ClickNode(const QString& Caption) {
        Opened.clear();
        QTreeWidgetItem* Item = FindNode(Caption);
        EXPECT_NE(Item, nullptr) << Caption.toStdString();
        if (!Item)
            return Opened;
        const QRect Place = News.trvNews->visualItemRect(Item);
        QTest::mouseClick(News.trvNews->viewport(), Qt::LeftButton, Qt::NoModifier, Place.center());
        EXPECT_EQ(News.trvNews->currentItem(), Item);
        return Opened;
    }

    void ShowWindow() {
        News.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&News));
    }

    TLocalHttpServer Server;
    TfrmNews News;
    std::vector<std::string> Opened;
    std::vector<bool> OptionEvents;
};

} // namespace

TEST_F(NewsWindowTest, RepliesFillTheTreeAndClickedNodesOpenTheirPages) {
    Server.Handler = Scripts(Ok(NewsBody), Ok(SitesBody));
    std::vector<std::pair<std::string, bool>> DuringRequests; // status text, button enabled
    Server.OnRequest = [this, &DuringRequests] {
        DuringRequests.emplace_back(News.StatusText->text().toStdString(),
                                    News.btnUpdate->isEnabled());
    };
    ShowWindow();
    QTest::mouseClick(News.btnUpdate, Qt::LeftButton);

    EXPECT_EQ(Server.RequestLines, (std::vector<std::string>{NewsRequest, SitesRequest}));
    const std::pair<std::string, bool> Busy{"Connecting to Velorin Server", false};
    EXPECT_EQ(DuringRequests, (std::vector<std::pair<std::string, bool>>{Busy, Busy}));
    EXPECT_EQ(News.StatusText->text(), "");
    EXPECT_TRUE(News.btnUpdate->isEnabled());

    EXPECT_EQ(TreeDump(), "Project News [-10]\n"
                          "  Title [7]\n"
                          "  T\n"
                          "Internet Sites [-20]\n"
                          "  Questions [-40]\n");
    for (const char* Root : {"Project News", "Internet Sites"}) {
        ASSERT_NE(FindNode(Root), nullptr);
        EXPECT_TRUE(FindNode(Root)->isExpanded());
        EXPECT_FALSE(FindNode(Root)->icon(0).isNull());
    }

    const std::pair<QString, std::string> Clicks[] = {
        {"Title", "http://news.example/7"},
        {"T", ""}, // no key
        {"Questions", "http://sites.example/list#faq"},
        {"Project News", "http://news.example/page"},
        {"Internet Sites", "http://sites.example/list"},
    };
    for (const auto& [Caption, Address] : Clicks) {
        SCOPED_TRACE(Caption.toStdString());
        EXPECT_EQ(ClickNode(Caption),
                  Address.empty() ? std::vector<std::string>{} : std::vector<std::string>{Address});
    }
}

TEST_F(NewsWindowTest, AnswersWithoutTheMarkerShowServerBusy) {
    const std::optional<std::string> Replies[] = {
        Ok("<html><body>Service Unavailable</body></html>"),
        Ok(""),
        HttpReply("HTTP/1.1 404 Not Found", "no such script"),
        HttpReply("HTTP/1.1 500 Internal Server Error", "try later"),
    };
    for (const auto& Reply : Replies) {
        SCOPED_TRACE(*Reply);
        Server.Handler = Scripts(Reply, Reply);
        News.UpdateNews();
        EXPECT_EQ(TreeDump(), "Server Busy/Unavailable\n");
        EXPECT_EQ(ClickNode("Server Busy/Unavailable"), std::vector<std::string>{});
    }
}

TEST_F(NewsWindowTest, FailedNewsRequestLeavesAnEmptyNewsFolderBesideTheSites) {
    Server.Handler = Scripts(Ok("busy"), Ok(SitesBody));
    News.UpdateNews();
    EXPECT_EQ(TreeDump(), "Project News [-10]\nInternet Sites [-20]\n  Questions [-40]\n");
}

TEST_F(NewsWindowTest, ClosedPortShowsNoConnection) {
    const quint16 Port = ClosedLocalPort();
    ASSERT_NE(Port, 0);
    News.ServerHost = "127.0.0.1:" + std::to_string(Port);
    QElapsedTimer Clock;
    Clock.start();
    News.UpdateNews();
    EXPECT_LT(Clock.elapsed(), 2 * HttpTimeoutMs);
    EXPECT_EQ(TreeDump(), "Internet connection unavailable\n");
    EXPECT_TRUE(News.btnUpdate->isEnabled());

    // Nothing shows the window when the server cannot be reached.
    News.ShowNewsIfConnected();
    EXPECT_FALSE(News.isVisible());
}

TEST_F(NewsWindowTest, ServerThatNeverAnswersEndsAtTheTimeOuts) {
    Server.Handler = Scripts(std::nullopt, std::nullopt);
    QElapsedTimer Clock;
    Clock.start();
    EXPECT_FALSE(News.IsServerReachable());
    EXPECT_LT(Clock.elapsed(), HttpTimeoutMs + 1500);

    Clock.restart();
    News.UpdateNews();
    const qint64 Elapsed = Clock.elapsed();
    EXPECT_GE(Elapsed, 2 * HttpTimeoutMs - 200);
    EXPECT_LT(Elapsed, 2 * HttpTimeoutMs + 2000) << "one time-out per request";
    EXPECT_EQ(TreeDump(), "Internet connection unavailable\n");
    EXPECT_EQ(Server.RequestLines.size(), 3u);
}

TEST_F(NewsWindowTest, ShowNewsIfConnectedShowsAndUpdatesWhenTheServerAnswers) {
    Server.Handler = Scripts(Ok(NewsBody), Ok(SitesBody));
    News.ShowNewsIfConnected();
    EXPECT_TRUE(News.isVisible());
    EXPECT_EQ(Server.RequestLines,
              (std::vector<std::string>{SitesRequest, NewsRequest, SitesRequest}));
    EXPECT_NE(FindNode("Title"), nullptr);
    News.close();
}

TEST_F(NewsWindowTest, StartUpOptionAndUpdateTimer) {
    EXPECT_TRUE(News.tmrNewsUpdate->isActive()) << "runs from creation, window hidden";
    EXPECT_EQ(News.tmrNewsUpdate->interval(), 300000);

    TTxPrefs P;
    P.NewsOnStart = true;
    News.ApplyPrefs(P);
    EXPECT_TRUE(News.ShowAtStartup);
    ShowWindow();
    EXPECT_TRUE(News.chkStartUp->isChecked());
    EXPECT_TRUE(OptionEvents.empty()) << "showing the window raises nothing";

    QTest::mouseClick(News.chkStartUp, Qt::LeftButton);
    EXPECT_FALSE(News.ShowAtStartup);
    EXPECT_EQ(OptionEvents, std::vector<bool>{false});

    News.close();
    EXPECT_FALSE(News.tmrNewsUpdate->isActive());
    EXPECT_EQ(OptionEvents, (std::vector<bool>{false, false}));

    // Showing again ticks the box as the option now stands.
    News.ShowAtStartup = true;
    ShowWindow();
    EXPECT_TRUE(News.chkStartUp->isChecked());

    // An update starts the stopped timer again, and its ticks update.
    Server.Handler = Scripts(Ok(NewsBody), Ok(SitesBody));
    News.UpdateNews();
    EXPECT_TRUE(News.tmrNewsUpdate->isActive());
    News.tmrNewsUpdate->setInterval(20);
    News.tmrNewsUpdate->start();
    EXPECT_TRUE(QTest::qWaitFor([this] { return Server.RequestLines.size() >= 4; }, 5000));
    News.tmrNewsUpdate->stop();
    News.close();
}

TEST_F(NewsWindowTest, ApplyPrefsColoursTheTreeAndTheHeading) {
    TTxPrefs P;
    P.NewsOnStart = false;
    P.ColorWordHL = 4;
    P.ColorScheme = 3;
    News.ShowAtStartup = true;
    News.ApplyPrefs(P);
    const TColour Purple = SchemeColour(4);
    EXPECT_EQ(News.trvNews->HotTrackColor, QColor(Purple.R, Purple.G, Purple.B));
    EXPECT_EQ(News.spnlName->Scheme(), 3);
    EXPECT_FALSE(News.ShowAtStartup);
}
