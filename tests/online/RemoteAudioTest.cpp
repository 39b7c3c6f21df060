// The remote recitation module: index loading and verification, verse file
// names, the cache, downloads and their failures, and the HTTP helpers.
#include "online/RemoteAudio.h"

#include "app/AppGlobals.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"
#include "scripture/AudioIndexWriter.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct TSentRequest {
    std::string Url;
    int TimeoutMs;
    std::string ProxyHost;
    int ProxyPort;
};

class TFakeHttpClient : public THttpClient {
public:
    THttpResponse Get(const std::string& Url, int TimeoutMs, const std::string& ProxyHost,
                      int ProxyPort) override {
        Requests.push_back({Url, TimeoutMs, ProxyHost, ProxyPort});
        if (Replies.empty())
            return THttpResponse{};
        THttpResponse R = Replies.front();
        Replies.pop_front();
        return R;
    }
    void Answer(const std::string& Header, const std::string& Body) {
        THttpResponse R;
        R.Connected = true;
        R.Header = Header;
        R.Body = Body;
        Replies.push_back(R);
    }

    std::deque<THttpResponse> Replies; // none left: no answer
    std::vector<TSentRequest> Requests;
};

// Writes an index whose lines are exactly the given names, even names the
// writer would refuse.
void WriteRawIndex(const std::string& FileName, const TStringList& Names) {
    TStringList Lines = AudioIndexHeader();
    Lines.insert(Lines.end(), Names.begin(), Names.end());
    std::string Text;
    for (size_t I = 0; I < Lines.size(); ++I)
        Text += EncodeLine(Lines[I], static_cast<int>(I)) + "\r\n";
    ASSERT_TRUE(SaveTextToFile(Text, FileName));
}

std::vector<std::string> FilesUnder(const std::string& Folder) {
    std::vector<std::string> Names;
    std::error_code Ec;
    for (auto It = fs::recursive_directory_iterator(Folder, Ec);
         !Ec && It != fs::recursive_directory_iterator(); It.increment(Ec))
        if (!fs::is_directory(It->symlink_status()))
            Names.push_back(fs::relative(It->path(), Folder).string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

class RemoteAudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppGlobals();
        ResetVerification();
        SetAppPath(Dir.Path());
        Audio.SetCacheFolder(Dir.File("Cache"));
        Audio.SetServer("audio.example");
        Audio.SetHttpClient(&Http);
        Audio.OpenFile = [this](const std::string& Path) {
            Opened.push_back(Path);
            return true;
        };
        Audio.OnBusy = [this](bool Busy) { BusyStates.push_back(Busy); };
    }
    void TearDown() override {
        ResetVerification();
        ResetAppGlobals();
    }
    void LoadDefaultIndex() {
        ASSERT_TRUE(WriteAudioIndex(IndexFile(), DefaultAudioVerseFiles()));
        Audio.LoadAudioIndex();
    }
    std::string IndexFile() const { return Dir.File("QRemoteAud.dbx"); }

    TTempDir Dir;
    TFakeShell FakeShell;
    TFakeHttpClient Http;
    TQRemoteAudio Audio;
    std::vector<std::string> Opened;
    std::vector<bool> BusyStates;
};

const std::string DownloadFailedText =
    "Corvale was unable to download the RealAudio MetaData from the Recitation Server.\r\n\r\n"
    "Reason: -\r\n\"Not Found on Server\"\r\n\r\n"
    "Check the \"Remote Audio\" settings which can be accessed from the \"Options\" Menu. "
    "Please also ensure that your internet connection is active.";

} // namespace

