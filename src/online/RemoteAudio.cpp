// The remote recitation module.
#include "online/RemoteAudio.h"

#include "app/AppGlobals.h"
#include "app/MsgDlgTypes.h"
#include "app/Shell.h"
#include "data/LineCipher.h"
#include "data/TextUtils.h"
#include "data/TxError.h"
#include "scripture/AudioIndexWriter.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int IndexHeaderLines = 4;
const char* const ServerFolder = "/Quran_RAM/";

// The absolute number of a verse that exists, else 0. A verse number beyond
// its chapter would otherwise name a verse of a later chapter.
int VerseNumber(int Chapter, int Verse) {
    if (!IsValidChapter(Chapter) || Verse < 1 || Verse > ChapterVerseCount(Chapter))
        return 0;
    return AbsoluteVerseNumber(Chapter, Verse);
}

// A name from the index is used as a file name inside the cache folder, so it
// must not climb out of it or name the folder itself.
bool IsPlainCacheName(const std::string& Name) {
    return IsValidAudioFileName(Name) && Name.find("..") == std::string::npos;
}

// Reports the busy state to the owner for the lifetime of one request.
class TBusyScope {
public:
    explicit TBusyScope(const std::function<void(bool)>& OnBusy) : FOnBusy(OnBusy) {
        if (FOnBusy)
            FOnBusy(true);
    }
    ~TBusyScope() {
        if (FOnBusy)
            FOnBusy(false);
    }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    const std::function<void(bool)>& FOnBusy;
};

void ShowDownloadFailed(int Code) {
    ShowMsgDlg(mkWarning, MsgHeightMedium, true, "Remote Recitation Server Error",
               "Corvale was unable to download the RealAudio MetaData from the Recitation "
               "Server.\r\n\r\nReason: -\r\n" +
                   QuoteText(TQRemoteAudio::HttpStatusText(Code)) +
                   "\r\n\r\nCheck the \"Remote Audio\" settings which can be accessed from "
                   "the \"Options\" Menu. Please also ensure that your internet "
                   "connection is active.",
               mbsOK);
}

void ShowUnusableName(int Chapter, int Verse) {
    ShowMsgDlg(mkWarning, MsgHeightMedium, true, "Recitation Not Available",
               "The recitation index holds no usable file name for verse " +
                   FormatVerseRef(Chapter, Verse) +
                   ", so its recitation is neither downloaded nor played.\r\n\r\n"
                   "Re-install this Software to restore the recitation index.",
               mbsOK);
}

} // namespace

TQRemoteAudio::TQRemoteAudio(const std::string& ExpectedFingerprint)
    : FExpectedFingerprint(ExpectedFingerprint) {}

std::string TQRemoteAudio::IndexFileName() {
    return AppPath + "QRemoteAud.dbx";
}

std::string TQRemoteAudio::CachePath(const std::string& Name) const {
    return WithoutTrailingBackslash(FCacheFolder) + "/" + Name;
}

bool TQRemoteAudio::Verify() {
    CheckCacheFolder();
    const std::string File = IndexFileName();
    if (!FileExists(File)) {
        VerificationFailed();
        return false;
    }
    const std::string Fingerprint = FingerprintForVerify(File, 0);
    if (!Fingerprint.empty() && Fingerprint == FExpectedFingerprint)
        return true;
    VerificationFailed();
    return false;
}

void TQRemoteAudio::LoadAudioIndex() {
    if (VerificationHasFailed)
        return;
    std::string Content;
    if (!LoadFileText(IndexFileName(), Content))
        return;
    TStringList Lines = TextToLines(Content);
    try {
        for (size_t I = 0; I < Lines.size(); ++I)
            Lines[I] = DecodeLine(Lines[I], static_cast<int>(I));
    } catch (const ETxError&) {
        return; // a damaged line: the index stays as it was
    }
    for (size_t I = IndexHeaderLines; I < Lines.size(); ++I) {
        const int Number = static_cast<int>(I) - IndexHeaderLines + 1;
        if (Number > TotalVerseCount)
            return; // more lines than verses: the verses are all read
        SetVerseFile(Number, Lines[I]);
    }
    CheckCacheFolder();
}

std::string TQRemoteAudio::VerseFileName(int Chapter, int Verse) const {
    return VerseFile(VerseNumber(Chapter, Verse));
}

