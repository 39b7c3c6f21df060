#include "scripture/ui/GlossaryWindow.h"

#include "app/Prefs.h"
#include "app/ui/FormBases.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"
#include "controls/ui/WidgetHelpers.h"
#include "data/TextUtils.h"
#include "scripture/GlossaryHelper.h"
#include "scripture/ui/OrvHTML.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int MinWidth = 556;
constexpr int MinHeight = 360;
constexpr int HeadingHeight = 28;
constexpr int StatusPanelWidth = 50;
constexpr int TermListWidth = 170;

const char* const InitialPrefSpellingText = "Type word above to find it's proper spelling!";
const char* const NotInGlossaryText = "Word is not in the Glossary!";
const char* const CorrectSpellingText = "The spelling you entered is Correct!";

void SetTextColour(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::WindowText, C);
    P.setColor(QPalette::Text, C);
    W->setPalette(P);
}

QString FromUtf8(const std::string& Text) {
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

std::string ToUtf8(const QString& Text) {
    const QByteArray Bytes = Text.toUtf8();
    return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

QColor ToQColor(const TColour& C) {
    return QColor(C.R, C.G, C.B);
}

uint32_t ToRgb(const TColour& C) {
    return (static_cast<uint32_t>(C.R) << 16) | (static_cast<uint32_t>(C.G) << 8) | C.B;
}

TOrvButton* MakeButton(const char* Name, const char* Caption, QWidget* Parent) {
    auto* Button = new TOrvButton(QString::fromUtf8(Caption), Parent);
    Button->setObjectName(QString::fromUtf8(Name));
    Button->setAutoDefault(false);
    return Button;
}

} // namespace

void TfrmGloss::TNavWidget::SetEnabled(bool Enabled) {
    if (FWidget)
        FWidget->setEnabled(Enabled);
}

TfrmGloss::TfrmGloss(QWidget* Parent) : QWidget(Parent) {
    setObjectName("frmGloss");
    setWindowTitle("Glossary");
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setMinimumSize(MinWidth, MinHeight);
    resize(MinWidth + 144, MinHeight + 90);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);

    BuildControls();

    FBackNav = std::make_unique<TNavWidget>(btnBack);
    FForwardNav = std::make_unique<TNavWidget>(btnForward);
    History.SetButtons(FBackNav.get(), FForwardNav.get());

    LinkColour = SchemeColour(AppPrefs.ColorWordHL);
    Browser->SetDefFontColor(ToQColor(LinkColour));
    Browser->SetDefHotSpotColor(ToQColor(LinkColour));
}

TfrmGloss::~TfrmGloss() {
    // The buttons go with the window; the cursor must not reach them after.
    History.SetButtons(nullptr, nullptr);
}

