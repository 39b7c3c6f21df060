// The bookmarks window: the user's hadith, search and glossary bookmarks.
// For now it lists what was added during this run; the bookmarks file is
// read and written by the full window.
#pragma once

#include "app/ui/FormBases.h"

#include <string>

class QListWidget;

class TfrmBookmarks : public TfrmBookmarksBase {
    Q_OBJECT
public:
    explicit TfrmBookmarks(QWidget* Parent = nullptr);

    void AddGlossBookmark(const std::string& Term) override;
    // GroupLinkKey: "HGROUP_" + group key + "_" + hadith number.
    void AddHadithBookmark(const std::string& GroupLinkKey);

    QListWidget* lsvBookmarks = nullptr;
};
