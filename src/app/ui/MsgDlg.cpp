#include "app/ui/MsgDlg.h"

#include "app/MsgDlgTypes.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace {

struct TKindStyle {
    const char* Caption;
    QColor Colour;
};

const TKindStyle KindStyles[] = {
    {" Warning!", QColor(255, 255, 0)},
    {" Error!", QColor(255, 128, 64)},
    {" Information!", QColor(91, 173, 255)},
    {" Confirmation!", QColor(0, 255, 0)},
    {"  Severe/Critical Error!", QColor(255, 0, 0)},
};

constexpr int DesignWidth = 442;
constexpr int StripWidth = 89;

} // namespace

std::deque<int>& TfrmMsgDlg::AnswerQueue() {
    static std::deque<int> Queue;
    return Queue;
}

std::function<void(TfrmMsgDlg&)>& TfrmMsgDlg::OnAnswering() {
    static std::function<void(TfrmMsgDlg&)> Hook;
    return Hook;
}

TfrmMsgDlg::TfrmMsgDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmMsgDlg");
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    Pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(Pal);

    lblHeading = new QLabel(this);
    lblHeading->setObjectName("lblHeading");
    QFont HeadingFont("Verdana");
    HeadingFont.setPixelSize(13);
    HeadingFont.setBold(true);
    lblHeading->setFont(HeadingFont);

    FRule = new QFrame(this);
    FRule->setAutoFillBackground(true);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    QFont MessageFont("Verdana");
    MessageFont.setPixelSize(11);
    lblMessage->setFont(MessageFont);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setStyleSheet("color: white;");

    FStrip = new QWidget(this);
    FStrip->setAutoFillBackground(true);
    QPalette StripPal = FStrip->palette();
    StripPal.setColor(QPalette::Window, QColor(62, 62, 62));
    FStrip->setPalette(StripPal);

    btnR1 = new TOrvButton(FStrip);
    btnR2 = new TOrvButton(FStrip);
    btnR3 = new TOrvButton(FStrip);
    TOrvButton* Buttons[] = {btnR1, btnR2, btnR3};
    const char* Names[] = {"btnR1", "btnR2", "btnR3"};
    for (int i = 0; i < 3; ++i) {
        Buttons[i]->setObjectName(Names[i]);
        Buttons[i]->setGeometry(8, 24 + 28 * i, 75, 25);
        Buttons[i]->setAutoDefault(false);
        connect(Buttons[i], &QPushButton::clicked, this, [this, i] { done(FResults[i]); });
    }
    // The designed look before the first call: one "OK" button.
    SetButton(btnR1, "OK", mrOk);
    btnR2->hide();
    btnR3->hide();
    resize(DesignWidth, 147);
    Layout();
}

void TfrmMsgDlg::SetButton(TOrvButton* Button, const QString& Caption, int Result) {
    Button->setText(Caption);
    Button->show();
    if (Button == btnR1)
        FResults[0] = Result;
    else if (Button == btnR2)
        FResults[1] = Result;
    else
        FResults[2] = Result;
}

void TfrmMsgDlg::Layout() {
    const int W = width();
    const int H = height();
    const int TextWidth = W - StripWidth - 30;
    lblHeading->setGeometry(12, 12, TextWidth + 2, 16);
    FRule->setGeometry(12, 30, TextWidth + 2, 3);
    lblMessage->setGeometry(16, 40, TextWidth - 2, std::max(0, H - 55));
    FStrip->setGeometry(W - StripWidth, 0, StripWidth, H);
}

void TfrmMsgDlg::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout();
}

int TfrmMsgDlg::ShowMsgDlg(uint8_t Kind, int Height, bool ColouredHeading, const QString& Heading,
                           const QString& Text, uint16_t Buttons) {
    lblMessage->setText(Text);
    lblHeading->setText(Heading);
    if (Kind <= mkCritical) {
        setWindowTitle(KindStyles[Kind].Caption);
        QPalette Pal = lblHeading->palette();
        Pal.setColor(QPalette::WindowText, KindStyles[Kind].Colour);
        lblHeading->setPalette(Pal);
        QPalette RulePal = FRule->palette();
        RulePal.setColor(QPalette::Window, KindStyles[Kind].Colour);
        FRule->setPalette(RulePal);
    }
    if (!ColouredHeading) {
        QPalette Pal = lblHeading->palette();
        Pal.setColor(QPalette::WindowText, Qt::white);
        lblHeading->setPalette(Pal);
    }
    switch (Buttons) {
    case mbsOK:
        SetButton(btnR1, "OK", mrOk);
        btnR2->hide();
        btnR3->hide();
        break;
    case mbsYesNo:
        SetButton(btnR1, "Yes", mrYes);
        SetButton(btnR2, "No", mrNo);
        btnR3->hide();
        break;
    case mbsYesNoCancel:
        SetButton(btnR1, "Yes", mrYes);
        SetButton(btnR2, "No", mrNo);
        SetButton(btnR3, "Cancel", mrCancel);
        break;
    case mbsOKCancel:
        SetButton(btnR1, "OK", mrOk);
        SetButton(btnR2, "Cancel", mrCancel);
        btnR3->hide();
        break;
    case mbsAbortRetryIgnore:
        SetButton(btnR1, "Abort", mrAbort);
        SetButton(btnR2, "Retry", mrRetry);
        SetButton(btnR3, "Ignore", mrIgnore);
        break;
    default:
        break; // buttons stay as the previous call left them
    }
    setFixedSize(DesignWidth, Height);

    if (!AnswerQueue().empty()) {
        const int Answer = AnswerQueue().front();
        AnswerQueue().pop_front();
        QTimer::singleShot(0, this, [this, Answer] {
            if (OnAnswering())
                OnAnswering()(*this);
            TOrvButton* Buttons[] = {btnR1, btnR2, btnR3};
            for (int i = 0; i < 3; ++i) {
                if (!Buttons[i]->isHidden() && FResults[i] == Answer) {
                    Buttons[i]->click();
                    return;
                }
            }
            done(Answer);
        });
    }
    // The close box answers mrCancel.
    setResult(mrCancel);
    const int Result = exec();
    return Result == QDialog::Rejected ? mrCancel : Result;
}

TfrmMsgDlg& frmMsgDlg() {
    static TfrmMsgDlg* Instance = new TfrmMsgDlg();
    return *Instance;
}
