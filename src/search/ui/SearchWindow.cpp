#include "search/ui/SearchWindow.h"

#include "app/MsgDlgTypes.h"
#include "app/Prefs.h"
#include "app/Shell.h"
#include "app/ui/FormBases.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/SchemePanel.h"
#include "hadith/CollectionManager.h"
#include "hadith/HadithHelper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

namespace {

constexpr int ClientWidth = 433;
constexpr int ClientHeight = 436;

void SetTextColour(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::WindowText, C);
    P.setColor(QPalette::Text, C);
    W->setPalette(P);
}

QLabel* AddLabel(QWidget* Parent, const QString& Text, int X, int Y, int W) {
    auto* Label = new QLabel(Text, Parent);
    SetTextColour(Label, Qt::white);
    Label->setGeometry(X, Y, W, 18);
    return Label;
}

TOrvButton* AddButton(QWidget* Parent, const char* Name, const QString& Caption,
                      const QString& Hint, int X, int Y, int W) {
    auto* Button = new TOrvButton(Caption, Parent);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setToolTip(Hint);
    Button->setGeometry(X, Y, W, 25);
    Button->setAutoDefault(false);
    return Button;
}

QCheckBox* AddCheckBox(QWidget* Parent, const char* Name, const QString& Caption,
                       const QString& Hint, int X, int Y) {
    auto* Box = new QCheckBox(Caption, Parent);
    Box->setObjectName(QString::fromLatin1(Name));
    Box->setToolTip(Hint);
    SetTextColour(Box, Qt::white);
    Box->setGeometry(X, Y, 300, 20);
    return Box;
}

std::string Utf8(const QString& Text) {
    const QByteArray Bytes = Text.toUtf8();
    return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

} // namespace

TfrmSearch::TfrmSearch(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Search The Hadith"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);

    spnlBanner = new TSchemePanel(this, AppPrefs.ColorScheme);
    spnlBanner->setObjectName(QStringLiteral("spnlBanner"));
    spnlBanner->setGeometry(0, 0, ClientWidth, 28);
    lblBanner = new QLabel(QStringLiteral("Search for text in the Hadith"), spnlBanner);
    lblBanner->setObjectName(QStringLiteral("lblBanner"));
    QFont HeadFont = lblBanner->font();
    HeadFont.setBold(true);
    lblBanner->setFont(HeadFont);
    SetTextColour(lblBanner, Qt::white);
    lblBanner->setGeometry(8, 0, ClientWidth - 16, 28);

    AddLabel(this, QStringLiteral("Collection:"), 8, 38, 120);
    cbxLang = new QComboBox(this);
    cbxLang->setObjectName(QStringLiteral("cbxLang"));
    cbxLang->setToolTip(QStringLiteral(
        "Select the Text/Translation that you wish to search,\r\ni.e. the Language you wish to "
        "search."));
    cbxLang->setGeometry(8, 56, ClientWidth - 16, 22);
    connect(cbxLang, &QComboBox::activated, this, [this] { cbxLangChange(); });

    AddLabel(this, QStringLiteral("Search Scope:"), 8, 86, 120);
    chkAll = AddCheckBox(this, "chkAll", QStringLiteral("Search All Ahadith in the Collection"),
                         QStringLiteral("Searches All Ahadith in the Collection"), 8, 104);
    chkAll->setChecked(true);
    chkAll->setEnabled(false);
    connect(chkAll, &QCheckBox::clicked, this, [this] { chkAllClick(); });
    chkCase = AddCheckBox(
        this, "chkCase", QStringLiteral("Case Sensitive"),
        QStringLiteral("If selected this option means that searching for\r\n\"Word\" will only "
                       "find results matching \"Word\"\r\nbut Not \"word\" because the case "
                       "(capitalisation)\r\nof the letters must match exactly."),
        8, 126);
    chkCase->setChecked(false);
    chkWhole =
        AddCheckBox(this, "chkWhole", QStringLiteral("Whole word/phrase"),
                    QStringLiteral("Search for whole words only, not\r\na partial word."), 8, 148);
    chkWhole->setChecked(true);

    AddLabel(this, QStringLiteral("Search for:"), 8, 176, 120);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setToolTip(QStringLiteral("Enter the word/phrase you wish to search for."));
    txtSearch->setGeometry(8, 194, 310, 22);
    btnSearch = AddButton(this, "btnSearch", QStringLiteral("Search"),
                          QStringLiteral("Perform the search."), 326, 192, 99);
    btnSearch->setDefault(true);
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });

    AddLabel(this, QStringLiteral("Search Results:"), 8, 224, 120);
    lblResults = new QLabel(this);
    lblResults->setObjectName(QStringLiteral("lblResults"));
    SetTextColour(lblResults, Qt::white);
    lblResults->setGeometry(130, 224, 188, 18);
    lblResults->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbxResults = new QListWidget(this);
    lbxResults->setObjectName(QStringLiteral("lbxResults"));
    lbxResults->setGeometry(8, 242, 310, 186);

    btnSearchRpt = AddButton(
        this, "btnSearchRpt", QStringLiteral("Search Report"),
        QStringLiteral("View a report of the Search Results. This will\r\ndisplay the Verses that "
                       "contain the Search phrase."),
        326, 242, 99);
    connect(btnSearchRpt, &QPushButton::clicked, this, [this] { btnSearchRptClick(); });
    btnGoTo = AddButton(this, "btnGoTo", QStringLiteral("Goto..."),
                        QStringLiteral("Go to the selected verse."), 326, 272, 99);
    connect(btnGoTo, &QPushButton::clicked, this, [this] { btnGoToClick(); });
    btnBookmark = AddButton(this, "btnBookmark", QStringLiteral("B+"),
                            QStringLiteral("Add a Search Bookmark.\r\n(Bookmarks your Search)."),
                            326, 302, 30);
    connect(btnBookmark, &QPushButton::clicked, this, [this] { btnBookmarkClick(); });
    btnBookmarks = AddButton(this, "btnBookmarks", QStringLiteral("Bookmarks"),
                             QStringLiteral("View your Bookmark collection."), 360, 302, 65);
    connect(btnBookmarks, &QPushButton::clicked, this, [this] { btnBookmarksClick(); });
    btnClose = AddButton(this, "btnClose", QStringLiteral("Close"),
                         QStringLiteral("Close the search dialog."), 326, 403, 99);
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
}

