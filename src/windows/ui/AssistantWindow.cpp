// The language assistant window: six pages changed only by the program, a
// page cursor behind "<< Prev" and "Next >>", the task list, and the two
// trees of installed collections.
#include "windows/ui/AssistantWindow.h"

#include "app/MsgDlgTypes.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvHotList.h"
#include "controls/ui/OrvTextStore.h"
#include "controls/ui/OrvTreeView.h"
#include "controls/ui/OrvURLLabel.h"
#include "hadith/CollectionManager.h"

#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// Colours given as the packed value 0x00BBGGRR.
QColor ColourValue(int Value) {
    return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}
const QColor BottomColour = ColourValue(4079166);
const QColor PaleColour = ColourValue(14740459);

const char* const IntroText =
    "The Language Assistant will help you learn about Tarvix's powerful features...\r\n\r\n"
    "Please follow the Step-By-Step instructions...";

const char* const CollectionsText =
    "Hadith Collections are a set of Ahadith (multiple hadith), which are collected by well "
    "known and reputable scholars. Collections of Ahadith can be translated into other "
    "languages.\r\n\r\nA collection therefore represents a set of Ahadith in a particular "
    "language.\r\n\r\nThe list on the left hand side shows all collections which Tarvix can "
    "display.";

const char* const GroupsText =
    "Hadith Collections are automatically placed into the Groups in which they belong. Hadith "
    "collections belonging to the same Collection Group contain the same Hadiths, but differ in "
    "other ways such as language.\r\n\r\nFor example, both Hadith Collection [Dorrel and Anvesh "
    "(Arabic)] and Hadith Collection [Dorrel and Anvesh (English)] belong to the same Group "
    "[DORREL_ANVESH], and the latter collection is the English translation.\r\n\r\nGroups are "
    "created automatically; thus there is no need to install any additional groups.";

const char* const ActiveViewMarkup =
    "Only one view can be displayed at a time.\r\n\r\n<B>Switching between Views</B>\r\n\r\n"
    "You can easily select a view in the Main\r\nHadith screen by choosing it from the\r\n"
    "Views list.\r\n\r\nWhilst views in Corvale are more\r\ncomplex, in Tarvix a View is "
    "simply\r\nthe displayed Hadith collection.\r\n\r\nThe views list is located at the lower "
    "right\r\nhand side of the Main Hadith screen.";

const char* const CollManagerMarkup =
    "The Collections Manager allows you to\r\nadd new Hadith collections and view\r\ninfo "
    "about installed ones.\r\n\r\nAlso included is information about the\r\nnumber of hadith "
    "in a collection, and\r\nthe number of hadith in a particular\r\ncategory.\r\n\r\nNOTE: The "
    "collections manager is\r\naccessible from the main \"Languages\"\r\nmenu.";

// A label shows a CR LF as one line break.
QString Shown(const char* Text) {
    return QString::fromUtf8(Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The small markup of the two note labels: text with <B> and </B> (any case)
// as its only tags. Everything else is escaped, so the text shows as written.
QString SmallMarkupToHtml(const char* Markup) {
    QString Text = QString::fromUtf8(Markup);
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString Html;
    for (int i = 0; i < Text.size();) {
        const QStringView Rest = QStringView(Text).mid(i);
        if (Rest.startsWith(u"<b>", Qt::CaseInsensitive)) {
            Html += QStringLiteral("<b>");
            i += 3;
        } else if (Rest.startsWith(u"</b>", Qt::CaseInsensitive)) {
            Html += QStringLiteral("</b>");
            i += 4;
        } else if (Text[i] == u'\n') {
            Html += QStringLiteral("<br>");
            ++i;
        } else {
            Html += QString(Text[i]).toHtmlEscaped();
            ++i;
        }
    }
    return Html;
}

class TButtonAdapter : public TNavButton {
public:
    explicit TButtonAdapter(QWidget* Button) : FButton(Button) {}
    void SetEnabled(bool Enabled) override { FButton->setEnabled(Enabled); }

private:
    QWidget* FButton;
};

void SetTextColour(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::WindowText, C);
    W->setPalette(P);
}

void SetBackground(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::Window, C);
    W->setPalette(P);
    W->setAutoFillBackground(true);
}

QLabel* TextLabel(const QString& Text, QWidget* Parent, bool Bold = false, bool Wrap = true) {
    auto* L = new QLabel(Text, Parent);
    L->setTextFormat(Qt::PlainText);
    L->setWordWrap(Wrap);
    SetTextColour(L, Qt::white);
    if (Bold) {
        QFont F = L->font();
        F.setBold(true);
        L->setFont(F);
    }
    return L;
}

