// The news window: the latest project news and the recommended Internet
// sites from the news server as a tree, refreshed every five minutes while
// its timer runs; a clicked entry opens its page in the user's browser.
#pragma once

#include "app/Prefs.h"
#include "online/NewsManager.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QStatusBar;
class QTimer;
class TOrvButton;
class TOrvTreeView;
class TSchemePanel;

class TfrmNews : public QWidget {
    Q_OBJECT
public:
    explicit TfrmNews(QWidget* Parent = nullptr);
    ~TfrmNews() override;

    // Fetches the news and the sites and fills the tree (the Update button's
    // and the timer's handler). Blocks for up to two request time-outs.
    void UpdateNews();
    // One request to the sites script: true when the server answered at all.
    bool IsServerReachable();
    // Shows the window and updates it when the server can be reached;
    // otherwise does nothing. Called at start-up when news are wanted then.
    void ShowNewsIfConnected();
    // The start-up option, the trees' highlight colour and the heading's
    // colour scheme.
    void ApplyPrefs(const TTxPrefs& P);
    // Hands a web address to UrlOpener.
    void ShellOpenURL(const std::string& Address);

    void btnUpdateClick() { UpdateNews(); }
    void chkStartUpClick();
    void trvNewsClick();
    void tmrNewsUpdateTimer();

    // Whether the news are to be shown at start-up; the program stores it.
    bool ShowAtStartup = false;
    // Raised when the user changes the start-up option and when the window
    // closes; the program stores the value as NewsOnStart and saves the
    // settings.
    std::function<void(bool Value)> OnStartupOptionChanged;
    // The desktop's opener of web addresses (the user's browser); tests
    // replace it.
    std::function<bool(const std::string& Address)> UrlOpener;
    // Host name (and port) of the news server.
    std::string ServerHost = DefaultNewsServer;

    TNewsManager NewsManager;

    TSchemePanel* spnlName = nullptr;
    QLabel* lblWinName = nullptr;
    TOrvButton* btnUpdate = nullptr;
    QCheckBox* chkStartUp = nullptr;
    TOrvTreeView* trvNews = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* StatusText = nullptr;
    QTimer* tmrNewsUpdate = nullptr;

    // Every five minutes.
    static constexpr int UpdateIntervalMs = 300000;

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    std::unique_ptr<THttpClient> FHttpClient;
    // A timer tick during the wait of an update must not start another.
    bool FUpdating = false;
};
