#include "search/ui/BookmarksWindow.h"

#include "app/Prefs.h"
#include "app/Shell.h"
#include "controls/ui/OrvButton.h"
#include "controls/ui/OrvListView.h"
#include "controls/ui/SchemePanel.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <vector>

namespace {

// Where each item's record sits in the list, so a sort by a column can put
// the records in the order the view shows.
constexpr int RecordRole = TOrvListView::DataRole + 1;

constexpr int MinWidth = 440;
constexpr int MaxWidth = 616;
constexpr int MinHeight = 220;
constexpr int BannerHeight = 28;

QString Hint(const char* Text) {
    // The hints break their lines with CR LF; a tooltip wants a plain LF.
    return QString::fromLatin1(Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

TOrvButton* MakeButton(const char* Name, const char* Caption, const char* HintText,
                       QWidget* Parent) {
    auto* Button = new TOrvButton(QString::fromLatin1(Caption), Parent);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setToolTip(Hint(HintText));
    return Button;
}

const char* const FileFilter = "Corvale Bookmarks (*.cbk);;All files (*)";

} // namespace

TfrmBookmarks::TfrmBookmarks(QWidget* Parent) : TfrmBookmarksBase(Parent) {
    setObjectName("frmBookmarks");
    setWindowTitle("Bookmarks");
    setWindowFlags(windowFlags() | Qt::Tool);
    setMinimumSize(MinWidth, MinHeight);
    setMaximumWidth(MaxWidth);
    resize(520, 300);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);

    spnlBanner = new TSchemePanel(this, AppPrefs.ColorScheme);
    spnlBanner->setObjectName("spnlBanner");
    spnlBanner->setFixedHeight(BannerHeight);
    lblBanner = new QLabel("My Bookmarks", spnlBanner);
    lblBanner->setObjectName("lblBanner");
    QFont BannerFont = lblBanner->font();
    BannerFont.setBold(true);
    lblBanner->setFont(BannerFont);
    QPalette BannerPal = lblBanner->palette();
    BannerPal.setColor(QPalette::WindowText, Qt::white);
    lblBanner->setPalette(BannerPal);
    auto* BannerLayout = new QHBoxLayout(spnlBanner);
    BannerLayout->setContentsMargins(8, 0, 8, 0);
    BannerLayout->addWidget(lblBanner);

    lsvBookmarks = new TOrvListView(this);
    lsvBookmarks->setObjectName("lsvBookmarks");
    lsvBookmarks->AddColumn("Name", 80);
    lsvBookmarks->AddColumn("Type", 140);
    lsvBookmarks->AddColumn("Description", 265);

    btnGo = MakeButton("btnGo", "Go", "Goto Bookmark.", this);
    btnGo->setDefault(true);
    btnDelete = MakeButton("btnDelete", "Delete", "Delete Bookmark.", this);
    btnImport = MakeButton("btnImport", "Import Bookmarks",
                           "Import Bookmarks from a file\r\ninto your collection.", this);
    btnExport = MakeButton("btnExport", "Export Bookmarks",
                           "Export your Bookmark collection\r\nto a file.", this);
    btnClearAll =
        MakeButton("btnClearAll", "Clear All", "Delete all Bookmarks in your collection.", this);

    auto* Buttons = new QHBoxLayout;
    Buttons->addWidget(btnGo);
    Buttons->addWidget(btnDelete);
    Buttons->addStretch(1);
    Buttons->addWidget(btnImport);
    Buttons->addWidget(btnExport);
    Buttons->addWidget(btnClearAll);
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 6);
    Layout->addWidget(spnlBanner);
    auto* Body = new QVBoxLayout;
    Body->setContentsMargins(6, 0, 6, 0);
    Body->addWidget(lsvBookmarks, 1);
    Body->addLayout(Buttons);
    Layout->addLayout(Body, 1);

    connect(lsvBookmarks, &QTreeWidget::itemSelectionChanged, this,
            &TfrmBookmarks::UpdateBookmarkButtons);
    connect(lsvBookmarks, &QTreeWidget::itemDoubleClicked, this, [this] {
        FEditTimer.stop();
        GoToBookmark();
    });
    connect(lsvBookmarks, &TOrvListView::OnEdited, this, &TfrmBookmarks::lsvBookmarksEdited);
    // Runs after the view's own handler has sorted the items.
    connect(lsvBookmarks->header(), &QHeaderView::sectionClicked, this,
            &TfrmBookmarks::lsvBookmarksColumnClick);
    connect(btnGo, &QPushButton::clicked, this, &TfrmBookmarks::GoToBookmark);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmBookmarks::btnDeleteClick);
    connect(btnImport, &QPushButton::clicked, this, &TfrmBookmarks::btnImportClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmBookmarks::btnExportClick);
    connect(btnClearAll, &QPushButton::clicked, this, &TfrmBookmarks::btnClearAllClick);
    lsvBookmarks->installEventFilter(this);
    lsvBookmarks->viewport()->installEventFilter(this);

    FEditTimer.setSingleShot(true);
    connect(&FEditTimer, &QTimer::timeout, this, [this] {
        if (FEditIndex >= 0 && FEditIndex == lsvBookmarks->SelectedIndex())
            lsvBookmarks->EditCaption(FEditIndex);
    });

    FBookmarks.OnWorking = [this](bool Working) {
        if (SetBusyState)
            SetBusyState(Working ? bsWorking : bsIdle);
    };
    ChooseImportFile = [this] { return RunFileDialog(false); };
    ChooseExportFile = [this] { return RunFileDialog(true); };
    FormCreate();
}

