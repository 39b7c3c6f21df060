#include "app/ui/PrefsWindow.h"

#include "app/PageBuilder.h"
#include "app/Shell.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

namespace {

struct TSchemeEntry {
    const char* Name; // object name stem of the swatch and the radio button
    QColor Colour;
};

// Scheme number = position.
const TSchemeEntry Schemes[6] = {
    {"Grn", QColor(114, 155, 112)},  {"Gold", QColor(154, 157, 111)},
    {"Aqua", QColor(108, 159, 152)}, {"Blue", QColor(128, 138, 160)},
    {"Prpl", QColor(165, 151, 176)}, {"Silver", QColor(166, 166, 166)},
};

struct TGenOption {
    const char* Caption;
    bool TTxPrefs::*Field;
};

const TGenOption GenOptions[6] = {
    {"Maximise on startup", &TTxPrefs::Maximise},
    {"News on startup (if connected)", &TTxPrefs::NewsOnStart},
    {"Show Tips on startup", &TTxPrefs::StartUpTips},
    {"Auto Count Hadith in Category", &TTxPrefs::AutoHCount},
    {"Highlight Glossary words", &TTxPrefs::HighlightGlossWords},
    {"Show Helping Hints", &TTxPrefs::HelpHints},
};

// A 14 by 14 colour square with a white border; pressing it runs OnPress.
class TSchemeSwatch : public QWidget {
public:
    TSchemeSwatch(const QColor& Colour, QWidget* Parent) : QWidget(Parent), FColour(Colour) {
        setFixedSize(14, 14);
    }
    std::function<void()> OnPress;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        P.fillRect(rect(), FColour);
        P.setPen(Qt::white);
        P.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* Event) override {
        if (Event->button() == Qt::LeftButton && OnPress)
            OnPress();
        QWidget::mousePressEvent(Event);
    }

private:
    QColor FColour;
};

QLabel* MakeLabel(const QString& Text, QWidget* Parent, int X, int Y, int W, int H,
                  bool Bold = false, int PointSize = 8) {
    auto* L = new QLabel(Text, Parent);
    QFont F("Verdana", PointSize);
    F.setBold(Bold);
    L->setFont(F);
    QPalette Pal = L->palette();
    Pal.setColor(QPalette::WindowText, Qt::white);
    L->setPalette(Pal);
    L->setGeometry(X, Y, W, H);
    return L;
}

void PaintBlack(QWidget* W) {
    QPalette Pal = W->palette();
    Pal.setColor(QPalette::Window, Qt::black);
    Pal.setColor(QPalette::WindowText, Qt::white);
    W->setPalette(Pal);
    W->setAutoFillBackground(true);
}

} // namespace