void TfrmGloss::BuildControls() {
    auto* Root = new QVBoxLayout(this);
    Root->setContentsMargins(0, 0, 0, 0);
    Root->setSpacing(0);

    spnlName = new TSchemePanel(this, AppPrefs.ColorScheme);
    spnlName->setObjectName("spnlName");
    spnlName->setFixedHeight(HeadingHeight);
    auto* HeadLayout = new QHBoxLayout(spnlName);
    HeadLayout->setContentsMargins(8, 0, 8, 0);
    lblWinName = new QLabel("Glossary of Islamic and Arabic Terms", spnlName);
    lblWinName->setObjectName("lblWinName");
    QFont HeadFont = lblWinName->font();
    HeadFont.setBold(true);
    lblWinName->setFont(HeadFont);
    SetTextColour(lblWinName, Qt::white);
    HeadLayout->addWidget(lblWinName);
    Root->addWidget(spnlName);

    auto* TopRow = new QWidget(this);
    TopRow->setObjectName("pnlTop");
    auto* TopLayout = new QHBoxLayout(TopRow);
    TopLayout->setContentsMargins(6, 6, 6, 6);
    TopLayout->setSpacing(4);
    txtTerm = new QLineEdit(TopRow);
    txtTerm->setObjectName("txtTerm");
    btnLookUp = MakeButton("btnLookUp", "Look Up", TopRow);
    btnBookmark = MakeButton("btnBookmark", "B+", TopRow);
    btnBookmarks = MakeButton("btnBookmarks", "Bookmarks", TopRow);
    btnBack = MakeButton("btnBack", "<<", TopRow);
    btnForward = MakeButton("btnForward", ">>", TopRow);
    btnWordQuery = MakeButton("btnWordQuery", "Word Query", TopRow);
    TopLayout->addWidget(txtTerm, 1);
    for (TOrvButton* B : {btnLookUp, btnBookmark, btnBookmarks, btnBack, btnForward, btnWordQuery})
        TopLayout->addWidget(B);
    Root->addWidget(TopRow);

    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setObjectName("Splitter");
    Splitter->setChildrenCollapsible(false);
    lbxTerms = new QListWidget(Splitter);
    lbxTerms->setObjectName("lbxTerms");
    lbxTerms->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* Right = new QWidget(Splitter);
    Right->setObjectName("pnlRight");
    auto* RightLayout = new QVBoxLayout(Right);
    RightLayout->setContentsMargins(0, 0, 0, 0);
    RightLayout->setSpacing(0);
    Browser = new TOrvHTML(Right);
    Browser->setObjectName("Browser");
    RightLayout->addWidget(Browser, 1);

    pnlWordQuery = new QWidget(Right);
    pnlWordQuery->setObjectName("pnlWordQuery");
    auto* QueryLayout = new QVBoxLayout(pnlWordQuery);
    QueryLayout->setContentsMargins(6, 6, 6, 6);
    QueryLayout->setSpacing(4);
    auto* QueryRow = new QHBoxLayout;
    txtTerm2 = new QLineEdit(pnlWordQuery);
    txtTerm2->setObjectName("txtTerm2");
    btnProperSpelling = MakeButton("btnProperSpelling", "Find Proper Spelling", pnlWordQuery);
    chkCloseWordQry = new QCheckBox("Close Word Query", pnlWordQuery);
    chkCloseWordQry->setObjectName("chkCloseWordQry");
    SetTextColour(chkCloseWordQry, Qt::white);
    QueryRow->addWidget(txtTerm2, 1);
    QueryRow->addWidget(btnProperSpelling);
    QueryRow->addWidget(chkCloseWordQry);
    QueryLayout->addLayout(QueryRow);
    lblPrefSpelling = new QLabel(InitialPrefSpellingText, pnlWordQuery);
    lblPrefSpelling->setObjectName("lblPrefSpelling");
    QFont LabelFont = lblPrefSpelling->font();
    LabelFont.setBold(true);
    lblPrefSpelling->setFont(LabelFont);
    SetTextColour(lblPrefSpelling, Qt::white);
    lblPrefSpelling->setContextMenuPolicy(Qt::CustomContextMenu);
    QueryLayout->addWidget(lblPrefSpelling);
    RightLayout->addWidget(pnlWordQuery);
    pnlWordQuery->hide();

    pmnuWQuery = new QMenu(this);
    pmnuWQuery->setObjectName("pmnuWQuery");
    pmnuiCopyPrefSpelling = pmnuWQuery->addAction("Copy Preferred Spelling");
    pmnuiCopyPrefSpelling->setObjectName("pmnuiCopyPrefSpelling");

    Splitter->addWidget(lbxTerms);
    Splitter->addWidget(Right);
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({TermListWidth, MinWidth + 144 - TermListWidth});
    Root->addWidget(Splitter, 1);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(true);
    StatusPanel = new QLabel(StatusBar);
    StatusPanel->setObjectName("StatusPanel");
    StatusPanel->setFixedWidth(StatusPanelWidth);
    SetTextColour(StatusPanel, Qt::white);
    StatusBar->addWidget(StatusPanel);
    Root->addWidget(StatusBar);

    connect(btnLookUp, &QPushButton::clicked, this, &TfrmGloss::btnLookUpClick);
    connect(btnBookmark, &QPushButton::clicked, this, &TfrmGloss::btnBookmarkClick);
    connect(btnBookmarks, &QPushButton::clicked, this, &TfrmGloss::btnBookmarksClick);
    connect(btnBack, &QPushButton::clicked, this, &TfrmGloss::btnBackClick);
    connect(btnForward, &QPushButton::clicked, this, &TfrmGloss::btnForwardClick);
    connect(btnWordQuery, &QPushButton::clicked, this, &TfrmGloss::btnWordQueryClick);
    connect(btnProperSpelling, &QPushButton::clicked, this, &TfrmGloss::btnProperSpellingClick);
    connect(chkCloseWordQry, &QCheckBox::clicked, this, &TfrmGloss::chkCloseWordQryClick);
    connect(lbxTerms, &QListWidget::itemClicked, this, [this] { lbxTermsClick(); });
    connect(pmnuiCopyPrefSpelling, &QAction::triggered, this,
            &TfrmGloss::pmnuiCopyPrefSpellingClick);
    connect(lblPrefSpelling, &QWidget::customContextMenuRequested, this, [this](const QPoint& At) {
        if (FPrefSpellingPopup)
            pmnuWQuery->popup(lblPrefSpelling->mapToGlobal(At));
    });
    Browser->OnHotSpotClick = [this](const std::string& Target) { BrowserHotSpotClick(Target); };

    txtTerm->installEventFilter(this);
    txtTerm2->installEventFilter(this);
    lbxTerms->installEventFilter(this);
    SetDefaultButton(btnLookUp);
}