// The pale note panel: a bold heading over its content, dark text.
QFrame* PalePanel(const QString& Heading, QWidget* Parent, QVBoxLayout*& Body) {
    auto* Panel = new QFrame(Parent);
    Panel->setFrameShape(QFrame::Box);
    SetBackground(Panel, PaleColour);
    SetTextColour(Panel, Qt::black);
    Body = new QVBoxLayout(Panel);
    Body->setContentsMargins(8, 6, 8, 8);
    Body->setSpacing(6);
    if (!Heading.isEmpty()) {
        auto* L = new QLabel(Heading, Panel);
        L->setTextFormat(Qt::PlainText);
        QFont F = L->font();
        F.setBold(true);
        L->setFont(F);
        SetTextColour(L, Qt::black);
        Body->addWidget(L);
    }
    return Panel;
}

QLabel* PanelText(const QString& Text, QWidget* Panel) {
    auto* L = new QLabel(Text, Panel);
    L->setTextFormat(Qt::PlainText);
    L->setWordWrap(true);
    L->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(L, Qt::black);
    return L;
}

// A small likeness of part of the main window inside a red frame, where a
// screen picture would stand.
QFrame* ScreenPicture(QWidget* Parent, const QString& Caption, const QString& Content) {
    auto* Frame = new QFrame(Parent);
    Frame->setStyleSheet(QStringLiteral("QFrame#ScreenPicture { border: 2px solid red; "
                                        "background: rgb(212,208,200); }"));
    Frame->setObjectName(QStringLiteral("ScreenPicture"));
    auto* Layout = new QVBoxLayout(Frame);
    Layout->setContentsMargins(10, 10, 10, 10);
    auto* Title = new QLabel(Caption, Frame);
    SetTextColour(Title, Qt::black);
    QFont F = Title->font();
    F.setBold(true);
    Title->setFont(F);
    Layout->addWidget(Title);
    auto* Box = new QLabel(Content, Frame);
    Box->setStyleSheet(QStringLiteral("background: rgb(229,229,229); color: black; "
                                      "border: 1px solid gray; padding: 2px;"));
    Layout->addWidget(Box);
    Layout->addStretch(1);
    return Frame;
}

} // namespace

