#include "app/Prefs.h"

#include "app/AppGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class PrefsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppGlobals();
        ResetPrefsGlobals();
        SetAppPath("/opt/tarvix");
    }
    void TearDown() override {
        ResetPrefsGlobals();
        ResetAppGlobals();
    }

    TTxPrefs Defaults() const {
        TTxPrefs D;
        SetDefaultPrefs(D);
        return D;
    }

    TTempDir Dir;
};

// Sets an environment variable for one scope and puts the old value back.
class TScopedEnv {
public:
    TScopedEnv(const char* Name, const char* Value) : FName(Name) {
        if (const char* Old = std::getenv(Name))
            FOld = Old;
        if (Value)
            setenv(Name, Value, 1);
        else
            unsetenv(Name);
    }
    ~TScopedEnv() {
        if (FOld)
            setenv(FName, FOld->c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

const char* const DefaultFileText = "[General]\r\n"
                                    "Maximise=0\r\n"
                                    "NewsOnStart=1\r\n"
                                    "StartUpTips=1\r\n"
                                    "AutoHCount=0\r\n"
                                    "HighlightGlossWords=1\r\n"
                                    "HelpHints=1\r\n"
                                    "[Language]\r\n"
                                    "ActiveColl=DORREL_ANVESH::Dorrel and Anvesh (Arabic)\r\n"
                                    "[RemoteAudio]\r\n"
                                    "RemoteAudioServer=audio.tarvix.org\r\n"
                                    "DiskCacheDir=/opt/tarvix/DiskCache\r\n"
                                    "EnableRemoteAudio=0\r\n"
                                    "[ColorScheme]\r\n"
                                    "ColorScheme=0\r\n"
                                    "ColorWordHL=1\r\n";

} // namespace

TEST_F(PrefsTest, DefaultsOfAFirstStart) {
    const TTxPrefs D = Defaults();
    EXPECT_FALSE(D.Maximise);
    EXPECT_TRUE(D.NewsOnStart);
    EXPECT_TRUE(D.StartUpTips);
    EXPECT_TRUE(D.HighlightGlossWords);
    EXPECT_TRUE(D.HelpHints);
    EXPECT_FALSE(D.AutoHCount);
    EXPECT_FALSE(D.EnableRemoteAudio);
    EXPECT_EQ(D.ActiveColl, "DORREL_ANVESH::Dorrel and Anvesh (Arabic)");
    EXPECT_EQ(D.RemoteAudioServer, DefaultRemoteAudioServer);
    EXPECT_EQ(D.DiskCacheDir, "/opt/tarvix/DiskCache");
    EXPECT_EQ(D.ColorScheme, 0);
    EXPECT_EQ(D.ColorWordHL, 1);

    LoadPrefs(Dir.File("missing.ini"));
    EXPECT_EQ(AppPrefs, D);
    EXPECT_FALSE(std::filesystem::exists(Dir.File("missing.ini")));
}

TEST_F(PrefsTest, SavedFileHasEveryKeyInOrderWithItsValueForm) {
    AppPrefs = Defaults();
    ASSERT_TRUE(SavePrefs(Dir.File("Tarvix.ini")));
    EXPECT_EQ(Dir.Read("Tarvix.ini"), DefaultFileText);

    AppPrefs.ColorWordHL = 4;
    AppPrefs.Maximise = true;
    ASSERT_TRUE(SavePrefs(Dir.File("Tarvix.ini")));
    const std::string Text = Dir.Read("Tarvix.ini");
    EXPECT_NE(Text.find("[ColorScheme]\r\nColorScheme=0\r\nColorWordHL=4\r\n"), std::string::npos);
    EXPECT_NE(Text.find("[General]\r\nMaximise=1\r\n"), std::string::npos);
}

TEST_F(PrefsTest, EveryFieldSurvivesASaveAndALoad) {
    TTxPrefs P;
    P.Maximise = true;
    P.NewsOnStart = false;
    P.StartUpTips = false;
    P.HighlightGlossWords = false;
    P.HelpHints = false;
    P.AutoHCount = true;
    P.EnableRemoteAudio = true;
    P.ActiveColl = "Fenwir (English)";
    P.RemoteAudioServer = "recite.example.net";
    P.DiskCacheDir = "/home/user/My Cache ";
    P.ColorScheme = 5;
    P.ColorWordHL = 3;
    AppPrefs = P;
    ASSERT_TRUE(SavePrefs(Dir.File("Tarvix.ini")));
    ResetPrefsGlobals();
    LoadPrefs(Dir.File("Tarvix.ini"));
    EXPECT_EQ(AppPrefs, P);
}

TEST_F(PrefsTest, ValuesReadFromTheFile) {
    struct Case {
        const char* Lines; // under their sections
        void (*Check)(const TTxPrefs&);
    };
    const Case Cases[] = {
        // Blank strings take their defaults.
        {"[Language]\nActiveColl=   \n[RemoteAudio]\nRemoteAudioServer=\nDiskCacheDir=\"\"\n",
         [](const TTxPrefs& P) {
             EXPECT_EQ(P.ActiveColl, DefaultActiveColl);
             EXPECT_EQ(P.RemoteAudioServer, DefaultRemoteAudioServer);
             EXPECT_EQ(P.DiskCacheDir, "/opt/tarvix/DiskCache");
         }},
        // Schemes outside 0..5 stay; the stored integer keeps its low byte.
        {"[ColorScheme]\nColorScheme=9\nColorWordHL=255\n",
         [](const TTxPrefs& P) {
             EXPECT_EQ(P.ColorScheme, 9);
             EXPECT_EQ(P.ColorWordHL, 255);
         }},
        {"[ColorScheme]\nColorScheme=261\nColorWordHL=-1\n",
         [](const TTxPrefs& P) {
             EXPECT_EQ(P.ColorScheme, 5);
             EXPECT_EQ(P.ColorWordHL, 255);
         }},
        // Unreadable numbers give their defaults.
        {"[ColorScheme]\nColorScheme=Blue\nColorWordHL=\n[General]\nNewsOnStart=yes\n"
         "Maximise=true\n",
         [](const TTxPrefs& P) {
             EXPECT_EQ(P.ColorScheme, 0);
             EXPECT_EQ(P.ColorWordHL, 1);
             EXPECT_TRUE(P.NewsOnStart);
             EXPECT_FALSE(P.Maximise);
         }},
        // Any non-zero integer is true; names ignore case.
        {"[general]\nmaximise=2\nHELPHINTS=0\n[remoteaudio]\nEnableRemoteAudio=-1\n",
         [](const TTxPrefs& P) {
             EXPECT_TRUE(P.Maximise);
             EXPECT_FALSE(P.HelpHints);
             EXPECT_TRUE(P.EnableRemoteAudio);
             EXPECT_TRUE(P.StartUpTips); // missing key: default
         }},
        // A key in the wrong section is not read.
        {"[General]\nActiveColl=Elsewhere\nColorScheme=3\n",
         [](const TTxPrefs& P) {
             EXPECT_EQ(P.ActiveColl, DefaultActiveColl);
             EXPECT_EQ(P.ColorScheme, 0);
         }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Lines);
        const std::string Name = Dir.Write("Tarvix.ini", C.Lines);
        ResetPrefsGlobals();
        LoadPrefs(Name);
        C.Check(AppPrefs);
        // Loading never corrects the file itself.
        EXPECT_EQ(Dir.Read("Tarvix.ini"), C.Lines);
    }
}

TEST_F(PrefsTest, ValidateReplacesOnlyBlankStrings) {
    TTxPrefs P;
    P.ActiveColl = "\t";
    P.RemoteAudioServer = " host ";
    P.DiskCacheDir = "";
    P.ColorScheme = 200;
    ValidatePrefs(P);
    EXPECT_EQ(P.ActiveColl, DefaultActiveColl);
    EXPECT_EQ(P.RemoteAudioServer, " host ");
    EXPECT_EQ(P.DiskCacheDir, "/opt/tarvix/DiskCache");
    EXPECT_EQ(P.ColorScheme, 200);
    EXPECT_FALSE(P.NewsOnStart);
}

TEST_F(PrefsTest, SavingKeepsWhatItDoesNotKnow) {
    const std::string Name = Dir.Write("Tarvix.ini", "; written by hand\n"
                                                     "[ColorScheme]\n"
                                                     "ColorWordHL=2\n"
                                                     "[Window]\n"
                                                     "Left=10\n");
    LoadPrefs(Name);
    ASSERT_TRUE(SavePrefs(Name));
    const std::string Text = Dir.Read("Tarvix.ini");
    EXPECT_EQ(Text.rfind("; written by hand\r\n[ColorScheme]\r\nColorWordHL=2\r\nColorScheme=0\r\n"
                         "[Window]\r\nLeft=10\r\n[General]\r\n",
                         0),
              0u)
        << Text;
    ResetPrefsGlobals();
    LoadPrefs(Name);
    EXPECT_EQ(AppPrefs.ColorWordHL, 2);
}

TEST_F(PrefsTest, AFailedWriteLeavesTheOldFileAndSaysSo) {
    const std::string Old = "[ColorScheme]\nColorWordHL=2\n";
    const std::string Name = Dir.Write("Tarvix.ini", Old);
    AppPrefs = Defaults();

    // The disk fills up in the middle of the write.
    const auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit Saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Saved), 0);
    rlimit Small = Saved;
    Small.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
    const bool Written = SavePrefs(Name);
    setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, OldHandler);

    EXPECT_FALSE(Written);
    EXPECT_EQ(Dir.Read("Tarvix.ini"), Old);
    int Entries = 0;
    for ([[maybe_unused]] const auto& E : std::filesystem::directory_iterator(Dir.Path()))
        ++Entries;
    EXPECT_EQ(Entries, 1) << "temporary file left behind";

    // A folder that cannot be made.
    Dir.Write("plain", "x");
    EXPECT_FALSE(SavePrefs(Dir.File("plain/Tarvix.ini")));
}