// ---- showing ----------------------------------------------------------------

void TfrmGloss::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    // A window restored by the desktop is not a new showing.
    if (!Event->spontaneous())
        FormShow();
}

void TfrmGloss::FormShow() {
    spnlName->SetScheme(AppPrefs.ColorScheme);
    FillTermList();
    if (lbxTerms->count() > 0)
        SelectTerm(0);
    ShowSelectedTerm(false);
}

void TfrmGloss::ShowGlossary() {
    show();
    raise();
    activateWindow();
    SafeFocus(txtTerm);
    SetDefaultButton(btnLookUp);
}

void TfrmGloss::ShowWordQuery() {
    show();
    raise();
    activateWindow();
    btnWordQueryClick();
}

void TfrmGloss::SetLinkColour(const TColour& Colour) {
    Browser->SetDefFontColor(ToQColor(Colour));
    Browser->SetDefHotSpotColor(ToQColor(Colour));
    LinkColour = Colour;
}

void TfrmGloss::FillTermList() {
    lbxTerms->clear();
    if (!::GlossaryHelper)
        return;
    TStringList Terms;
    ::GlossaryHelper->ListTerms(Terms);
    for (const std::string& Term : Terms)
        lbxTerms->addItem(FromUtf8(Term));
}

void TfrmGloss::SelectTerm(int Index) {
    if (Index < 0 || Index >= lbxTerms->count())
        return;
    FSelectingByCode = true;
    lbxTerms->setCurrentRow(Index);
    FSelectingByCode = false;
}

bool TfrmGloss::ShowTerm(const std::string& Word, bool ShowWindow) {
    if (!::GlossaryHelper)
        return false;
    const int Index = ::GlossaryHelper->FindTermFlexible(Word);
    if (Index < 0)
        return false;
    if (ShowWindow) {
        show();
        raise();
        activateWindow();
    }
    // A window that was never shown has no list yet to select the term in.
    if (lbxTerms->count() != ::GlossaryHelper->TermCount())
        FillTermList();
    SelectTerm(Index);
    ShowSelectedTerm(false);
    return true;
}

void TfrmGloss::ShowSelectedTerm(bool WithoutHistory) {
    const int Index = lbxTerms->currentRow();
    if (Index < 0 || !::GlossaryHelper || Index >= ::GlossaryHelper->TermCount())
        return;
    Browser->LoadFromString(::GlossaryHelper->BuildTermPage(Index, ToRgb(LinkColour)));
    const QString Text = lbxTerms->item(Index)->text();
    txtTerm->setText(Text);
    if (!WithoutHistory)
        History.Add(ToUtf8(Text));
}

// ---- look-up and history ------------------------------------------------------

void TfrmGloss::txtTermKeyUp() {
    FSelectingByCode = true;
    ListTypeAhead(txtTerm, lbxTerms);
    FSelectingByCode = false;
}

void TfrmGloss::btnBackClick() {
    History.GoBack();
    ShowHistoryTerm();
}

void TfrmGloss::btnForwardClick() {
    History.GoForward();
    ShowHistoryTerm();
}

void TfrmGloss::ShowHistoryTerm() {
    if (!::GlossaryHelper || History.Current() < 0)
        return;
    const int Index = ::GlossaryHelper->FindTermFlexible(History.Strings(History.Current()));
    if (Index < 0)
        return;
    if (lbxTerms->count() != ::GlossaryHelper->TermCount())
        FillTermList();
    SelectTerm(Index);
    ShowSelectedTerm(true);
    show();
}

