// The main window's creation sequence, first showing and start-up timers:
// the content modules are created, registered and read in a fixed order.
#include "app/AppGlobals.h"
#include "app/ContentLoader.h"
#include "app/Prefs.h"
#include "app/Shell.h"
#include "app/ui/ExpectedFingerprints.h"
#include "app/ui/MainWindow.h"
#include "app/ui/TarvixApplication.h"
#include "data/LineCipher.h"
#include "data/TextUtils.h"
#include "data/Verification.h"
#include "hadith/CategoryFillers.h"
#include "hadith/CategoryHelper.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"
#include "online/RemoteAudio.h"
#include "online/ui/QtHttpClient.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/MainDocManager.h"
#include "scripture/QuranDLLHelper.h"
#include "scripture/TransManager.h"

namespace {

std::unique_ptr<TQuranDLLHelper> MakeScripture(const TScriptureModuleInfo& Info,
                                               const std::string& Expected) {
    auto Module =
        std::make_unique<TQuranDLLHelper>(AppPath + Info.FileName, Expected, Info.RightToLeft);
    Module->SetLanguage(Info.LanguageName, Info.Description);
    Module->SetTranslator(Info.Translator);
    Module->SetFontTag(Info.FontTag);
    return Module;
}

} // namespace

void TfrmMain::FormCreate() {
    AppVersion = "1.81";
    AppTitle = "Tarvix";
    Starting = true;
    ByNumberNodeIndex = -1;
    InitLineCipher();
    MainWindow = this;
    if (InitWindow) {
        InitWindow->show();
        InitWindow->repaint();
    }

    AppVerify = std::make_unique<TAppVerify>();
    VerificationManager.AddModule(AppVerify.get());
    if (!AppVerify->Verify())
        VerificationFailed();

    ::GlossaryHelper =
        std::make_unique<TGlossaryHelper>(AppPath + "Gloss.dbx", ExpectedGlossaryFingerprint());
    VerificationManager.AddModule(&MainDocManager);
    for (const char* Name : BuiltInDocumentNames)
        MainDocManager.AddBuiltInDocument(AppPath + Name);
    VerificationManager.AddModule(&TransManager);
    VerificationManager.AddModule(&HadithCollManager);
    HadithCatHelper.SetFileName(AppPath + "HIndex.dbx");
    HadithCatHelper.SetExpectedFingerprint(ExpectedCategoriesFingerprint());
    VerificationManager.AddModule(&HadithCatHelper);

    ArabicScripture = MakeScripture(ArabicScriptureInfo, ExpectedArabicScriptureFingerprint());
    EnglishScripture = MakeScripture(EnglishScriptureInfo, ExpectedEnglishScriptureFingerprint());
    TransManager.RegisterModule(ArabicScripture.get());
    TransManager.RegisterModule(EnglishScripture.get());
    TransManager.SetArabicModule(ArabicScripture.get());
    TransManager.SetEnglishModule(EnglishScripture.get());

    for (const char* Name : BuiltInCollectionNames)
        if (!FileExists(AppPath + Name))
            VerificationFailed();
    ArabicCollection = HadithCollManager.AddCollection(
        std::make_unique<THadithHelper>(AppPath + BuiltInCollectionNames[0]));
    EnglishCollection = HadithCollManager.AddCollection(
        std::make_unique<THadithHelper>(AppPath + BuiltInCollectionNames[1]));
    // A built-in collection that is missing or damaged has already ended the
    // program through the verification failure; the registry is left as is.
    if (!VerificationHasFailed && ArabicCollection && EnglishCollection) {
        HadithCollManager.SetArabicModule(ArabicCollection);
        HadithCollManager.SetEnglishModule(EnglishCollection);
    }
    RemoteAudio = std::make_unique<TQRemoteAudio>(ExpectedRemoteAudioFingerprint());
    HttpClient = std::make_unique<TQtHttpClient>();
    RemoteAudio->SetHttpClient(HttpClient.get());
    RemoteAudio->OnBusy = [this](bool Busy) { SetBusyState(Busy ? bsAudio : bsIdle); };
    RemoteAudio->OpenFile = [this](const std::string& Path) {
        return Links.OpenFile ? Links.OpenFile(Path) : false;
    };
    VerificationManager.AddModule(RemoteAudio.get());
    CurrentHadith = 1;
}

void TfrmMain::FormShow() {
    LoadPrefs();
    ApplyPrefs(AppPrefs);
    TTarvixApplication::ShowHints = true;
    if (!VerificationHasFailed) {
        MainDocManager.LoadDocuments();
        HadithCollManager.LoadCollections();
        HadithCatHelper.LoadCategories();
        if (::GlossaryHelper)
            ::GlossaryHelper->LoadGlossary();
        ArabicScripture->LoadText();
        EnglishScripture->LoadText();
        RemoteAudio->LoadAudioIndex();
    }
    TStringList Titles;
    for (int i = 0; i < MainDocManager.DocumentCount(); ++i)
        Titles.push_back(MainDocManager.DocumentAt(i).Title());
    ConnectTreeChange(false);
    FillMainTree(*trvHadithCat, Titles);
    ConnectTreeChange(true);
    if (::GlossaryHelper)
        VerificationManager.AddModule(::GlossaryHelper.get());
    pagesMain->setCurrentWidget(tabHadith);
    ApplyPrefs(AppPrefs);
    if (VerificationHasFailed)
        return; // the program ends at the loop's first turn
    ShowWelcome();
    FillActiveViewList();
    tmrStartUp->start();
    tmrStartUp2->start();
}

void TfrmMain::tmrStartUp2Timer() {
    tmrStartUp2->stop();
    if (Links.HideInitWindow)
        Links.HideInitWindow();
    if (AppPrefs.Maximise)
        showMaximized();
    if (Links.ShowVerifyWindowAuto)
        Links.ShowVerifyWindowAuto();
    if (Links.CheckRequiredFonts)
        Links.CheckRequiredFonts();
    if (!HadithCollManager.BadCollections().empty() && Links.ShowBadCollections)
        Links.ShowBadCollections();
    if (!HadithCollManager.MissingFontCollections().empty() && Links.ShowMissingFonts)
        Links.ShowMissingFonts();
    if (StartedWithFile) {
        ShowMsgDlg(mkInformation, MsgHeightSmall, true, "New Hadith Collection is ready!",
                   "Your newly installed Hadith Collection is ready to read and has been set as "
                   "the \"Active View\".\r\n\r\nIn future, you can select this Hadith Collection "
                   "from the\"Active View\" list on the Main screen.",
                   mbsOK);
    } else if (AppPrefs.StartUpTips && Links.ShowTips) {
        Links.ShowTips();
    }
    if (AppPrefs.NewsOnStart && Links.ShowNewsIfConnected)
        Links.ShowNewsIfConnected();
    Starting = false;
}

void TfrmMain::FormDestroy() {
    // The scripture modules are registered with the scripture registry,
    // which only refers to them: it forgets them before they go.
    if (ArabicScripture || EnglishScripture)
        TransManager.Reset();
    ArabicScripture.reset();
    EnglishScripture.reset();
    RemoteAudio.reset();
    HttpClient.reset();
}
