// The remote recitation settings window.
#include "online/ui/RemoteAudioWindow.h"

#include "app/MsgDlgTypes.h"
#include "app/Shell.h"
#include "controls/ui/OrvButton.h"
#include "data/TextUtils.h"
#include "online/RemoteAudio.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int ClientWidth = 420;
constexpr int ClientHeight = 282;

void PaintBlack(QWidget* W) {
    QPalette Pal = W->palette();
    Pal.setColor(QPalette::Window, Qt::black);
    Pal.setColor(QPalette::WindowText, Qt::white);
    W->setPalette(Pal);
    W->setAutoFillBackground(true);
}

QLabel* MakeLabel(const QString& Text, QWidget* Parent, const QRect& Place, bool Bold = false,
                  int PointSize = 8) {
    auto* L = new QLabel(Text, Parent);
    QFont F("Verdana", PointSize);
    F.setBold(Bold);
    L->setFont(F);
    PaintBlack(L);
    L->setGeometry(Place);
    return L;
}

TOrvButton* MakeButton(const QString& Caption, const QString& Name, QWidget* Parent,
                       const QRect& Place) {
    auto* B = new TOrvButton(Caption, Parent);
    B->setObjectName(Name);
    B->setGeometry(Place);
    return B;
}

} // namespace

TfrmRemoteAudioDlg::TfrmRemoteAudioDlg(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("frmRemoteAudioDlg");
    setWindowTitle("Remote Qur'an Audio");
    setFixedSize(ClientWidth, ClientHeight);
    PaintBlack(this);

    lblWinName = MakeLabel("REMOTE QUR'AN RECITATION", this, {8, 6, 340, 20}, true, 10);
    lblWinName->setObjectName("lblWinName");
    auto* Rule = new QFrame(this);
    Rule->setFrameShape(QFrame::HLine);
    Rule->setFrameShadow(QFrame::Sunken);
    Rule->setGeometry(8, 28, ClientWidth - 16, 2);

    Label1 = MakeLabel("Each verse's recitation is downloaded from a Velorin server when you click "
                       "its audio icon, so an Internet connection is needed while you listen. "
                       "The free RealAudio player software is required to play the recitations.",
                       this, {8, 36, ClientWidth - 16, 56});
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);

    chkRemoteAudio = new QCheckBox("Enable Remote Qur'an Recitation", this);
    chkRemoteAudio->setObjectName("chkRemoteAudio");
    chkRemoteAudio->setFont(QFont("Verdana", 8));
    PaintBlack(chkRemoteAudio);
    chkRemoteAudio->setGeometry(8, 96, 300, 20);
    // Only a click previews; filling the controls from a record does not.
    connect(chkRemoteAudio, &QCheckBox::clicked, this, [this] { chkRemoteAudioClick(); });

    pnlRemoteAudio = new QWidget(this);
    pnlRemoteAudio->setObjectName("pnlRemoteAudio");
    PaintBlack(pnlRemoteAudio);
    pnlRemoteAudio->setGeometry(8, 120, ClientWidth - 16, 32);
    MakeLabel("Recitation Server: ", pnlRemoteAudio, {4, 6, 116, 20});
    txtRAServer = new QLineEdit(pnlRemoteAudio);
    txtRAServer->setObjectName("txtRAServer");
    txtRAServer->setToolTip("Enter the Velorin Qur'an Recitation Server.");
    txtRAServer->setGeometry(122, 5, 170, 22);
    btnDefaultServer =
        MakeButton("Default Server", "btnDefaultServer", pnlRemoteAudio, {300, 4, 100, 24});
    connect(btnDefaultServer, &QPushButton::clicked, this, [this] { btnDefaultServerClick(); });

    pnlTempFiles = new QWidget(this);
    pnlTempFiles->setObjectName("pnlTempFiles");
    PaintBlack(pnlTempFiles);
    pnlTempFiles->setGeometry(8, 158, ClientWidth - 16, 76);
    MakeLabel("Temporary Files Location (Directory)", pnlTempFiles, {4, 4, 300, 16});
    lblDiskCacheDir = MakeLabel(QString(), pnlTempFiles, {4, 22, ClientWidth - 24, 16});
    lblDiskCacheDir->setObjectName("lblDiskCacheDir");
    btnChooseFolder =
        MakeButton("Choose Folder", "btnChooseFolder", pnlTempFiles, {4, 46, 110, 24});
    btnClearTempFiles =
        MakeButton("Clear Temp. Files", "btnClearTempFiles", pnlTempFiles, {122, 46, 120, 24});
    connect(btnChooseFolder, &QPushButton::clicked, this, [this] { btnChooseFolderClick(); });
    connect(btnClearTempFiles, &QPushButton::clicked, this, [this] { btnClearTempFilesClick(); });

    btnOK = MakeButton("OK", "btnOK", this, {190, 248, 69, 24});
    btnCancel = MakeButton("Cancel", "btnCancel", this, {267, 248, 69, 24});
    btnDefaults = MakeButton("Defaults", "btnDefaults", this, {343, 248, 69, 24});
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(btnDefaults, &QPushButton::clicked, this, [this] { btnDefaultsClick(); });

    ChooseFolder = [this] {
        return QFileDialog::getExistingDirectory(this, "Choose Temp Dir", QDir::rootPath(),
                                                 QFileDialog::ShowDirsOnly)
            .toStdString();
    };
    EnableControls(false);
}

