// The remote recitation module: the recitation index QRemoteAud.dbx, the
// cache folder of fetched recitation files, the download from the
// recitation server and the hand-over of a file to the desktop's opener.
#pragma once

#include "online/HttpClient.h"
#include "online/QuranAudio.h"

#include <functional>
#include <string>

// Codes of HttpGet and HttpStatusFromHeader.
enum : int {
    hsOK = 0,
    hsNoAnswer = 1,
    hsBadRequest = 2,
    hsAuthorisationRequired = 3,
    hsForbidden = 4,
    hsNotFound = 5,
    hsInternalServerError = 6,
    hsUnknown = 7,
};

class TQRemoteAudio : public TQuranAudio {
public:
    // ExpectedFingerprint: the fingerprint (Skip 0) the index file must have.
    explicit TQRemoteAudio(const std::string& ExpectedFingerprint = std::string());

    bool Verify() override;
    std::string GetModuleName() override { return "Remote Audio Recitation Module"; }
    // Reads AppPath + "QRemoteAud.dbx". A missing or damaged file ends the
    // load quietly; the entries read so far remain.
    void LoadAudioIndex() override;

    // Empty for a pair that names no verse.
    std::string VerseFileName(int Chapter, int Verse) const;
    // Opens the verse's recitation file from the cache, fetching it from
    // Server first when it is not cached. A pair that names no verse does
    // nothing.
    void PlayVerse(int Chapter, int Verse);
    // Ref is a verse reference text "CCC.VVV".
    void PlayVerseRef(const std::string& Ref);

    // Creates the cache folder with its parents when missing; a failure is
    // not reported.
    void CheckCacheFolder();
    // Asks first; then deletes every file in the cache folder and its
    // subfolders, keeping the folders.
    void ClearCache();

    // One GET of Host + Path; returns a code of the table above.
    int HttpGet(const std::string& Host, const std::string& Path, const std::string& Proxy,
                const std::string& ProxyPort, std::string& Body, std::string& Header);
    static int HttpStatusFromHeader(const std::string& Header);
    static std::string HttpStatusText(int Code);

    static std::string IndexFileName(); // AppPath + "QRemoteAud.dbx"
    // Where the verse file Name lives in the cache.
    std::string CachePath(const std::string& Name) const;

    const std::string& CacheFolder() const { return FCacheFolder; }
    void SetCacheFolder(const std::string& Value) { FCacheFolder = Value; }
    const std::string& Server() const { return FServer; }
    void SetServer(const std::string& Value) { FServer = Value; }
    const std::string& ExpectedFingerprint() const { return FExpectedFingerprint; }
    void SetExpectedFingerprint(const std::string& Value) { FExpectedFingerprint = Value; }

    // The client every request goes through; not owned. Without one, every
    // request counts as no answer.
    void SetHttpClient(THttpClient* Client) { FHttpClient = Client; }

    // Hands a fetched file to the program the desktop opens it with; true when
    // it was handed over. Without it, nothing is opened.
    std::function<bool(const std::string& Path)> OpenFile;
    // Called with true before a recitation is looked up or fetched and with
    // false afterwards; the main window shows its audio busy state meanwhile
    // (SetBusyState(bsAudio), then bsIdle).
    std::function<void(bool Busy)> OnBusy;

private:
    std::string FCacheFolder;
    std::string FServer;
    std::string FExpectedFingerprint;
    THttpClient* FHttpClient = nullptr;
};
