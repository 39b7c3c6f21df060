// The settings record, its defaults, and reading and writing Tarvix.ini.
#include "app/Prefs.h"

#include "app/AppGlobals.h"
#include "app/IniFile.h"
#include "data/TextUtils.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

TTxPrefs AppPrefs;
TTxPrefs PreviewPrefs;

namespace {

const char* const SecGeneral = "General";
const char* const SecLanguage = "Language";
const char* const SecRemoteAudio = "RemoteAudio";
const char* const SecColorScheme = "ColorScheme";

std::string EnvValue(const char* Name) {
    const char* V = std::getenv(Name);
    return V ? std::string(V) : std::string();
}

std::string HomeFolder() {
    std::string Home = EnvValue("HOME");
    if (!Home.empty())
        return Home;
    if (const passwd* Pw = ::getpwuid(::getuid()))
        if (Pw->pw_dir)
            return Pw->pw_dir;
    return std::string();
}

} // namespace

bool TTxPrefs::operator==(const TTxPrefs& Other) const {
    return Maximise == Other.Maximise && NewsOnStart == Other.NewsOnStart &&
           StartUpTips == Other.StartUpTips && HighlightGlossWords == Other.HighlightGlossWords &&
           HelpHints == Other.HelpHints && AutoHCount == Other.AutoHCount &&
           EnableRemoteAudio == Other.EnableRemoteAudio && ActiveColl == Other.ActiveColl &&
           RemoteAudioServer == Other.RemoteAudioServer && DiskCacheDir == Other.DiskCacheDir &&
           ColorScheme == Other.ColorScheme && ColorWordHL == Other.ColorWordHL;
}

void SetDefaultPrefs(TTxPrefs& P) {
    P.Maximise = false;
    P.NewsOnStart = true;
    P.StartUpTips = true;
    P.HighlightGlossWords = true;
    P.HelpHints = true;
    P.AutoHCount = false;
    P.EnableRemoteAudio = false;
    P.ActiveColl = DefaultActiveColl;
    P.RemoteAudioServer = DefaultRemoteAudioServer;
    P.DiskCacheDir = AppPath + "DiskCache";
    P.ColorScheme = 0;
    P.ColorWordHL = 1;
}

void ValidatePrefs(TTxPrefs& P) {
    TTxPrefs D;
    SetDefaultPrefs(D);
    if (TrimText(P.RemoteAudioServer).empty())
        P.RemoteAudioServer = D.RemoteAudioServer;
    if (TrimText(P.DiskCacheDir).empty())
        P.DiskCacheDir = D.DiskCacheDir;
    if (TrimText(P.ActiveColl).empty())
        P.ActiveColl = D.ActiveColl;
}

std::string PrefsFileName() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    std::string Config = EnvValue("XDG_CONFIG_HOME");
    if (Config.empty() || Config.front() != '/') {
        const std::string Home = HomeFolder();
        // Without any home folder the settings stay beside the program.
        if (Home.empty())
            return AppPath + PrefsBaseName;
        Config = Home + "/.config";
    }
    if (Config.back() != '/')
        Config += '/';
    return Config + "Tarvix/" + PrefsBaseName;
}

void LoadPrefs(const std::string& FileName) {
    TTxPrefs D;
    SetDefaultPrefs(D);
    TIniFile Ini;
    Ini.LoadFromFile(FileName.empty() ? PrefsFileName() : FileName);
    TTxPrefs& P = AppPrefs;
    P.Maximise = Ini.ReadBool(SecGeneral, "Maximise", D.Maximise);
    P.NewsOnStart = Ini.ReadBool(SecGeneral, "NewsOnStart", D.NewsOnStart);
    P.StartUpTips = Ini.ReadBool(SecGeneral, "StartUpTips", D.StartUpTips);
    P.AutoHCount = Ini.ReadBool(SecGeneral, "AutoHCount", D.AutoHCount);
    P.HighlightGlossWords = Ini.ReadBool(SecGeneral, "HighlightGlossWords", D.HighlightGlossWords);
    P.HelpHints = Ini.ReadBool(SecGeneral, "HelpHints", D.HelpHints);
    P.ActiveColl = Ini.ReadString(SecLanguage, "ActiveColl", D.ActiveColl);
    P.RemoteAudioServer = Ini.ReadString(SecRemoteAudio, "RemoteAudioServer", D.RemoteAudioServer);
    P.DiskCacheDir = Ini.ReadString(SecRemoteAudio, "DiskCacheDir", D.DiskCacheDir);
    P.EnableRemoteAudio = Ini.ReadBool(SecRemoteAudio, "EnableRemoteAudio", D.EnableRemoteAudio);
    // The schemes are bytes: only the low 8 bits of the stored integer count.
    P.ColorScheme =
        static_cast<uint8_t>(Ini.ReadInteger(SecColorScheme, "ColorScheme", D.ColorScheme) & 0xFF);
    P.ColorWordHL =
        static_cast<uint8_t>(Ini.ReadInteger(SecColorScheme, "ColorWordHL", D.ColorWordHL) & 0xFF);
    ValidatePrefs(P);
}

bool SavePrefs(const std::string& FileName) {
    const std::string Name = FileName.empty() ? PrefsFileName() : FileName;
    // Start from the present file so that keys this program does not know
    // survive the save.
    TIniFile Ini;
    Ini.LoadFromFile(Name);
    const TTxPrefs& P = AppPrefs;
    Ini.WriteBool(SecGeneral, "Maximise", P.Maximise);
    Ini.WriteBool(SecGeneral, "NewsOnStart", P.NewsOnStart);
    Ini.WriteBool(SecGeneral, "StartUpTips", P.StartUpTips);
    Ini.WriteBool(SecGeneral, "AutoHCount", P.AutoHCount);
    Ini.WriteBool(SecGeneral, "HighlightGlossWords", P.HighlightGlossWords);
    Ini.WriteBool(SecGeneral, "HelpHints", P.HelpHints);
    Ini.WriteString(SecLanguage, "ActiveColl", P.ActiveColl);
    Ini.WriteString(SecRemoteAudio, "RemoteAudioServer", P.RemoteAudioServer);
    Ini.WriteString(SecRemoteAudio, "DiskCacheDir", P.DiskCacheDir);
    Ini.WriteBool(SecRemoteAudio, "EnableRemoteAudio", P.EnableRemoteAudio);
    Ini.WriteInteger(SecColorScheme, "ColorScheme", P.ColorScheme);
    Ini.WriteInteger(SecColorScheme, "ColorWordHL", P.ColorWordHL);

    const std::filesystem::path Folder = std::filesystem::path(Name).parent_path();
    if (!Folder.empty()) {
        std::error_code Ec;
        std::filesystem::create_directories(Folder, Ec);
    }
    return Ini.SaveToFile(Name);
}

void ResetPrefsGlobals() {
    AppPrefs = TTxPrefs();
    PreviewPrefs = TTxPrefs();
}