void TfrmGloss::btnBookmarkClick() {
    const int Index = lbxTerms->currentRow();
    if (Index < 0)
        return;
    const std::string Term = ToUtf8(lbxTerms->item(Index)->text());
    if (AddGlossBookmark)
        AddGlossBookmark(Term);
    else if (::BookmarksWindow)
        ::BookmarksWindow->AddGlossBookmark(Term);
}

void TfrmGloss::btnBookmarksClick() {
    if (ShowBookmarks) {
        ShowBookmarks();
    } else if (::BookmarksWindow) {
        ::BookmarksWindow->show();
        ::BookmarksWindow->raise();
        ::BookmarksWindow->activateWindow();
    }
}

void TfrmGloss::BrowserHotSpotClick(const std::string& Target) {
    if (ShowTerm(Target, true))
        return;
    if (ProcessLink)
        ProcessLink(Target);
    else if (::MainWindow)
        ::MainWindow->ProcessLink(Target);
}

// ---- word spelling query ----------------------------------------------------

void TfrmGloss::SetDefaultButton(TOrvButton* Default) {
    btnLookUp->setDefault(Default == btnLookUp);
    btnProperSpelling->setDefault(Default == btnProperSpelling);
}

void TfrmGloss::btnWordQueryClick() {
    chkCloseWordQry->setChecked(false);
    pnlWordQuery->show();
    SafeFocus(txtTerm2);
    // Entering the box makes its button the default; the focus event comes
    // only once the desktop has activated the window.
    if (txtTerm2->isVisible())
        SetDefaultButton(btnProperSpelling);
}

void TfrmGloss::chkCloseWordQryClick() {
    if (chkCloseWordQry->isChecked())
        pnlWordQuery->hide();
    SetDefaultButton(btnLookUp);
}

void TfrmGloss::btnProperSpellingClick() {
    if (!::GlossaryHelper)
        return;
    const std::string Word = TrimText(ToUtf8(txtTerm2->text()));
    if (Word.empty())
        return;
    const std::string Spelling = ::GlossaryHelper->ProperSpelling(Word, false).Spelling;
    if (Spelling != Word) {
        lblPrefSpelling->setText(FromUtf8(Spelling));
        ShowTerm(Spelling, true);
        ShowSelectedTerm(true);
        FPrefSpellingPopup = true;
        PrefSpellingConfirmed = false;
    } else if (::GlossaryHelper->FindTermFlexible(Word) == -1) {
        lblPrefSpelling->setText(NotInGlossaryText);
        FPrefSpellingPopup = false;
        PrefSpellingConfirmed = false;
    } else {
        lblPrefSpelling->setText(CorrectSpellingText);
        PrefSpellingConfirmed = true;
        ShowTerm(Word, true);
    }
}

void TfrmGloss::pmnuiCopyPrefSpellingClick() {
    QClipboard* Clipboard = QGuiApplication::clipboard();
    if (!Clipboard)
        return;
    Clipboard->setText(PrefSpellingConfirmed ? txtTerm->text() : lblPrefSpelling->text());
}

// ---- keys and focus -------------------------------------------------------------

void TfrmGloss::keyPressEvent(QKeyEvent* Event) {
    // Return in any control of the window presses its default button.
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
        if (btnProperSpelling->isDefault() && pnlWordQuery->isVisible())
            btnProperSpelling->click();
        else if (btnLookUp->isDefault())
            btnLookUp->click();
        Event->accept();
        return;
    }
    QWidget::keyPressEvent(Event);
}

bool TfrmGloss::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == txtTerm) {
        if (Event->type() == QEvent::KeyRelease)
            txtTermKeyUp();
        else if (Event->type() == QEvent::FocusIn)
            SetDefaultButton(btnLookUp);
    } else if (Watched == txtTerm2) {
        if (Event->type() == QEvent::FocusIn)
            SetDefaultButton(btnProperSpelling);
    } else if (Watched == lbxTerms) {
        // A selection moved with the keys shows its term, as a click does.
        auto* Key = static_cast<QKeyEvent*>(Event);
        if (Event->type() == QEvent::KeyPress && !Key->isAutoRepeat()) {
            FKeyRow = lbxTerms->currentRow();
        } else if (Event->type() == QEvent::KeyRelease && !Key->isAutoRepeat()) {
            if (lbxTerms->currentRow() >= 0 && lbxTerms->currentRow() != FKeyRow)
                lbxTermsClick();
            FKeyRow = lbxTerms->currentRow();
        }
    }
    return QWidget::eventFilter(Watched, Event);
}