TfrmAssistantDlg::TfrmAssistantDlg(QWidget* Parent) : QDialog(Parent) {
    setObjectName("frmAssistantDlg");
    setWindowTitle("Assistant");
    setFixedSize(631, 430);
    SetBackground(this, Qt::black);

    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);

    lblBanner = TextLabel("Language Assistant", this, true, false);
    lblBanner->setObjectName("lblBanner");
    QFont BannerFont = lblBanner->font();
    BannerFont.setPointSize(14);
    lblBanner->setFont(BannerFont);
    lblBanner->setContentsMargins(10, 6, 10, 6);
    Layout->addWidget(lblBanner);

    lblStep = TextLabel(QString(), this, true, false);
    lblStep->setObjectName("lblStep");
    lblStep->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    pagesLang = new QStackedWidget(this);
    pagesLang->setObjectName("pagesLang");
    pagesLang->addWidget(BuildIntroPage());
    pagesLang->addWidget(BuildTasksPage());
    pagesLang->addWidget(BuildCollectionsPage());
    pagesLang->addWidget(BuildGroupsPage());
    pagesLang->addWidget(BuildViewPage());
    pagesLang->addWidget(BuildManagerPage());
    Layout->addWidget(pagesLang, 1);

    auto* pnlBottom = new QWidget(this);
    pnlBottom->setObjectName("pnlBottom");
    SetBackground(pnlBottom, BottomColour);
    pnlBottom->setFixedHeight(40);
    auto* BottomLayout = new QHBoxLayout(pnlBottom);
    BottomLayout->setContentsMargins(8, 6, 8, 6);
    btnPrev = new TOrvButton("<< Prev", pnlBottom);
    btnPrev->setObjectName("btnPrev");
    btnNext = new TOrvButton("Next >>", pnlBottom);
    btnNext->setObjectName("btnNext");
    btnClose = new TOrvButton("Close", pnlBottom);
    btnClose->setObjectName("btnClose");
    for (TOrvButton* B : {btnPrev, btnNext, btnClose})
        B->setMinimumWidth(80);
    BottomLayout->addStretch(1);
    BottomLayout->addWidget(btnPrev);
    BottomLayout->addWidget(btnNext);
    BottomLayout->addSpacing(16);
    BottomLayout->addWidget(btnClose);
    Layout->addWidget(pnlBottom);

    connect(btnPrev, &QPushButton::clicked, this, [this] { btnPrevClick(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    connect(btnTransInfo, &QPushButton::clicked, this, [this] { btnTransInfoClick(); });
    connect(OrvButton1, &QPushButton::clicked, this, [this] { OrvButton1Click(); });

    ChooseCollectionFile = [this] {
        return QFileDialog::getOpenFileName(this, "Install Hadith Collection", QString(),
                                            "Tarvix Collection (*.dbh);;All files (*)")
            .toStdString();
    };

    FormCreate();
}

TfrmAssistantDlg::~TfrmAssistantDlg() {
    FormDestroy();
}

void TfrmAssistantDlg::FormCreate() {
    FPrevAdapter = std::make_unique<TButtonAdapter>(btnPrev);
    FNextAdapter = std::make_unique<TButtonAdapter>(btnNext);
    PageCursor = std::make_unique<TOrvNavPointer>(PageCount);
    PageCursor->SetButtons(FPrevAdapter.get(), FNextAdapter.get());
}

void TfrmAssistantDlg::FormDestroy() {
    PageCursor.reset();
    FNextAdapter.reset();
    FPrevAdapter.reset();
}

QWidget* TfrmAssistantDlg::NewPage(int Index) {
    auto* Page = new QWidget;
    Page->setObjectName(QStringLiteral("tabStep%1").arg(Index));
    auto* Layout = new QVBoxLayout(Page);
    Layout->setContentsMargins(10, 4, 10, 8);
    Layout->setSpacing(6);
    auto* StepRow = new QHBoxLayout;
    StepRow->addStretch(1);
    Layout->addLayout(StepRow);
    FStepRows[Index] = StepRow;
    Pages[Index] = Page;
    return Page;
}

QWidget* TfrmAssistantDlg::BuildIntroPage() {
    QWidget* Page = NewPage(0);
    auto* Layout = static_cast<QVBoxLayout*>(Page->layout());
    auto* Header = new QLabel(Page);
    Header->setPixmap(QPixmap(":/GIMG/HDR_GREEN"));
    Layout->addWidget(Header);
    auto* Row = new QHBoxLayout;
    auto* Picture = new QLabel(Page);
    Picture->setPixmap(QPixmap(":/HIMG/WELCOME2").scaledToHeight(240, Qt::SmoothTransformation));
    Row->addWidget(Picture, 0, Qt::AlignTop);
    QVBoxLayout* Body = nullptr;
    QFrame* Panel = PalePanel("As Salaamu Alaikum,", Page, Body);
    Body->addWidget(PanelText(Shown(IntroText), Panel));
    Body->addStretch(1);
    Row->addWidget(Panel, 1);
    Layout->addLayout(Row, 1);
    return Page;
}

QWidget* TfrmAssistantDlg::BuildTasksPage() {
    QWidget* Page = NewPage(1);
    auto* Layout = static_cast<QVBoxLayout*>(Page->layout());
    auto* Row = new QHBoxLayout;

    tsTasks = new TOrvTextStore(this);
    tsTasks->setObjectName("tsTasks");
    tsTasks->Storage.Add("Introduction!",
                         "If you're new to Tarvix, we strongly recommend you take the brief "
                         "\"Introduction to Hadith Collections\".\r\n\r\nYou will gain an insight "
                         "into how Tarvix utilises such concepts in just a few minutes!");
    tsTasks->Storage.Add("Close",
                         "Closes the Language Assistant - you can always return at a later "
                         "time.\r\n\r\nDon't forget you can use the Collections Manager to manage "
                         "and install new Hadith Collections, this feature is accessible from the "
                         "Languages menu.");

    hlTasks = new TOrvHotList(Page);
    hlTasks->setObjectName("hlTasks");
    Row->addWidget(hlTasks, 1);

    QVBoxLayout* Body = nullptr;
    QFrame* Panel = PalePanel(QString(), Page, Body);
    Panel->setFixedWidth(260);
    lblTaskTitle = PanelText(QString(), Panel);
    lblTaskTitle->setObjectName("lblTaskTitle");
    QFont F = lblTaskTitle->font();
    F.setBold(true);
    lblTaskTitle->setFont(F);
    lblTaskText = PanelText(QString(), Panel);
    lblTaskText->setObjectName("lblTaskText");
    Body->addWidget(lblTaskTitle);
    Body->addWidget(lblTaskText);
    Body->addStretch(1);
    Row->addWidget(Panel);
    Layout->addLayout(Row, 1);

    connect(hlTasks, &TOrvHotList::OnItemClick, this, [this](int I) { hlTasksItemClick(I); });
    connect(hlTasks, &TOrvHotList::OnItemSelect, this, [this](int I) { hlTasksItemSelect(I); });
    hlTasks->SetItems({"Introduction to Hadith Collections|A brief look and explanation of "
                       "Collections - Essential for new users.",
                       "Back to Tarvix|Exit the Language Assistant."});
    hlTasksItemSelect(0);
    return Page;
}

QWidget* TfrmAssistantDlg::BuildCollectionsPage() {
    QWidget* Page = NewPage(2);
    auto* Layout = static_cast<QVBoxLayout*>(Page->layout());
    auto* Row = new QHBoxLayout;

    auto* Left = new QVBoxLayout;
    Left->addWidget(TextLabel("Currently Installed Hadith Collections", Page, true));
    trvColls = new TOrvTreeView(Page);
    trvColls->setObjectName("trvColls");
    Left->addWidget(trvColls, 1);
    auto* Buttons = new QHBoxLayout;
    btnTransInfo = new TOrvButton("Collection Information", Page);
    btnTransInfo->setObjectName("btnTransInfo");
    OrvButton1 = new TOrvButton("Install Collection", Page);
    OrvButton1->setObjectName("OrvButton1");
    Buttons->addWidget(btnTransInfo);
    Buttons->addWidget(OrvButton1);
    Left->addLayout(Buttons);
    Row->addLayout(Left, 1);

    auto* Right = new QVBoxLayout;
    QVBoxLayout* Body = nullptr;
    QFrame* Panel = PalePanel("Collections explained", Page, Body);
    Body->addWidget(PanelText(Shown(CollectionsText), Panel));
    Body->addStretch(1);
    Right->addWidget(Panel, 1);
    Right->addWidget(TextLabel("Download more Hadith Collections from the Velorin website:", Page));
    lblURLVelorin = new TOrvURLLabel(Page);
    lblURLVelorin->setObjectName("lblURLVelorin");
    lblURLVelorin->SetURLType(utHTTP);
    lblURLVelorin->SetURL(TOrvURLLabel::DefaultURL);
    lblURLVelorin->setText(TOrvURLLabel::DefaultURL);
    lblURLVelorin->setCursor(Qt::PointingHandCursor);
    SetTextColour(lblURLVelorin, QColor(91, 173, 255));
    lblURLVelorin->HighlightColor = QColor(255, 255, 255);
    Right->addWidget(lblURLVelorin);
    Row->addLayout(Right, 1);

    Layout->addLayout(Row, 1);
    return Page;
}

QWidget* TfrmAssistantDlg::BuildGroupsPage() {
    QWidget* Page = NewPage(3);
    auto* Layout = static_cast<QVBoxLayout*>(Page->layout());
    auto* Row = new QHBoxLayout;

    auto* Left = new QVBoxLayout;
    Left->addWidget(TextLabel("Installed Hadith Collections (in their Groups)", Page, true));
    trvColls2 = new TOrvTreeView(Page);
    trvColls2->setObjectName("trvColls2");
    Left->addWidget(trvColls2, 1);
    Left->addWidget(TextLabel("The above Tree shows the Installed Hadith Collections, placed "
                              "into their automatically created Groups.",
                              Page));
    Row->addLayout(Left, 1);

    QVBoxLayout* Body = nullptr;
    QFrame* Panel = PalePanel("Groups Explained", Page, Body);
    Body->addWidget(PanelText(Shown(GroupsText), Panel));
    Body->addStretch(1);
    Row->addWidget(Panel, 1);

    Layout->addLayout(Row, 1);
    return Page;
}

QWidget* TfrmAssistantDlg::BuildViewPage() {
    QWidget* Page = NewPage(4);
    auto* Layout = static_cast<QVBoxLayout*>(Page->layout());
    auto* Row = new QHBoxLayout;

    QVBoxLayout* Body = nullptr;
    QFrame* Panel = PalePanel("The \"Active\" View", Page, Body);
    lblActiveView = new QLabel(SmallMarkupToHtml(ActiveViewMarkup), Panel);
    lblActiveView->setObjectName("lblActiveView");
    lblActiveView->setTextFormat(Qt::RichText);
    SetTextColour(lblActiveView, Qt::black);
    Body->addWidget(lblActiveView);
    Body->addStretch(1);
    Row->addWidget(Panel, 1);

    auto* Right = new QVBoxLayout;
    Right->addWidget(TextLabel("Easily Selecting a View...", Page, true));
    Right->addWidget(ScreenPicture(Page, "Active View:", "Dorrel and Anvesh (English)   \u25BE"),
                     1);
    Row->addLayout(Right, 1);

    Layout->addLayout(Row, 1);
    return Page;
}

QWidget* TfrmAssistantDlg::BuildManagerPage() {
    QWidget* Page = NewPage(5);
    auto* Layout = static_cast<QVBoxLayout*>(Page->layout());
    Layout->addWidget(TextLabel("This is the \"Collections Manager\"...", Page, true));
    auto* Row = new QHBoxLayout;
    Row->addWidget(ScreenPicture(Page,
                                 "Hadith Collections Manager - Configure various Hadith "
                                 "Collections",
                                 "Hadith Collections available to Tarvix"),
                   1);
    QVBoxLayout* Body = nullptr;
    QFrame* Panel = PalePanel("Collection Manager", Page, Body);
    lblCollManager = new QLabel(SmallMarkupToHtml(CollManagerMarkup), Panel);
    lblCollManager->setObjectName("lblCollManager");
    lblCollManager->setTextFormat(Qt::RichText);
    SetTextColour(lblCollManager, Qt::black);
    Body->addWidget(lblCollManager);
    Body->addStretch(1);
    Row->addWidget(Panel, 1);
    Layout->addLayout(Row, 1);
    return Page;
}

int TfrmAssistantDlg::ShowAssistant() {
    // The pages have no tabs to hide: only the program changes them.
    PageCursor->SetIndex(0);
    ShowAssistantPage();
    for (TOrvTreeView* Tree : {trvColls, trvColls2}) {
        HadithCollManager.FillCollectionTree(*Tree, Tree == trvColls2);
        if (Tree->ChildCount(nullptr) > 0)
            Tree->Select(Tree->Child(nullptr, 0));
    }
    return exec();
}

void TfrmAssistantDlg::ShowAssistantPage() {
    const int Index = PageCursor->Index();
    if (Index < 0 || Index >= PageCount)
        return;
    pagesLang->setCurrentIndex(Index);
    if (FStepPage != Index) {
        if (FStepPage >= 0)
            FStepRows[FStepPage]->removeWidget(lblStep);
        FStepRows[Index]->addWidget(lblStep);
        FStepPage = Index;
    }
    lblStep->show();
    lblStep->setText(Index == 0 ? QStringLiteral("Introduction")
                                : QStringLiteral("Step %1 of 5").arg(Index));
}

void TfrmAssistantDlg::btnPrevClick() {
    PageCursor->GoPrev();
    ShowAssistantPage();
}

void TfrmAssistantDlg::btnNextClick() {
    PageCursor->GoNext();
    ShowAssistantPage();
}

void TfrmAssistantDlg::hlTasksItemClick(int aVal) {
    if (aVal == 0) {
        PageCursor->SetIndex(2);
        ShowAssistantPage();
    } else if (aVal == 1) {
        done(mrCancel);
    }
}

void TfrmAssistantDlg::hlTasksItemSelect(int aVal) {
    lblTaskTitle->setText(QString::fromStdString(tsTasks->Storage.Title(aVal)));
    lblTaskText->setText(Shown(tsTasks->Storage.Text(aVal).c_str()));
}

void TfrmAssistantDlg::btnTransInfoClick() {
    const TTreeNodeRef Node = trvColls->Selected();
    if (!Node)
        return;
    // The tree may be older than the registry: a name no longer registered
    // has no information to show.
    const THadithHelper* Collection = HadithCollManager.FindCollection(trvColls->Caption(Node));
    if (Collection && ShowCollInfo)
        ShowCollInfo(*Collection);
}

void TfrmAssistantDlg::OrvButton1Click() {
    if (!ChooseCollectionFile)
        return;
    const std::string FileName = ChooseCollectionFile();
    if (!FileName.empty())
        HadithCollManager.InstallCollection(FileName);
}

void TfrmAssistantDlg::btnCloseClick() {
    done(mrOk);
}