void TfrmSearch::FillCollections() {
    TStringList Keys;
    HadithCollManager.ListPlainViewKeys(Keys);
    cbxLang->clear();
    for (const std::string& Key : Keys)
        cbxLang->addItem(QString::fromStdString(Key));
}

void TfrmSearch::SelectDefaultCollection() {
    int Index = -1;
    if (const THadithHelper* English = HadithCollManager.EnglishModule())
        Index = cbxLang->findText(QString::fromStdString(ViewKey(*English)), Qt::MatchExactly);
    // Without a searchable English collection the first entry stands in.
    if (Index < 0 && cbxLang->count() > 0)
        Index = 0;
    cbxLang->setCurrentIndex(Index);
}

void TfrmSearch::PrepareSearch() {
    spnlBanner->SetScheme(AppPrefs.ColorScheme);
    FillCollections();
    SelectDefaultCollection();
    SelectSearchColl();
    SearchChapter = 1;
    chkAll->setChecked(true);
}

void TfrmSearch::ShowSearch() {
    PrepareSearch();
    if (!isVisible())
        exec();
}

void TfrmSearch::PrepareBookmarkedSearch(const std::string& SearchText, int Chapter,
                                         bool Restricted, const std::string& Key) {
    (void)Chapter; // stored with the bookmark; a search is never restricted to it
    spnlBanner->SetScheme(AppPrefs.ColorScheme);
    FillCollections();
    txtSearch->setText(QString::fromStdString(SearchText));
    chkAll->setChecked(!Restricted);
    std::vector<std::string> Keys;
    for (int I = 0; I < cbxLang->count(); ++I)
        Keys.push_back(Utf8(cbxLang->itemText(I)));
    const int Found = IndexOfViewKey(Keys, Key);
    if (Key.empty() || Found < 0) {
        if (!Key.empty()) {
            CollMissing = true;
            MissingCollLabel = Key;
        }
        SelectDefaultCollection();
    } else {
        cbxLang->setCurrentIndex(Found);
    }
    SelectSearchColl();
    SearchChapter = 1;
    RunOnShow = true;
}