void TQRemoteAudio::PlayVerse(int Chapter, int Verse) {
    if (VerseNumber(Chapter, Verse) == 0)
        return;
    TBusyScope Busy(OnBusy);
    const std::string Name = VerseFileName(Chapter, Verse);
    if (!IsPlainCacheName(Name)) {
        ShowUnusableName(Chapter, Verse);
        return;
    }
    const std::string Local = CachePath(Name);
    if (!FileExists(Local)) {
        std::string Body, Header;
        const int Code = HttpGet(FServer, ServerFolder + Name, "", "", Body, Header);
        if (Code != hsOK) {
            ShowDownloadFailed(Code);
            return;
        }
        // The folder may have gone since the start; and the file appears
        // whole or not at all, so a failed write never leaves a file that a
        // later click would take for a cached recitation.
        CheckCacheFolder();
        if (!SaveTextToFileAtomic(Body, Local))
            throw ETxError("Cannot create file \"" + Local + "\".");
    }
    if (OpenFile)
        OpenFile(Local);
}

void TQRemoteAudio::PlayVerseRef(const std::string& Ref) {
    const auto [Chapter, Verse] = ParseVerseRef(Ref);
    PlayVerse(Chapter, Verse);
}

void TQRemoteAudio::CheckCacheFolder() {
    if (FCacheFolder.empty())
        return;
    std::error_code Ec;
    if (!fs::is_directory(FCacheFolder, Ec))
        fs::create_directories(FCacheFolder, Ec); // not reported: the write fails later
}

void TQRemoteAudio::ClearCache() {
    if (ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Delete Temporary files?",
                   "Would you like to delete the temporary files?", mbsYesNo) == mrNo)
        return;
    std::error_code Ec;
    if (FCacheFolder.empty() || !fs::is_directory(FCacheFolder, Ec))
        return;
    // A cache folder set to the file system's root would empty the whole
    // system; that is never a cache.
    const fs::path Folder = fs::weakly_canonical(FCacheFolder, Ec);
    if (Ec || Folder == Folder.root_path())
        return;

    // Collected first: removing while walking would disturb the walk. Links
    // are removed themselves, never followed.
    std::vector<fs::path> Files;
    fs::recursive_directory_iterator It(Folder, fs::directory_options::skip_permission_denied, Ec);
    for (; !Ec && It != fs::recursive_directory_iterator(); It.increment(Ec)) {
        std::error_code StatusEc;
        if (!fs::is_directory(It->symlink_status(StatusEc)) && !StatusEc)
            Files.push_back(It->path());
    }
    // Read-only files go too: on this platform removing a file depends only on
    // its folder.
    for (const fs::path& File : Files) {
        std::error_code RemoveEc;
        fs::remove(File, RemoveEc);
    }
}

int TQRemoteAudio::HttpGet(const std::string& Host, const std::string& Path,
                           const std::string& Proxy, const std::string& ProxyPort,
                           std::string& Body, std::string& Header) {
    Body.clear();
    Header.clear();
    if (!FHttpClient)
        return hsNoAnswer;
    const int Port = Proxy.empty() ? 0 : ProxyPortFromText(ProxyPort);
    THttpResponse Response = FHttpClient->Get(HttpUrl(Host, Path), HttpTimeoutMs, Proxy, Port);
    if (!Response.Connected)
        return hsNoAnswer;
    Body = std::move(Response.Body);
    Header = std::move(Response.Header);
    return HttpStatusFromHeader(Header);
}

int TQRemoteAudio::HttpStatusFromHeader(const std::string& Header) {
    const size_t Blank = Header.find(' ');
    if (Blank == std::string::npos)
        return hsUnknown;
    // Cut at any white space, not only a blank: a status line without a
    // reason phrase ends with its line break.
    size_t End = Blank + 1;
    while (End < Header.size() && static_cast<unsigned char>(Header[End]) > 32)
        ++End;
    const std::string Status = Header.substr(Blank + 1, End - Blank - 1);
    if (!IsIntegerText(Status))
        return hsUnknown;
    switch (StrToInt(Status)) {
    case 200:
        return hsOK;
    case 400:
        return hsBadRequest;
    case 401:
        return hsAuthorisationRequired;
    case 403:
        return hsForbidden;
    case 404:
        return hsNotFound;
    case 500:
        return hsInternalServerError;
    default:
        return hsUnknown;
    }
}

std::string TQRemoteAudio::HttpStatusText(int Code) {
    switch (Code) {
    case hsOK:
        return "OK";
    case hsNoAnswer:
        return "Unable to connect to Server";
    case hsBadRequest:
        return "Bad Request";
    case hsAuthorisationRequired:
        return "Authorisation Required";
    case hsForbidden:
        return "Forbidden by Server";
    case hsNotFound:
        return "Not Found on Server";
    case hsInternalServerError:
        return "Internal Server Error";
    default:
        return "Status Unknown";
    }
}