TEST_F(RemoteAudioTest, LoadedIndexNamesEveryVerseAndNothingElse) {
    LoadDefaultIndex();
    EXPECT_TRUE(fs::is_directory(Dir.File("Cache"))) << "loading prepares the cache folder";
    struct Case {
        int Chapter, Verse;
        const char* Name;
    };
    const Case Cases[] = {
        {1, 1, "001001.ram"},
        {1, 7, "001007.ram"},
        {2, 1, "002001.ram"},
        {2, 255, "002255.ram"},
        {114, 6, "114006.ram"},
        // Pairs that name no verse; a verse beyond its chapter must not
        // reach into the next chapter.
        {0, 0, ""},
        {1, 8, ""},
        {2, 0, ""},
        {115, 1, ""},
        {-1, 1, ""},
        {114, 7, ""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(std::to_string(C.Chapter) + ":" + std::to_string(C.Verse));
        EXPECT_EQ(Audio.VerseFileName(C.Chapter, C.Verse), C.Name);
    }
    EXPECT_EQ(Audio.GetModuleName(), "Remote Audio Recitation Module");
}

TEST_F(RemoteAudioTest, IncompleteOrDamagedIndexesLoadQuietly) {
    // A partial index gives the verses it names.
    ASSERT_TRUE(WriteAudioIndex(IndexFile(), {"a.ram", "b.ram", "c.ram"}));
    Audio.LoadAudioIndex();
    EXPECT_EQ(Audio.VerseFileName(1, 3), "c.ram");
    EXPECT_EQ(Audio.VerseFileName(1, 4), "");

    // More lines than verses: every verse is read, the rest ignored.
    TStringList Long = DefaultAudioVerseFiles();
    Long.push_back("extra.ram");
    WriteRawIndex(IndexFile(), Long);
    TQRemoteAudio Full;
    Full.LoadAudioIndex();
    EXPECT_EQ(Full.VerseFileName(114, 6), "114006.ram");

    // A line that is not enciphered text ends the load; missing file too.
    std::string Text;
    ASSERT_TRUE(BuildAudioIndex({"a.ram", "b.ram"}, Text));
    Dir.Write("QRemoteAud.dbx", Text + "!!not base64!!\r\n");
    TQRemoteAudio Damaged;
    EXPECT_NO_THROW(Damaged.LoadAudioIndex());
    EXPECT_EQ(Damaged.VerseFileName(1, 1), "");

    fs::remove(IndexFile());
    TQRemoteAudio Missing;
    EXPECT_NO_THROW(Missing.LoadAudioIndex());
    EXPECT_EQ(Missing.VerseFileName(1, 1), "");
    EXPECT_TRUE(FakeShell.Messages.empty());
}

TEST_F(RemoteAudioTest, NothingIsLoadedAfterAFailedVerification) {
    ASSERT_TRUE(WriteAudioIndex(IndexFile(), DefaultAudioVerseFiles()));
    VerificationHasFailed = true;
    Audio.LoadAudioIndex();
    EXPECT_EQ(Audio.VerseFileName(1, 1), "");
}

TEST_F(RemoteAudioTest, VerifyChecksTheIndexFingerprint) {
    ASSERT_TRUE(WriteAudioIndex(IndexFile(), DefaultAudioVerseFiles()));
    const std::string Fingerprint = FileFingerprint(IndexFile(), 0);
    ASSERT_FALSE(Fingerprint.empty());

    TQRemoteAudio Good(Fingerprint);
    Good.SetCacheFolder(Dir.File("deep/er/Cache"));
    EXPECT_TRUE(Good.Verify());
    EXPECT_FALSE(VerificationHasFailed);
    EXPECT_EQ(FakeShell.VerifyStatus, std::vector<std::string>{Fingerprint});
    EXPECT_TRUE(fs::is_directory(Dir.File("deep/er/Cache")));
    EXPECT_TRUE(FakeShell.Messages.empty());

    // A wrong or never-set expected value fails, once.
    for (const std::string& Expected : {Fingerprint + "x", std::string()}) {
        ResetVerification();
        TQRemoteAudio Wrong(Expected);
        EXPECT_FALSE(Wrong.Verify());
        EXPECT_TRUE(VerificationHasFailed);
    }
    ASSERT_EQ(FakeShell.Messages.size(), 2u);
    EXPECT_EQ(FakeShell.Messages[0].Kind, mkCritical);
    EXPECT_EQ(FakeShell.Messages[0].Heading, "Verification Failed!");

    // Without the file: failed, and the cache folder is still prepared.
    ResetVerification();
    fs::remove(IndexFile());
    const size_t StatusesBefore = FakeShell.VerifyStatus.size();
    Good.SetCacheFolder(Dir.File("Other"));
    EXPECT_FALSE(Good.Verify());
    EXPECT_TRUE(VerificationHasFailed);
    EXPECT_TRUE(fs::is_directory(Dir.File("Other")));
    EXPECT_EQ(FakeShell.VerifyStatus.size(), StatusesBefore) << "no fingerprint of a missing file";
}

TEST_F(RemoteAudioTest, FirstPlayFetchesAndCachesLaterPlaysOpenTheCachedFile) {
    LoadDefaultIndex();
    Http.Answer("HTTP/1.1 200 OK\r\nContent-Type: audio/x-pn-realaudio\r\n",
                "rtsp://audio.example/002255.rm\nsecond line");
    Audio.PlayVerseRef("002.255");

    ASSERT_EQ(Http.Requests.size(), 1u);
    EXPECT_EQ(Http.Requests[0].Url, "http://audio.example/Quran_RAM/002255.ram");
    EXPECT_EQ(Http.Requests[0].TimeoutMs, 2500);
    EXPECT_EQ(Http.Requests[0].ProxyHost, "");
    const std::string Local = Dir.File("Cache/002255.ram");
    EXPECT_EQ(Dir.Read("Cache/002255.ram"), "rtsp://audio.example/002255.rm\r\nsecond line\r\n");
    EXPECT_EQ(Opened, std::vector<std::string>{Local});
    EXPECT_EQ(BusyStates, (std::vector<bool>{true, false}));

    Audio.PlayVerse(2, 255);
    EXPECT_EQ(Http.Requests.size(), 1u) << "a cached verse is never fetched again";
    EXPECT_EQ(Opened, (std::vector<std::string>{Local, Local}));
    EXPECT_EQ(FilesUnder(Dir.File("Cache")), std::vector<std::string>{"002255.ram"});
    EXPECT_TRUE(FakeShell.Messages.empty());
}

TEST_F(RemoteAudioTest, FailedDownloadWarnsAndLeavesNothingInTheCache) {
    LoadDefaultIndex();
    struct Case {
        bool Connected;
        const char* Header;
        const char* Reason;
    };
    const Case Cases[] = {
        {true, "HTTP/1.1 404 Not Found\r\nServer: x\r\n", "\"Not Found on Server\""},
        {false, "", "\"Unable to connect to Server\""},
        {true, "HTTP/1.0 403 Forbidden\r\n", "\"Forbidden by Server\""},
        {true, "HTTP/1.1 302 Found\r\nLocation: /x\r\n", "\"Status Unknown\""},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Reason);
        FakeShell.Messages.clear();
        BusyStates.clear();
        THttpResponse R;
        R.Connected = C.Connected;
        R.Header = C.Header;
        R.Body = "<html>error page</html>";
        Http.Replies.push_back(R);
        Audio.PlayVerse(1, 1);

        ASSERT_EQ(FakeShell.Messages.size(), 1u);
        const TRecordedMessage& M = FakeShell.Messages[0];
        EXPECT_EQ(M.Kind, mkWarning);
        EXPECT_EQ(M.Height, MsgHeightMedium);
        EXPECT_EQ(M.Buttons, mbsOK);
        EXPECT_EQ(M.Heading, "Remote Recitation Server Error");
        EXPECT_NE(M.Text.find("Reason: -\r\n" + std::string(C.Reason) + "\r\n\r\n"),
                  std::string::npos);
        EXPECT_TRUE(Opened.empty());
        EXPECT_TRUE(FilesUnder(Dir.File("Cache")).empty());
        EXPECT_EQ(BusyStates, (std::vector<bool>{true, false}));
    }
    FakeShell.Messages.clear();
    Http.Answer("HTTP/1.1 404 Not Found\r\n", "");
    Audio.PlayVerse(1, 1);
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    EXPECT_EQ(FakeShell.Messages[0].Text, DownloadFailedText);

    // No retry on its own; the next click asks the server again.
    Http.Answer("HTTP/1.1 200 OK\r\n", "x");
    Audio.PlayVerse(1, 1);
    EXPECT_EQ(Http.Requests.size(), 6u);
    EXPECT_EQ(Opened.size(), 1u);
}

