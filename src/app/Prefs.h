// The user's settings: the record, its defaults, and the settings file
// Tarvix.ini in the user's configuration folder.
#pragma once

#include <cstdint>
#include <string>

struct TTxPrefs {
    bool Maximise = false;
    bool NewsOnStart = false;
    bool StartUpTips = false;
    bool HighlightGlossWords = false;
    bool HelpHints = false;
    bool AutoHCount = false;
    bool EnableRemoteAudio = false;
    std::string ActiveColl;        // a view key or a collection name
    std::string RemoteAudioServer; // host name of the recitation server
    std::string DiskCacheDir;      // folder of fetched recitations
    // Scheme numbers: 0 Green, 1 Gold, 2 Aqua, 3 Blue, 4 Purple, 5 Silver. A
    // number outside 0..5 read from the file is kept as it is.
    uint8_t ColorScheme = 0; // wallpaper of the scheme panels
    uint8_t ColorWordHL = 0; // everything coloured in pages and trees

    bool operator==(const TTxPrefs& Other) const;
    bool operator!=(const TTxPrefs& Other) const { return !(*this == Other); }
};

inline constexpr const char* DefaultRemoteAudioServer = "audio.tarvix.org";
inline constexpr const char* DefaultActiveColl = "DORREL_ANVESH::Dorrel and Anvesh (Arabic)";
inline constexpr const char* PrefsBaseName = "Tarvix.ini";

// The settings in force, and the ones tried in an open settings window.
extern TTxPrefs AppPrefs;
extern TTxPrefs PreviewPrefs;

void SetDefaultPrefs(TTxPrefs& P);
// Replaces a blank server, cache folder or Active View by its default.
void ValidatePrefs(TTxPrefs& P);

// $XDG_CONFIG_HOME/Tarvix/Tarvix.ini, else ~/.config/Tarvix/Tarvix.ini.
std::string PrefsFileName();

// Reads the settings file (PrefsFileName() when FileName is empty) into
// AppPrefs; a missing file or key gives the defaults.
void LoadPrefs(const std::string& FileName = std::string());
// Writes AppPrefs whole and atomically, creating the folder when needed;
// other sections and keys of an existing file are kept. False when the file
// could not be written, in which case the old file is unchanged.
bool SavePrefs(const std::string& FileName = std::string());

// Back to the empty records of program start (tests).
void ResetPrefsGlobals();
