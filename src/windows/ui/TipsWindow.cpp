#include "windows/ui/TipsWindow.h"

#include "app/Prefs.h"
#include "app/Shell.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvTextStore.h"
#include "controls/ui/SchemePanel.h"
#include "windows/TipTexts.h"
#include "windows/ui/DialogLook.h"

#include <QCheckBox>
#include <QLabel>

#include <chrono>
#include <utility>

using namespace AuxWindows;

namespace {
constexpr int ClientWidth = 411;
constexpr int ClientHeight = 295;
constexpr unsigned TipPanelColour = 14740459;
constexpr unsigned BottomPanelColour = 4079166;

// The cursor's view of a button: only its enabled state.
class TButtonEnabler : public TNavButton {
public:
    explicit TButtonEnabler(QWidget* Button) : FButton(Button) {}
    void SetEnabled(bool Enabled) override { FButton->setEnabled(Enabled); }

private:
    QWidget* FButton;
};
} // namespace

TfrmTipsDlg::TfrmTipsDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmTipsDlg");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetUpDialog(this, ClientWidth, ClientHeight, QStringLiteral("Tips and Info!"));
    spnlName = MakeBanner(this, ClientWidth, QStringLiteral("lblWinName"),
                          QStringLiteral("Software Tips and Information"), lblWinName);

    const int Top = BannerTop + BannerHeight;
    lblHeading = new QLabel(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setTextFormat(Qt::PlainText);
    SetVerdana(lblHeading, 10, true);
    SetTextColour(lblHeading, Qt::white);
    lblHeading->setGeometry(8, Top + 6, ClientWidth - 16, 20);
    MakeRule(this, 8, Top + 28, ClientWidth - 16);

    auto* TipPanel = new QWidget(this);
    TipPanel->setObjectName(QStringLiteral("pnlTip"));
    SetBackground(TipPanel, ColourValue(TipPanelColour));
    TipPanel->setGeometry(8, Top + 36, ClientWidth - 16, 148);
    auto* DidYouKnow = new QLabel(QStringLiteral("Did you know?"), TipPanel);
    SetVerdana(DidYouKnow, 10, true);
    SetTextColour(DidYouKnow, Qt::black);
    DidYouKnow->setGeometry(8, 6, ClientWidth - 32, 20);
    lblMessage = new QLabel(TipPanel);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetVerdana(lblMessage, 10, false);
    SetTextColour(lblMessage, Qt::black);
    lblMessage->setGeometry(8, 30, ClientWidth - 32, 112);

    chkStartUpTips = new QCheckBox(QStringLiteral("In Future, Show tips at startup"), this);
    chkStartUpTips->setObjectName(QStringLiteral("chkStartUpTips"));
    SetTextColour(chkStartUpTips, Qt::white);
    chkStartUpTips->setGeometry(8, Top + 190, ClientWidth - 16, 20);
    chkStartUpTips->setChecked(true);
    // Only the user's clicks save; setting the box from code does not.
    connect(chkStartUpTips, &QCheckBox::clicked, this, &TfrmTipsDlg::chkStartUpTipsClick);

    const int BottomHeight = ClientHeight - (Top + 216);
    auto* BottomPanel = new QWidget(this);
    BottomPanel->setObjectName(QStringLiteral("pnlBottom"));
    SetBackground(BottomPanel, ColourValue(BottomPanelColour));
    BottomPanel->setGeometry(0, ClientHeight - BottomHeight, ClientWidth, BottomHeight);
    const int ButtonY = (BottomHeight - 25) / 2;
    btnPrev = new TOrvButton(QStringLiteral("<< Prev"), BottomPanel);
    btnPrev->setObjectName(QStringLiteral("btnPrev"));
    btnPrev->setGeometry(8, ButtonY, 75, 25);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmTipsDlg::btnPrevClick);
    btnNext = new TOrvButton(QStringLiteral("Next >>"), BottomPanel);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setGeometry(88, ButtonY, 75, 25);
    connect(btnNext, &QPushButton::clicked, this, &TfrmTipsDlg::btnNextClick);
    btnClose = new TOrvButton(QStringLiteral("Close"), BottomPanel);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(ClientWidth - 83, ButtonY, 75, 25);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    tsTips = new TOrvTextStore(this);
    tsTips->setObjectName(QStringLiteral("tsTips"));
    tsTips->Storage = TarvixTips();

    FPrevButton = std::make_unique<TButtonEnabler>(btnPrev);
    FNextButton = std::make_unique<TButtonEnabler>(btnNext);
    TipCursor = std::make_unique<TOrvNavPointer>(tsTips->Storage.Count());
    TipCursor->SetButtons(FPrevButton.get(), FNextButton.get());

    const auto Now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    FRandom.seed(static_cast<std::mt19937::result_type>(Now));
}

TfrmTipsDlg::~TfrmTipsDlg() {
    // The cursor must not reach the buttons while they go.
    TipCursor->SetButtons(nullptr, nullptr);
}

void TfrmTipsDlg::ShowTips() {
    ShuffleTips();
    ShowTip();
    spnlName->SetScheme(AppPrefs.ColorScheme);
    exec();
}

void TfrmTipsDlg::ShuffleTips() {
    auto& Items = tsTips->Storage.Items();
    TipCursor->SetCount(static_cast<int>(Items.size()));
    if (Items.empty())
        return;
    std::uniform_int_distribution<size_t> Draw(0, Items.size() - 1);
    std::swap(Items[0], Items[Draw(FRandom)]);
    TipCursor->SetIndex(0);
}

void TfrmTipsDlg::ShowTip() {
    const int Index = TipCursor->Index();
    lblHeading->setText(QStringLiteral("\"") +
                        QString::fromStdString(tsTips->Storage.Title(Index)) +
                        QStringLiteral("\""));
    lblMessage->setText(DisplayText(QString::fromStdString(tsTips->Storage.Text(Index))));
}

void TfrmTipsDlg::btnPrevClick() {
    TipCursor->GoPrev();
    ShowTip();
}

void TfrmTipsDlg::btnNextClick() {
    TipCursor->GoNext();
    ShowTip();
}

void TfrmTipsDlg::chkStartUpTipsClick() {
    AppPrefs.StartUpTips = chkStartUpTips->isChecked();
    // The choice holds for this run either way; the user must know that it
    // will be gone at the next start.
    if (!SavePrefs())
        ShowMsgDlg(mkWarning, MsgHeightMedium, true, "Preferences Not Saved",
                   "Your preferences could not be written to the settings file\r\n" +
                       PrefsFileName() +
                       "\r\n\r\nThey are in use until Tarvix is closed, but will be lost then.",
                   mbsOK);
}