int TfrmBookmarks::EditDelayMs() {
    return QApplication::doubleClickInterval() + 100;
}

void TfrmBookmarks::FormCreate() {
    // The kind names are the constant BookmarkKindNames table and
    // BookmarksLoaded starts false in the list: nothing is read until the
    // window first shows or a bookmark is added.
    UpdateBookmarkButtons();
}

void TfrmBookmarks::showEvent(QShowEvent* Event) {
    TfrmBookmarksBase::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TfrmBookmarks::FormShow() {
    spnlBanner->SetScheme(AppPrefs.ColorScheme);
    if (!FBookmarks.BookmarksLoaded()) {
        FBookmarks.LoadMainFile();
        RefreshList(-1);
    }
    UpdateBookmarkButtons();
}

void TfrmBookmarks::RefreshList(int Selected) {
    const QSignalBlocker Blocker(lsvBookmarks);
    lsvBookmarks->clear();
    for (int i = 0; i < FBookmarks.Count(); ++i) {
        const TBookmark& B = FBookmarks.Item(i);
        // Texts go in column by column: a bar in a name is only a character.
        auto* Item = new QTreeWidgetItem(lsvBookmarks);
        Item->setData(0, TOrvListView::DataRole, QVariant::fromValue<qintptr>(B.Kind));
        Item->setData(0, RecordRole, i);
        Item->setText(0, QString::fromStdString(B.Name));
        Item->setText(1, QString::fromLatin1(BookmarkKindNames[B.Kind]));
        Item->setText(2, QString::fromStdString(B.Description));
    }
    lsvBookmarks->SetSelectedIndex(Selected);
    UpdateBookmarkButtons();
}

void TfrmBookmarks::UpdateBookmarkButtons() {
    const bool Selected = lsvBookmarks->SelectedIndex() >= 0;
    btnDelete->setEnabled(Selected);
    btnGo->setEnabled(Selected);
}

void TfrmBookmarks::AddAndReport(const TBookmark& Bookmark) {
    const int Selected = lsvBookmarks->SelectedIndex();
    FBookmarks.Add(Bookmark);
    // The list shows the new bookmark even when the file cannot be written.
    RefreshList(Selected);
    FBookmarks.SaveMainFile();
    ShowMsgDlg(mkInformation, MsgHeightSmall, true, "Bookmark Added!",
               "Bookmark (" + Bookmark.Description + "), has been added to your collection.",
               mbsOK);
}

void TfrmBookmarks::AddGlossBookmark(const std::string& Term) {
    AddAndReport(MakeGlossBookmark(Term));
}

void TfrmBookmarks::AddSearchBookmark(const std::string& SearchText, int Chapter, bool Restricted,
                                      const std::string& ViewKey) {
    AddAndReport(MakeSearchBookmark(SearchText, Chapter, Restricted, ViewKey));
}

void TfrmBookmarks::AddHadithBookmark(const std::string& GroupLinkKey) {
    AddAndReport(MakeHadithBookmark(GroupLinkKey));
}

void TfrmBookmarks::GoToBookmark() {
    const int Index = lsvBookmarks->SelectedIndex();
    if (Index < 0 || Index >= FBookmarks.Count())
        return;
    const TBookmarkTarget Target = BookmarkTarget(FBookmarks.Item(Index));
    switch (Target.Kind) {
    case TBookmarkTarget::GlossTerm:
        if (ShowTerm)
            ShowTerm(Target.Text);
        break;
    case TBookmarkTarget::Search:
        if (ShowBookmarkedSearch)
            ShowBookmarkedSearch(Target.Text, Target.Number, Target.Restricted, Target.ViewKey);
        break;
    case TBookmarkTarget::Hadith:
        if (ShowGroupHadith)
            ShowGroupHadith(Target.Text, Target.Number);
        break;
    case TBookmarkTarget::None:
        break;
    }
}

void TfrmBookmarks::DeleteBookmark() {
    const int Index = lsvBookmarks->SelectedIndex();
    if (Index < 0 || Index >= FBookmarks.Count())
        return;
    const std::string Description = FBookmarks.Item(Index).Description;
    const int Answer = ShowMsgDlg(
        mkConfirmation, MsgHeightSmall, true, "Delete Bookmark?",
        "Delete Bookmark " + Description + " from your collection?\r\n\r\nAre you sure?", mbsYesNo);
    if (Answer == mrYes) {
        FBookmarks.Delete(Index);
        RefreshList(-1);
    }
    FBookmarks.SaveMainFile();
}

void TfrmBookmarks::lsvBookmarksEdited(int Index, const QString& NewCaption) {
    if (Index < 0 || Index >= FBookmarks.Count())
        return;
    const std::string Kept = FBookmarks.Rename(Index, NewCaption.toStdString());
    if (QTreeWidgetItem* Item = lsvBookmarks->Item(Index))
        Item->setText(0, QString::fromStdString(Kept));
    FBookmarks.SaveMainFile();
}

void TfrmBookmarks::lsvBookmarksColumnClick() {
    std::vector<int> Order;
    int Selected = lsvBookmarks->SelectedIndex();
    for (int i = 0; i < lsvBookmarks->Count(); ++i)
        Order.push_back(lsvBookmarks->Item(i)->data(0, RecordRole).toInt());
    FBookmarks.Reorder(Order);
    RefreshList(Selected);
}

void TfrmBookmarks::btnImportClick() {
    if (ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Import into your Bookmarks?",
                   "This process will import all bookmarks from a seperate file into your "
                   "collection.\r\n\r\nDo you want to continue?",
                   mbsYesNo) != mrYes)
        return;
    const std::string FileName = ChooseImportFile ? ChooseImportFile() : std::string();
    if (FileName.empty())
        return;
    const int Selected = lsvBookmarks->SelectedIndex();
    const bool Imported = FBookmarks.ImportBookmarks(FileName);
    if (Imported)
        RefreshList(Selected);
}