TEST_F(PrefsTest, AnUnwritableFolderLeavesTheOldFile) {
    const std::string Old = "[General]\nMaximise=1\n";
    std::filesystem::create_directory(Dir.File("ro"));
    const std::string Name = Dir.Write("ro/Tarvix.ini", Old);
    std::filesystem::permissions(Dir.File("ro"), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    if (access(Dir.File("ro").c_str(), W_OK) == 0)
        GTEST_SKIP() << "permissions are not enforced for this user";
    AppPrefs = Defaults();
    EXPECT_FALSE(SavePrefs(Name));
    EXPECT_EQ(Dir.Read("ro/Tarvix.ini"), Old);
}

TEST_F(PrefsTest, FileNameFollowsTheUsersConfigurationFolder) {
    {
        TScopedEnv Xdg("XDG_CONFIG_HOME", "/xdg/conf/");
        TScopedEnv Home("HOME", "/home/someone");
        EXPECT_EQ(PrefsFileName(), "/xdg/conf/Tarvix/Tarvix.ini");
    }
    {
        TScopedEnv Xdg("XDG_CONFIG_HOME", "relative/conf");
        TScopedEnv Home("HOME", "/home/someone");
        EXPECT_EQ(PrefsFileName(), "/home/someone/.config/Tarvix/Tarvix.ini");
    }
    {
        TScopedEnv Xdg("XDG_CONFIG_HOME", nullptr);
        TScopedEnv Home("HOME", "/home/someone");
        EXPECT_EQ(PrefsFileName(), "/home/someone/.config/Tarvix/Tarvix.ini");
    }
}

TEST_F(PrefsTest, DefaultFileIsCreatedWithItsFolder) {
    TScopedEnv Xdg("XDG_CONFIG_HOME", Dir.File("config").c_str());
    AppPrefs = Defaults();
    AppPrefs.ColorScheme = 3;
    ASSERT_TRUE(SavePrefs());
    EXPECT_EQ(Dir.Read("config/Tarvix/Tarvix.ini").substr(0, 9), "[General]");
    ResetPrefsGlobals();
    LoadPrefs();
    EXPECT_EQ(AppPrefs.ColorScheme, 3);
}