TEST_F(RemoteAudioTest, PairsThatNameNoVerseDoNothing) {
    LoadDefaultIndex();
    for (const char* Ref : {"", "x.y", "000.000", "001.008", "115.001", "002.000"}) {
        SCOPED_TRACE(Ref);
        Audio.PlayVerseRef(Ref);
    }
    EXPECT_TRUE(Http.Requests.empty());
    EXPECT_TRUE(BusyStates.empty());
    EXPECT_TRUE(FakeShell.Messages.empty());
}

TEST_F(RemoteAudioTest, NamesThatWouldLeaveTheCacheFolderAreRefused) {
    const TStringList Names = {"../evil.ram", "a/b.ram", "..", "/etc/evil.ram",
                               "a\\b.ram",    "x..y",    ".",  "sub/../../evil.ram"};
    WriteRawIndex(IndexFile(), Names); // verse 1:k holds Names[k-1]
    Audio.LoadAudioIndex();
    ASSERT_EQ(Audio.VerseFileName(1, 1), "../evil.ram");

    for (int Verse = 1; Verse <= static_cast<int>(Names.size()); ++Verse) {
        SCOPED_TRACE(Names[static_cast<size_t>(Verse - 1)]);
        FakeShell.Messages.clear();
        Audio.PlayVerse(Verse <= 7 ? 1 : 2, Verse <= 7 ? Verse : 1);
        ASSERT_EQ(FakeShell.Messages.size(), 1u);
        EXPECT_EQ(FakeShell.Messages[0].Heading, "Recitation Not Available");
    }
    // The index named no file for verse 2:2.
    FakeShell.Messages.clear();
    Audio.PlayVerse(2, 2);
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    EXPECT_NE(FakeShell.Messages[0].Text.find("002.002"), std::string::npos);

    EXPECT_TRUE(Http.Requests.empty());
    EXPECT_TRUE(Opened.empty());
    EXPECT_FALSE(fs::exists(Dir.File("evil.ram")));
    EXPECT_EQ(BusyStates.size() % 2, 0u);
    EXPECT_FALSE(BusyStates.back());
}

