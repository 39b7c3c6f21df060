#include "app/ui/Program.h"

#include "app/AppGlobals.h"
#include "app/HtmlHelpers.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "app/ui/FormBases.h"
#include "app/ui/InitWindow.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MsgDlg.h"
#include "app/ui/PrefsWindow.h"
#include "app/ui/TarvixApplication.h"
#include "data/TextUtils.h"
#include "data/Verification.h"
#include "data/ui/VerifyWindow.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionManager.h"
#include "online/ui/NewsWindow.h"
#include "online/ui/RemoteAudioWindow.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/MainDocManager.h"
#include "scripture/TransManager.h"
#include "scripture/ui/GlossaryWindow.h"
#include "search/ui/BookmarksWindow.h"
#include "search/ui/SearchReportWindow.h"
#include "search/ui/SearchWindow.h"
#include "windows/ReqFonts.h"
#include "windows/ui/AboutWindow.h"
#include "windows/ui/AssistantWindow.h"
#include "windows/ui/BadCollsWindow.h"
#include "windows/ui/CollInfoWindow.h"
#include "windows/ui/FontSupport.h"
#include "windows/ui/MissingFontsWindow.h"
#include "windows/ui/TipsWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

TTarvixProgram::TTarvixProgram(const std::string& FirstArgument) {
    SetShell(&Shell);
    // Pages name the fonts the collections were made with; installed
    // families stand in for the ones a Linux desktop does not have.
    InstallFontSubstitutes();
    HadithCollManager.MissingFontNote = [](const THadithHelper& C) {
        return CollectionFontNote(C.CollectionName(), C.FontFace(),
                                  TAppReqFonts(InstalledFontFamilies));
    };
    frmMsgDlg();
    Init = std::make_unique<TfrmInit>();
    Init->SetLoadingMode(true);
    InitWindow = Init.get();
    Shell.OnLoadCaption = [this](const std::string& T) { Init->SetLoadCaption(T); };
    Shell.OnProgressMax = [this](int V) { Init->SetProgressMax(V); };
    Shell.OnProgressPos = [this](int V) { Init->SetProgressPos(V); };
    TTarvixApplication::OnBeforeReport() = [this] {
        if (Init && Init->isVisible())
            Init->hide();
    };
    News = std::make_unique<TfrmNews>();
    News->OnStartupOptionChanged = [](bool Value) {
        AppPrefs.NewsOnStart = Value;
        SavePrefs();
    };
    Bookmarks = std::make_unique<TfrmBookmarks>();
    BookmarksWindow = Bookmarks.get();
    StartedWithFile = false;
    QApplication::setApplicationName("Tarvix");

    if (!FirstArgument.empty() && FileExists(FirstArgument)) {
        StartedWithFile = true;
        Init->SetLoadingMode(false);
        CreateMainWindow();
        HadithCollManager.InstallCollection(FirstArgument);
        Init->SetLoadingMode(true);
    } else {
        CreateMainWindow();
    }
    Prefs = std::make_unique<TfrmPrefsDlg>();
    Prefs->ApplyPrefs = [this](const TTxPrefs& P) { Main->ApplyPrefs(P); };
    CollInfo = std::make_unique<TfrmCollInfoDlg>();
    RemoteAudioDlg = std::make_unique<TfrmRemoteAudioDlg>();
    RemoteAudioDlg->RemoteAudio = Main->RemoteAudio.get();
    RemoteAudioDlg->ApplyPrefs = [this](const TTxPrefs& P) { Main->ApplyPrefs(P); };
    Search = std::make_unique<TfrmSearch>();
    SearchReport = std::make_unique<TfrmSearchReportDlg>();
    WireSearchAndBookmarks();
    Gloss = std::make_unique<TfrmGloss>();
    Gloss->ProcessLink = [this](const std::string& Link) { Main->ProcessLink(Link); };
    Gloss->AddGlossBookmark = [this](const std::string& Term) {
        Bookmarks->AddGlossBookmark(Term);
    };
    Gloss->ShowBookmarks = [this] { Bookmarks->show(); };
    Assistant = std::make_unique<TfrmAssistantDlg>();
    Assistant->ShowCollInfo = [this](const THadithHelper& C) { CollInfo->ShowCollInfo(&C); };
    Assistant->ChooseCollectionFile = Main->Links.ChooseCollectionFile;
    Tips = std::make_unique<TfrmTipsDlg>();
    About = std::make_unique<TfrmAboutDlg>();
    BadColls = std::make_unique<TfrmBadCollsDlg>();
    MissingFonts = std::make_unique<TfrmMissingFontsDlg>();
}

void TTarvixProgram::CreateMainWindow() {
    Main = std::make_unique<TfrmMain>();
    WireMainWindow();
    Main->FormCreate();
    Verify = std::make_unique<TfrmVerifydlg>();
}

