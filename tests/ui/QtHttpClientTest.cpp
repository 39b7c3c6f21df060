// The network HTTP client against a small HTTP server of the test itself on
// 127.0.0.1: answers, time-outs, refused connections, the proxy, and a
// recitation fetched into the cache.
#include "online/ui/QtHttpClient.h"

#include "app/AppGlobals.h"
#include "data/Verification.h"
#include "online/RemoteAudio.h"
#include "scripture/AudioIndexWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

namespace {

std::string CannedReply(const std::string& StatusLine, const std::string& Body,
                        const std::string& ExtraHeaders = std::string()) {
    return StatusLine + "\r\nContent-Type: text/plain\r\n" + ExtraHeaders +
           "Content-Length: " + std::to_string(Body.size()) + "\r\nConnection: close\r\n\r\n" +
           Body;
}

// Serves one canned reply per request on 127.0.0.1, or stays silent. Runs on
// the test's thread: the client's wait lets it work. Stops with the object.
class TTestHttpServer {
public:
    TTestHttpServer() {
        Listening = Server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&Server, &QTcpServer::newConnection, &Server, [this] {
            while (QTcpSocket* Socket = Server.nextPendingConnection())
                Accept(Socket); // the server owns the socket
        });
    }

    quint16 Port() const { return Server.serverPort(); }
    std::string Host() const { return "127.0.0.1:" + std::to_string(Port()); }
    std::string Url(const std::string& Path) const { return "http://" + Host() + Path; }

    bool Listening = false;
    bool Silent = false;
    // Replies in turn; the last one is repeated.
    std::deque<std::string> Replies{CannedReply("HTTP/1.1 200 OK", "hello")};
    std::vector<std::string> RequestLines;
    int RequestCount() const { return static_cast<int>(RequestLines.size()); }

private:
    void Accept(QTcpSocket* Socket) {
        auto Received = std::make_shared<QByteArray>();
        QObject::connect(Socket, &QTcpSocket::readyRead, Socket, [this, Socket, Received] {
            Received->append(Socket->readAll());
            const qsizetype End = Received->indexOf("\r\n\r\n");
            if (End < 0)
                return;
            RequestLines.push_back(Received->left(Received->indexOf("\r\n")).toStdString());
            Received->clear();
            if (Silent)
                return;
            const std::string Reply = Replies.front();
            if (Replies.size() > 1)
                Replies.pop_front();
            Socket->write(Reply.data(), static_cast<qint64>(Reply.size()));
            Socket->disconnectFromHost();
        });
    }

    QTcpServer Server;
};

// A port on 127.0.0.1 that nothing listens on.
quint16 ClosedPort() {
    QTcpServer Probe;
    if (!Probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 Port = Probe.serverPort();
    Probe.close();
    return Port;
}

} // namespace

TEST(QtHttpClient, GetGivesStatusHeaderAndBody) {
    TTestHttpServer Server;
    ASSERT_TRUE(Server.Listening);
    TQtHttpClient Client;
    struct Case {
        std::string Reply;
        int Status;
        int Code;
        std::string Body;
    };
    const Case Cases[] = {
        {CannedReply("HTTP/1.1 200 OK", "line 1\r\nline 2", "X-Test: yes\r\n"), 200, 0,
         "line 1\r\nline 2"},
        {CannedReply("HTTP/1.1 404 Not Found", "<p>missing</p>"), 404, 5, "<p>missing</p>"},
        {CannedReply("HTTP/1.0 500 Internal Server Error", ""), 500, 6, ""},
        {CannedReply("HTTP/1.1 302 Found", "", "Location: /elsewhere\r\n"), 302, 7, ""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Status);
        Server.Replies = {C.Reply};
        const THttpResponse R = Client.Get(Server.Url("/file.ram"), HttpTimeoutMs, "", 0);
        EXPECT_TRUE(R.Connected) << R.Error;
        EXPECT_EQ(R.Status, C.Status);
        EXPECT_EQ(R.Body, C.Body);
        EXPECT_EQ(R.Header.rfind("HTTP/1.1 " + std::to_string(C.Status), 0), 0u) << R.Header;
        EXPECT_EQ(TQRemoteAudio::HttpStatusFromHeader(R.Header), C.Code);
        EXPECT_EQ(R.Header.find("X-Test: yes\r\n") != std::string::npos, C.Status == 200);
    }
    EXPECT_EQ(Server.RequestCount(), 4);
    EXPECT_EQ(Server.RequestLines[0], "GET /file.ram HTTP/1.1");
}