TEST_F(RemoteAudioTest, UnwritableCacheRaisesTheFileErrorAndEndsTheBusyState) {
    LoadDefaultIndex();
    Dir.Write("NotAFolder", "x");
    Audio.SetCacheFolder(Dir.File("NotAFolder"));
    Http.Answer("HTTP/1.1 200 OK\r\n", "data");
    try {
        Audio.PlayVerse(1, 1);
        FAIL() << "the write must fail";
    } catch (const ETxError& E) {
        EXPECT_NE(std::string(E.what()).find("NotAFolder/001001.ram"), std::string::npos);
    }
    EXPECT_TRUE(Opened.empty());
    EXPECT_EQ(BusyStates, (std::vector<bool>{true, false}));
}

TEST_F(RemoteAudioTest, ClearCacheAsksThenDeletesFilesButKeepsFolders) {
    Audio.CheckCacheFolder();
    const std::string Cache = Dir.File("Cache/");
    fs::create_directories(Cache + "sub/deeper");
    Dir.Write("Cache/001001.ram", "a");
    Dir.Write("Cache/sub/deeper/x.ram", "b");
    Dir.Write("Cache/readonly.ram", "c");
    fs::permissions(Cache + "readonly.ram", fs::perms::owner_read);
    Dir.Write("Outside.txt", "keep");
    fs::create_symlink(Dir.File("Outside.txt"), Cache + "link.ram");
    fs::create_directory_symlink(Dir.Path(), Cache + "up");

    FakeShell.Answers = {mrNo};
    Audio.ClearCache();
    ASSERT_EQ(FakeShell.Messages.size(), 1u);
    const TRecordedMessage& M = FakeShell.Messages[0];
    EXPECT_EQ(M.Kind, mkConfirmation);
    EXPECT_EQ(M.Height, MsgHeightSmall);
    EXPECT_EQ(M.Heading, "Delete Temporary files?");
    EXPECT_EQ(M.Text, "Would you like to delete the temporary files?");
    EXPECT_EQ(M.Buttons, mbsYesNo);
    EXPECT_EQ(FilesUnder(Cache).size(), 5u);

    FakeShell.Answers = {mrYes};
    Audio.ClearCache();
    EXPECT_TRUE(FilesUnder(Cache).empty());
    EXPECT_TRUE(fs::is_directory(Cache + "sub/deeper"));
    EXPECT_EQ(Dir.Read("Outside.txt"), "keep") << "links are removed, never followed";

    // A missing cache folder: asked, nothing else happens.
    Audio.SetCacheFolder(Dir.File("Missing"));
    EXPECT_NO_THROW(Audio.ClearCache());
    EXPECT_FALSE(fs::exists(Dir.File("Missing")));
}

