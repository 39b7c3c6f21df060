// The program: its windows, created in a fixed order, and the wiring between
// them. main() builds one and runs the event loop; widget tests build one on
// a test program folder.
#pragma once

#include "app/ui/QtShell.h"

#include <memory>
#include <string>

class TfrmMsgDlg;
class TfrmInit;
class TfrmNews;
class TfrmBookmarks;
class TfrmMain;
class TfrmVerifydlg;
class TfrmPrefsDlg;
class TfrmCollInfoDlg;
class TfrmRemoteAudioDlg;
class TfrmSearch;
class TfrmSearchReportDlg;
class TfrmGloss;
class TfrmAssistantDlg;
class TfrmTipsDlg;
class TfrmAboutDlg;
class TfrmBadCollsDlg;
class TfrmMissingFontsDlg;

class TTarvixProgram {
public:
    // Creates every window in order. FirstArgument, when it names an existing
    // file, is installed as a collection before the remaining windows.
    explicit TTarvixProgram(const std::string& FirstArgument = std::string());
    ~TTarvixProgram();
    TTarvixProgram(const TTarvixProgram&) = delete;
    TTarvixProgram& operator=(const TTarvixProgram&) = delete;

    // Shows the main window; its first showing loads the content.
    void Show();

    TQtShell Shell;
    std::unique_ptr<TfrmInit> Init;
    std::unique_ptr<TfrmNews> News;
    std::unique_ptr<TfrmBookmarks> Bookmarks;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmVerifydlg> Verify;
    std::unique_ptr<TfrmPrefsDlg> Prefs;
    std::unique_ptr<TfrmCollInfoDlg> CollInfo;
    std::unique_ptr<TfrmRemoteAudioDlg> RemoteAudioDlg;
    std::unique_ptr<TfrmSearch> Search;
    std::unique_ptr<TfrmSearchReportDlg> SearchReport;
    std::unique_ptr<TfrmGloss> Gloss;
    std::unique_ptr<TfrmAssistantDlg> Assistant;
    std::unique_ptr<TfrmTipsDlg> Tips;
    std::unique_ptr<TfrmAboutDlg> About;
    std::unique_ptr<TfrmBadCollsDlg> BadColls;
    std::unique_ptr<TfrmMissingFontsDlg> MissingFonts;

private:
    void CreateMainWindow();
    void WireMainWindow();
    void WireSearchAndBookmarks();
};

// Back to the state before a program was created: registries, settings
// record and shell globals (tests that create several programs).
void ResetProgramState();
