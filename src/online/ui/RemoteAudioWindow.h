// The remote recitation settings window: the switch that puts recitation
// links into pages, the recitation server and the cache folder. It edits a
// working copy of the settings, taken from AppPrefs each time it opens.
#pragma once

#include "app/Prefs.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class TOrvButton;
class TQRemoteAudio;

class TfrmRemoteAudioDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRemoteAudioDlg(QWidget* Parent = nullptr);

    // Shows P in the controls.
    void FillFromPrefs(const TTxPrefs& P);
    // Copies the controls into EditPrefs.
    void ReadBackPrefs();

    void chkRemoteAudioClick();
    void btnDefaultServerClick();
    void btnChooseFolderClick();
    void btnClearTempFilesClick();
    void btnOKClick();
    void btnDefaultsClick();

    // The working copy the window edits.
    TTxPrefs EditPrefs;
    // The main window's recitation module (not owned); the cache buttons act
    // on it.
    TQRemoteAudio* RemoteAudio = nullptr;
    // Applies a settings record to the program's windows (the main window's
    // operation, set by the program).
    std::function<void(const TTxPrefs&)> ApplyPrefs;
    // Asks the user for a folder; empty when none was chosen. Tests replace
    // it.
    std::function<std::string()> ChooseFolder;

    QLabel* lblWinName = nullptr;
    QLabel* Label1 = nullptr;
    QCheckBox* chkRemoteAudio = nullptr;
    QWidget* pnlRemoteAudio = nullptr;
    QLineEdit* txtRAServer = nullptr;
    TOrvButton* btnDefaultServer = nullptr;
    QWidget* pnlTempFiles = nullptr;
    QLabel* lblDiskCacheDir = nullptr;
    TOrvButton* btnChooseFolder = nullptr;
    TOrvButton* btnClearTempFiles = nullptr;
    TOrvButton* btnOK = nullptr;
    TOrvButton* btnCancel = nullptr;
    TOrvButton* btnDefaults = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void EnableControls(bool Enabled);
};