TEST(RemoteAudioHttp, StatusFromHeaderAndItsText) {
    struct Case {
        const char* Header;
        int Code;
        const char* Text;
    };
    const Case Cases[] = {
        {"HTTP/1.1 200 OK\r\nServer: x\r\n", 0, "OK"},
        {"HTTP/1.1 200\r\nServer: x\r\n", 0, "OK"}, // no reason phrase
        {"HTTP/1.0 400 Bad Request", 2, "Bad Request"},
        {"HTTP/1.0 401 Unauthorized", 3, "Authorisation Required"},
        {"HTTP/1.0 403 Forbidden", 4, "Forbidden by Server"},
        {"HTTP/1.0 404 Not Found", 5, "Not Found on Server"},
        {"HTTP/1.1 500 Internal Server Error", 6, "Internal Server Error"},
        {"HTTP/1.1 301 Moved Permanently", 7, "Status Unknown"},
        {"HTTP/1.1 abc Bad", 7, "Status Unknown"},
        {"HTTP/1.1", 7, "Status Unknown"},
        {"", 7, "Status Unknown"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Header);
        const int Code = TQRemoteAudio::HttpStatusFromHeader(C.Header);
        EXPECT_EQ(Code, C.Code);
        EXPECT_EQ(TQRemoteAudio::HttpStatusText(Code), C.Text);
    }
    EXPECT_EQ(TQRemoteAudio::HttpStatusText(1), "Unable to connect to Server");
    EXPECT_EQ(TQRemoteAudio::HttpStatusText(99), "Status Unknown");
}

TEST(RemoteAudioHttp, HttpGetBuildsTheAddressAndProxy) {
    TFakeHttpClient Http;
    TQRemoteAudio Audio;
    Audio.SetHttpClient(&Http);
    std::string Body = "stale", Header = "stale";

    struct Case {
        const char* Host;
        const char* Path;
        const char* Proxy;
        const char* ProxyPort;
        const char* Url;
        int Port;
    };
    const Case Cases[] = {
        {"host", "Quran_RAM/x", "", "", "http://host/Quran_RAM/x", 0},
        {"host", "/Quran_RAM/x", "", "3128", "http://host/Quran_RAM/x", 0},
        {"127.0.0.1:8081", "/a", "proxy.local", "3128", "http://127.0.0.1:8081/a", 3128},
        {"http://host/", "a", "proxy.local", "port", "http://host/a", 8080},
        {"host", "", "proxy.local", "", "http://host/", 8080},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Url);
        Http.Answer("HTTP/1.1 404 Not Found\r\n", "body");
        EXPECT_EQ(Audio.HttpGet(C.Host, C.Path, C.Proxy, C.ProxyPort, Body, Header), 5);
        EXPECT_EQ(Body, "body");
        const TSentRequest& R = Http.Requests.back();
        EXPECT_EQ(R.Url, C.Url);
        EXPECT_EQ(R.ProxyHost, C.Proxy);
        EXPECT_EQ(R.ProxyPort, C.Port);
    }
    // No answer: code 1 and nothing from an earlier call remains.
    EXPECT_EQ(Audio.HttpGet("host", "/x", "", "", Body, Header), 1);
    EXPECT_EQ(Body, "");
    EXPECT_EQ(Header, "");

    Audio.SetHttpClient(nullptr);
    EXPECT_EQ(Audio.HttpGet("host", "/x", "", "", Body, Header), 1);
}