void TfrmBookmarks::btnExportClick() {
    if (ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Export your Bookmarks?",
                   "This process will export all bookmarks in your collection to a seperate "
                   "file for back-up, or to share with others.\r\n\r\nDo you want to continue?",
                   mbsYesNo) != mrYes)
        return;
    const std::string FileName = ChooseExportFile ? ChooseExportFile() : std::string();
    if (!FileName.empty())
        FBookmarks.ExportBookmarks(FileName);
}

void TfrmBookmarks::btnClearAllClick() {
    if (ShowMsgDlg(mkConfirmation, MsgHeightMedium, true, "Delete All Bookmarks?",
                   "This will delete All bookmarks in your collection.\r\n\r\nIt is recommended "
                   "that you first backup (export your bookmarks to a file) before clearing your "
                   "current collection.\r\n\r\nDo you wish to continue, and clear All "
                   "bookmarks?",
                   mbsYesNo) != mrYes)
        return;
    FBookmarks.ClearBookmarks();
    RefreshList(-1);
}

std::string TfrmBookmarks::RunFileDialog(bool Save) {
    QFileDialog Dialog(this, Save ? "Select Bookmarks file to Export to"
                                  : "Select Bookmarks file to Import");
    Dialog.setNameFilter(FileFilter);
    Dialog.setDefaultSuffix("cbk");
    Dialog.selectFile("Bookmarks.cbk");
    if (Save) {
        Dialog.setAcceptMode(QFileDialog::AcceptSave);
        Dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        Dialog.setAcceptMode(QFileDialog::AcceptOpen);
        Dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty())
        return std::string();
    return Dialog.selectedFiles().first().toStdString();
}

bool TfrmBookmarks::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == lsvBookmarks && !lsvBookmarks->IsEditing()) {
        if (Event->type() == QEvent::KeyRelease) {
            auto* Key = static_cast<QKeyEvent*>(Event);
            if (Key->key() == Qt::Key_Delete && !Key->isAutoRepeat()) {
                btnDeleteClick();
                return true;
            }
        } else if (Event->type() == QEvent::KeyPress) {
            auto* Key = static_cast<QKeyEvent*>(Event);
            switch (Key->key()) {
            case Qt::Key_F2:
                lsvBookmarks->EditCaption(lsvBookmarks->SelectedIndex());
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                GoToBookmark();
                return true;
            default:
                break;
            }
        }
    }
    if (Watched == lsvBookmarks->viewport()) {
        // A click on the bookmark that was already selected opens its name for
        // editing once no double-click follows.
        if (Event->type() == QEvent::MouseButtonPress) {
            auto* Mouse = static_cast<QMouseEvent*>(Event);
            QTreeWidgetItem* Hit = lsvBookmarks->itemAt(Mouse->position().toPoint());
            FEditTimer.stop();
            FPressOnSelected = Mouse->button() == Qt::LeftButton && Hit && Hit->isSelected() &&
                               !lsvBookmarks->IsEditing();
            FEditIndex = Hit ? lsvBookmarks->indexOfTopLevelItem(Hit) : -1;
        } else if (Event->type() == QEvent::MouseButtonRelease) {
            if (FPressOnSelected)
                FEditTimer.start(EditDelayMs());
            FPressOnSelected = false;
        } else if (Event->type() == QEvent::MouseButtonDblClick) {
            FEditTimer.stop();
            FPressOnSelected = false;
        }
    }
    return TfrmBookmarksBase::eventFilter(Watched, Event);
}
