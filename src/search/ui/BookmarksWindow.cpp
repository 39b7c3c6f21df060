#include "search/ui/BookmarksWindow.h"

#include "hadith/HadithHelper.h"

#include <QListWidget>
#include <QVBoxLayout>

TfrmBookmarks::TfrmBookmarks(QWidget* Parent) : TfrmBookmarksBase(Parent) {
    setObjectName("frmBookmarks");
    setWindowTitle("Bookmarks");
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, Qt::black);
    setPalette(Pal);
    setAutoFillBackground(true);

    lsvBookmarks = new QListWidget(this);
    lsvBookmarks->setObjectName("lsvBookmarks");
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(lsvBookmarks);
}

void TfrmBookmarks::AddGlossBookmark(const std::string& Term) {
    lsvBookmarks->addItem(QString::fromStdString(Term));
}

void TfrmBookmarks::AddHadithBookmark(const std::string& GroupLinkKey) {
    // Named the way the bookmarks file names a hadith: "#" number "," group.
    lsvBookmarks->addItem(QString::fromStdString("#" + std::to_string(LinkKeyNumber(GroupLinkKey)) +
                                                 "," + LinkKeyGroup(GroupLinkKey)));
}