void TTarvixProgram::WireMainWindow() {
    TMainWindowLinks& L = Main->Links;
    L.ShowPrefs = [this] {
        PrefsWindowShowing = true;
        Prefs->ShowPrefs();
        PrefsWindowShowing = false;
    };
    L.ShowVerifyWindow = [this] { Verify->ShowVerifyWindow(); };
    L.ShowVerifyWindowAuto = [this] { Verify->ShowVerifyWindowAuto(); };
    L.ShowBookmarks = [this] { Bookmarks->show(); };
    L.AddHadithBookmark = [this](const std::string& Key) { Bookmarks->AddHadithBookmark(Key); };
    L.ShowSearch = [this] { Search->ShowSearch(); };
    L.ShowGlossary = [this] { Gloss->ShowGlossary(); };
    L.ShowWordQuery = [this] { Gloss->ShowWordQuery(); };
    L.ShowTerm = [this](const std::string& Word, bool Show) {
        if (Gloss)
            Gloss->ShowTerm(Word, Show);
    };
    L.ShowTips = [this] { Tips->ShowTips(); };
    L.CheckRequiredFonts = [] {
        TAppReqFonts Fonts(InstalledFontFamilies);
        CheckMainWindowFonts(Fonts);
    };
    L.ShowAssistant = [this] { Assistant->ShowAssistant(); };
    L.ShowRemoteAudio = [this] { RemoteAudioDlg->exec(); };
    L.ShowAbout = [this] { About->exec(); };
    L.ShowNews = [this] { News->show(); };
    L.ShowNewsIfConnected = [this] { News->ShowNewsIfConnected(); };
    L.ShowBadCollections = [this] { BadColls->exec(); };
    L.ShowMissingFonts = [this] { MissingFonts->exec(); };
    L.HideInitWindow = [this] { Init->hide(); };
    L.ApplyPrefsToOthers = [this](const TTxPrefs& P) {
        if (Gloss)
            Gloss->SetLinkColour(SchemeColour(P.ColorWordHL));
        if (News)
            News->ApplyPrefs(P);
    };
    L.OpenFile = [](const std::string& Path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(Path)));
    };
    L.ChooseCollectionFile = [this] {
        return QFileDialog::getOpenFileName(Main.get(), "Install Hadith Collection", QString(),
                                            "Tarvix Collection (*.dbh);;All files (*)")
            .toStdString();
    };
}

void TTarvixProgram::WireSearchAndBookmarks() {
    auto OpenLink = [this](const std::string& Link) { Main->OpenCollectionLink(Link); };
    auto SetBusy = [this](uint8_t State) { Main->SetBusyState(State); };
    Search->OpenCollectionLink = OpenLink;
    Search->SetBusyState = SetBusy;
    Search->ShowBookmarks = [this] { Bookmarks->show(); };
    Search->AddSearchBookmark = [this](const TSearchBookmarkInfo& Info) {
        Bookmarks->AddSearchBookmark(Info.SearchText, Info.Chapter, Info.Restricted, Info.ViewKey);
    };
    Search->ShowSearchReport = [this](THadithHelper* Collection, const std::string& Text,
                                      const std::vector<TSearchResultEntry>& Results) {
        if (Collection)
            SearchReport->ShowSearchReport(*Collection, Text, Results);
    };
    SearchReport->OpenCollectionLink = OpenLink;
    SearchReport->SetBusyState = SetBusy;
    SearchReport->CloseSearchWindow = [this] { Search->close(); };

    Bookmarks->ShowGroupHadith = [this](const std::string& Group, int N) {
        Main->ShowGroupHadith(Group, N);
    };
    Bookmarks->ShowBookmarkedSearch = [this](const std::string& Text, int Chapter, bool Restricted,
                                             const std::string& ViewKey) {
        Search->ShowBookmarkedSearch(Text, Chapter, Restricted, ViewKey);
    };
    Bookmarks->ShowTerm = [this](const std::string& Term) {
        if (Gloss)
            Gloss->ShowTerm(Term, true);
    };
    Bookmarks->SetBusyState = SetBusy;
}

void TTarvixProgram::Show() {
    Main->show();
}

TTarvixProgram::~TTarvixProgram() {
    // Windows go before the registries they refer to are reset.
    MissingFonts.reset();
    BadColls.reset();
    About.reset();
    Tips.reset();
    Assistant.reset();
    Gloss.reset();
    SearchReport.reset();
    Search.reset();
    RemoteAudioDlg.reset();
    CollInfo.reset();
    Prefs.reset();
    Verify.reset();
    Main.reset();
    Bookmarks.reset();
    News.reset();
    Init.reset();
    MainWindow = nullptr;
    InitWindow = nullptr;
    BookmarksWindow = nullptr;
    TTarvixApplication::OnBeforeReport() = nullptr;
    SetShell(nullptr);
}

void ResetProgramState() {
    VerificationManager.Clear();
    ResetVerification();
    ResetHadithCollManager();
    ResetHadithCatHelper();
    ResetMainDocManager();
    ResetGlossaryHelper();
    TransManager.Reset();
    ResetPrefsGlobals();
    ResetPageBuilderState();
    StartedWithFile = false;
}