void TfrmSearch::ShowBookmarkedSearch(const std::string& SearchText, int Chapter, bool Restricted,
                                      const std::string& Key) {
    PrepareBookmarkedSearch(SearchText, Chapter, Restricted, Key);
    if (isVisible())
        FormShow(); // already open (a bookmark chosen meanwhile): run it here
    else
        exec();
}

void TfrmSearch::SelectSearchColl() {
    SearchColl = cbxLang->currentIndex() < 0
                     ? nullptr
                     : HadithCollManager.FindCollection(Utf8(cbxLang->currentText()));
}

void TfrmSearch::cbxLangChange() {
    SelectSearchColl();
}

void TfrmSearch::SetSearchBusy(bool Busy) {
    for (TOrvButton* Button :
         {btnSearch, btnSearchRpt, btnBookmark, btnBookmarks, btnGoTo, btnClose})
        Button->setEnabled(!Busy);
}

TSearchOptions TfrmSearch::CurrentOptions() const {
    return TSearchOptions{Utf8(txtSearch->text()), chkCase->isChecked(), chkWhole->isChecked()};
}

std::vector<TSearchResultEntry> TfrmSearch::Results() const {
    std::vector<TSearchResultEntry> List;
    for (int I = 0; I < lbxResults->count(); ++I) {
        const QListWidgetItem* Item = lbxResults->item(I);
        List.push_back({Utf8(Item->text()), Item->data(Qt::UserRole).toInt()});
    }
    return List;
}

void TfrmSearch::btnSearchClick() {
    if (FSearching)
        return;
    FSearching = true;
    lbxResults->clear();
    SetSearchBusy(true);
    if (SetBusyState)
        SetBusyState(bsWorking);
    // A collection that cannot give a hadith raises; the window and the main
    // window must not stay busy after it.
    struct TRestore {
        TfrmSearch* Window;
        ~TRestore() {
            Window->SetSearchBusy(false);
            Window->lblResults->setText(QString::number(Window->lbxResults->count()));
            if (Window->SetBusyState)
                Window->SetBusyState(bsIdle);
            Window->FSearching = false;
        }
    } Restore{this};
    // The run keeps the collection it started on: a choice made in the list
    // meanwhile applies to the next run, so no number outside it is asked for.
    if (const THadithHelper* Collection = SearchColl)
        RunHadithSearch(
            *Collection, chkAll->isChecked(), [this] { return CurrentOptions(); },
            [this](int N) {
                auto* Item =
                    new QListWidgetItem(QString::fromStdString(SearchResultCaption(N)), lbxResults);
                Item->setData(Qt::UserRole, N);
            });
}

void TfrmSearch::btnGoToClick() {
    const QListWidgetItem* Item = lbxResults->currentItem();
    if (!Item || !Item->isSelected() || !SearchColl)
        return;
    const std::string Link =
        CollectionLinkKey(SearchColl->CollectionName(), Item->data(Qt::UserRole).toInt());
    if (OpenCollectionLink)
        OpenCollectionLink(Link);
    close();
}

void TfrmSearch::btnSearchRptClick() {
    if (ReportNeedsConfirmation(lbxResults->count()) &&
        ShowMsgDlg(mkWarning, MsgHeightSmall, true, LargeReportHeading, LargeReportText,
                   mbsYesNo) == mrNo)
        return;
    if (ShowSearchReport && SearchColl)
        ShowSearchReport(SearchColl, Utf8(txtSearch->text()), Results());
}

void TfrmSearch::btnBookmarkClick() {
    if (AddSearchBookmark)
        AddSearchBookmark(TSearchBookmarkInfo{Utf8(txtSearch->text()), SearchChapter,
                                              !chkAll->isChecked(), Utf8(cbxLang->currentText())});
}

void TfrmSearch::btnBookmarksClick() {
    if (ShowBookmarks)
        ShowBookmarks();
}

void TfrmSearch::btnCloseClick() {
    close();
}

void TfrmSearch::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    // After the window is on screen, as its own show event would run.
    QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TfrmSearch::FormShow() {
    if (RunOnShow) {
        RunOnShow = false;
        btnSearchClick();
    }
    if (CollMissing) {
        CollMissing = false;
        ShowMsgDlg(mkWarning, MsgHeightMedium, true, MissingCollectionHeading,
                   MissingCollectionText(MissingCollLabel), mbsOK);
    }
}