void TfrmRemoteAudioDlg::FillFromPrefs(const TTxPrefs& P) {
    chkRemoteAudio->setChecked(P.EnableRemoteAudio);
    txtRAServer->setText(QString::fromStdString(P.RemoteAudioServer));
    lblDiskCacheDir->setText(QString::fromStdString(P.DiskCacheDir));
    EnableControls(P.EnableRemoteAudio);
}

void TfrmRemoteAudioDlg::ReadBackPrefs() {
    EditPrefs.EnableRemoteAudio = chkRemoteAudio->isChecked();
    // Blanks around a host name are never part of it.
    EditPrefs.RemoteAudioServer = TrimText(txtRAServer->text().toStdString());
}

void TfrmRemoteAudioDlg::EnableControls(bool Enabled) {
    pnlRemoteAudio->setEnabled(Enabled);
    pnlTempFiles->setEnabled(Enabled);
}

void TfrmRemoteAudioDlg::chkRemoteAudioClick() {
    EnableControls(chkRemoteAudio->isChecked());
    ReadBackPrefs();
    PreviewPrefs = EditPrefs;
    if (ApplyPrefs)
        ApplyPrefs(EditPrefs);
}

void TfrmRemoteAudioDlg::btnDefaultServerClick() {
    txtRAServer->setText(DefaultRemoteAudioServer);
}

void TfrmRemoteAudioDlg::btnChooseFolderClick() {
    const std::string Folder = ChooseFolder ? ChooseFolder() : std::string();
    if (Folder.empty())
        return;
    EditPrefs.DiskCacheDir = Folder;
    if (RemoteAudio)
        RemoteAudio->CheckCacheFolder();
    lblDiskCacheDir->setText(QString::fromStdString(Folder));
}

void TfrmRemoteAudioDlg::btnClearTempFilesClick() {
    if (RemoteAudio)
        RemoteAudio->ClearCache();
}

void TfrmRemoteAudioDlg::btnOKClick() {
    ReadBackPrefs();
    AppPrefs = EditPrefs;
    const bool Saved = SavePrefs();
    if (ApplyPrefs)
        ApplyPrefs(AppPrefs);
    // The settings stay in force for this run either way; the user must know
    // that they will be gone at the next start.
    if (!Saved)
        ShowMsgDlg(mkWarning, MsgHeightMedium, true, "Preferences Not Saved",
                   "Your preferences could not be written to the settings file\r\n" +
                       PrefsFileName() +
                       "\r\n\r\nThey are in use until Tarvix is closed, but will be lost then.",
                   mbsOK);
    accept();
}

void TfrmRemoteAudioDlg::btnDefaultsClick() {
    TTxPrefs Defaults;
    SetDefaultPrefs(Defaults);
    EditPrefs.RemoteAudioServer = Defaults.RemoteAudioServer;
    EditPrefs.DiskCacheDir = Defaults.DiskCacheDir;
    txtRAServer->setText(QString::fromStdString(EditPrefs.RemoteAudioServer));
    lblDiskCacheDir->setText(QString::fromStdString(EditPrefs.DiskCacheDir));
}

void TfrmRemoteAudioDlg::showEvent(QShowEvent* Event) {
    if (!Event->spontaneous()) {
        EditPrefs = AppPrefs;
        FillFromPrefs(EditPrefs);
        if (QScreen* Screen = QGuiApplication::primaryScreen())
            move(Screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(Event);
}