TfrmPrefsDlg::TfrmPrefsDlg(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("frmPrefsDlg");
    setWindowTitle("Preferences");
    setFixedSize(443, 230);
    PaintBlack(this);

    MakeLabel("TARVIX PREFERENCES", this, 8, 6, 340, 20, true, 10);
    auto* Rule = new QFrame(this);
    Rule->setFrameShape(QFrame::HLine);
    Rule->setFrameShadow(QFrame::Sunken);
    Rule->setGeometry(8, 28, 427, 2);

    MakeLabel("General Options", this, 8, 38, 200, 16);
    chklbxGen = new QListWidget(this);
    chklbxGen->setObjectName("chklbxGen");
    chklbxGen->setGeometry(8, 56, 200, 160);
    chklbxGen->setFont(QFont("Verdana", 8));
    chklbxGen->setStyleSheet("QListWidget { background-color: black; color: white; }");

    MakeLabel("Colour Scheme", this, 218, 38, 140, 16);
    pnlColorScheme = MakeSchemePanel("pnlColorScheme", "", FSchemeGroup);
    pnlColorScheme->setGeometry(218, 56, 140, 44);

    MakeLabel("Text Highlight Colour", this, 218, 112, 140, 16);
    pnlColorWordHL = MakeSchemePanel("pnlColorWordHL", "2", FWordHLGroup);
    pnlColorWordHL->setGeometry(218, 130, 140, 44);

    const auto Radios = [](QButtonGroup* G, int I) {
        return static_cast<QRadioButton*>(G->button(I));
    };
    QRadioButton** Named[6] = {&rbGrn, &rbGold, &rbAqua, &rbBlue, &rbPrpl, &rbSilver};
    QRadioButton** Named2[6] = {&rbGrn2, &rbGold2, &rbAqua2, &rbBlue2, &rbPrpl2, &rbSilver2};
    for (int I = 0; I < 6; ++I) {
        *Named[I] = Radios(FSchemeGroup, I);
        *Named2[I] = Radios(FWordHLGroup, I);
    }

    btnOK = new TOrvButton("OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setGeometry(366, 56, 69, 24);
    btnCancel = new TOrvButton("Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(366, 86, 69, 24);
    btnDefaults = new TOrvButton("Defaults", this);
    btnDefaults->setObjectName("btnDefaults");
    btnDefaults->setGeometry(366, 192, 69, 24);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(btnDefaults, &QPushButton::clicked, this, [this] { btnDefaultsClick(); });
}

QWidget* TfrmPrefsDlg::MakeSchemePanel(const QString& Name, const QString& Suffix,
                                       QButtonGroup*& Group) {
    auto* Panel = new QWidget(this);
    Panel->setObjectName(Name);
    PaintBlack(Panel);
    Group = new QButtonGroup(Panel);
    Group->setExclusive(true);
    for (int I = 0; I < 6; ++I) {
        const int X = 4 + I * 22;
        auto* Swatch = new TSchemeSwatch(Schemes[I].Colour, Panel);
        Swatch->setObjectName(QString("shp") + Schemes[I].Name + Suffix);
        Swatch->move(X + 1, 4);
        auto* Radio = new QRadioButton(Panel);
        Radio->setObjectName(QString("rb") + Schemes[I].Name + Suffix);
        Radio->setProperty("tag", I);
        Radio->setGeometry(X, 22, 18, 18);
        Group->addButton(Radio, I);
        // Only a click (by the user or a swatch) previews; filling the
        // controls from a record does not.
        connect(Radio, &QRadioButton::clicked, this, [this] { RadioClick(); });
        Swatch->OnPress = [Radio] {
            if (!Radio->isChecked())
                Radio->click();
        };
    }
    return Panel;
}

void TfrmPrefsDlg::SelectScheme(QButtonGroup* Group, int Scheme) {
    QAbstractButton* Wanted = Group->button(Scheme);
    if (Wanted) {
        Wanted->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked button go, so it is
    // opened briefly to show "no scheme" for a number outside the table.
    Group->setExclusive(false);
    for (QAbstractButton* B : Group->buttons())
        B->setChecked(false);
    Group->setExclusive(true);
}

void TfrmPrefsDlg::ShowPrefs() {
    EditPrefs = AppPrefs;
    // Pages built while the window is open take the preview; it starts as
    // the settings in force, not as whatever an earlier opening left there.
    PreviewPrefs = EditPrefs;
    FillFromPrefs(EditPrefs);
}

void TfrmPrefsDlg::FillFromPrefs(const TTxPrefs& P) {
    chklbxGen->clear();
    for (const TGenOption& Option : GenOptions) {
        auto* Item = new QListWidgetItem(Option.Caption, chklbxGen);
        Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        Item->setCheckState(P.*Option.Field ? Qt::Checked : Qt::Unchecked);
    }
    SelectScheme(FSchemeGroup, P.ColorScheme);
    SelectScheme(FWordHLGroup, P.ColorWordHL);
    if (!isVisible()) {
        if (QScreen* Screen = QGuiApplication::primaryScreen())
            move(Screen->availableGeometry().center() - rect().center());
        exec();
    }
}

void TfrmPrefsDlg::ReadBackPrefs() {
    for (const TGenOption& Option : GenOptions) {
        const auto Found = chklbxGen->findItems(Option.Caption, Qt::MatchExactly);
        EditPrefs.*Option.Field = !Found.isEmpty() && Found.front()->checkState() == Qt::Checked;
    }
    if (FSchemeGroup->checkedId() >= 0)
        EditPrefs.ColorScheme = static_cast<uint8_t>(FSchemeGroup->checkedId());
    if (FWordHLGroup->checkedId() >= 0)
        EditPrefs.ColorWordHL = static_cast<uint8_t>(FWordHLGroup->checkedId());
}

void TfrmPrefsDlg::CallApplyPrefs(const TTxPrefs& P) {
    if (ApplyPrefs)
        ApplyPrefs(P);
}

void TfrmPrefsDlg::RadioClick() {
    ReadBackPrefs();
    PreviewPrefs = EditPrefs;
    CallApplyPrefs(EditPrefs);
}

void TfrmPrefsDlg::btnDefaultsClick() {
    SetDefaultPrefs(EditPrefs);
    FillFromPrefs(EditPrefs);
}

void TfrmPrefsDlg::btnOKClick() {
    ReadBackPrefs();
    AppPrefs = EditPrefs;
    const bool Saved = SavePrefs();
    CallApplyPrefs(AppPrefs);
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

void TfrmPrefsDlg::reject() {
    CallApplyPrefs(AppPrefs);
    QDialog::reject();
}

void TfrmPrefsDlg::showEvent(QShowEvent* Event) {
    PrefsWindowShowing = true;
    QDialog::showEvent(Event);
}

void TfrmPrefsDlg::hideEvent(QHideEvent* Event) {
    PrefsWindowShowing = false;
    QDialog::hideEvent(Event);
}