TEST(QtHttpClient, SilentServerEndsAtTheTimeOutWhileEventsRun) {
    TTestHttpServer Server;
    ASSERT_TRUE(Server.Listening);
    Server.Silent = true;
    bool TimerRan = false;
    QTimer::singleShot(100, [&TimerRan] { TimerRan = true; });

    QElapsedTimer Clock;
    Clock.start();
    const THttpResponse R = TQtHttpClient().Get(Server.Url("/x"), HttpTimeoutMs, "", 0);
    const qint64 Elapsed = Clock.elapsed();

    EXPECT_FALSE(R.Connected);
    EXPECT_FALSE(R.Error.empty());
    EXPECT_EQ(Server.RequestCount(), 1);
    EXPECT_GE(Elapsed, HttpTimeoutMs - 100);
    EXPECT_LT(Elapsed, 4000);
    EXPECT_TRUE(TimerRan) << "timers (and painting) go on during the wait";
}

TEST(QtHttpClient, NoServerMeansNotConnected) {
    const quint16 Port = ClosedPort();
    ASSERT_NE(Port, 0);
    TQtHttpClient Client;
    QElapsedTimer Clock;
    Clock.start();
    const THttpResponse R =
        Client.Get("http://127.0.0.1:" + std::to_string(Port) + "/x", HttpTimeoutMs, "", 0);
    EXPECT_FALSE(R.Connected);
    EXPECT_FALSE(R.Error.empty());
    EXPECT_TRUE(R.Body.empty());
    EXPECT_LT(Clock.elapsed(), 4000);

    // Addresses the client cannot use at all.
    for (const char* Url : {"", "not an address", "http:///x"}) {
        SCOPED_TRACE(Url);
        EXPECT_FALSE(Client.Get(Url, HttpTimeoutMs, "", 0).Connected);
    }
    TTestHttpServer Server;
    EXPECT_FALSE(Client.Get(Server.Url("/x"), HttpTimeoutMs, "127.0.0.1", 0).Connected)
        << "a proxy without a usable port";
    EXPECT_EQ(Server.RequestCount(), 0);
}

TEST(QtHttpClient, RequestsGoThroughTheProxyWhenOneIsGiven) {
    TTestHttpServer Proxy;
    ASSERT_TRUE(Proxy.Listening);
    Proxy.Replies = {CannedReply("HTTP/1.1 200 OK", "via proxy")};
    const THttpResponse R = TQtHttpClient().Get("http://recitation.invalid/Quran_RAM/y.ram",
                                                HttpTimeoutMs, "127.0.0.1", Proxy.Port());
    EXPECT_TRUE(R.Connected) << R.Error;
    EXPECT_EQ(R.Body, "via proxy");
    ASSERT_EQ(Proxy.RequestCount(), 1);
    EXPECT_EQ(Proxy.RequestLines[0], "GET http://recitation.invalid/Quran_RAM/y.ram HTTP/1.1");
}

class QtRecitationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppGlobals();
        ResetVerification();
        SetAppPath(Dir.Path());
        ASSERT_TRUE(WriteAudioIndex(Dir.File("QRemoteAud.dbx"), DefaultAudioVerseFiles()));
        ASSERT_TRUE(Server.Listening);
        Audio.LoadAudioIndex();
        Audio.SetCacheFolder(Dir.File("Cache"));
        Audio.SetServer(Server.Host());
        Audio.SetHttpClient(&Client);
        Audio.OpenFile = [this](const std::string& Path) {
            Opened.push_back(Path);
            return true;
        };
    }
    void TearDown() override { ResetAppGlobals(); }

    TTempDir Dir;
    TFakeShell FakeShell;
    TTestHttpServer Server;
    TQtHttpClient Client;
    TQRemoteAudio Audio;
    std::vector<std::string> Opened;
};

TEST_F(QtRecitationTest, PathWithoutLeadingSlashIsSentWithOne) {
    std::string Body, Header;
    EXPECT_EQ(Audio.HttpGet(Server.Host(), "Quran_RAM/x", "", "", Body, Header), 0);
    EXPECT_EQ(Body, "hello");
    ASSERT_EQ(Server.RequestCount(), 1);
    EXPECT_EQ(Server.RequestLines[0], "GET /Quran_RAM/x HTTP/1.1");
}

TEST_F(QtRecitationTest, FetchedRecitationIsCachedAndLaterClicksNeedNoRequest) {
    Server.Replies = {CannedReply("HTTP/1.1 404 Not Found", "no such file"),
                      CannedReply("HTTP/1.1 200 OK", "rtsp://media.example/002255.rm\n")};
    const std::string Local = Dir.File("Cache/002255.ram");

    Audio.PlayVerseRef("002.255");
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    EXPECT_NE(FakeShell.Messages[0].Text.find("\"Not Found on Server\""), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Local));
    EXPECT_TRUE(Opened.empty());

    Audio.PlayVerseRef("002.255");
    EXPECT_EQ(Dir.Read("Cache/002255.ram"), "rtsp://media.example/002255.rm\r\n");
    Audio.PlayVerseRef("002.255");

    EXPECT_EQ(Server.RequestCount(), 2);
    EXPECT_EQ(Server.RequestLines[1], "GET /Quran_RAM/002255.ram HTTP/1.1");
    EXPECT_EQ(Opened, (std::vector<std::string>{Local, Local}));
    EXPECT_EQ(FakeShell.Messages.size(), 1u);
}
