// The program's windows as the entry creates them: class, object name and
// caption of each.
#include "app/AppGlobals.h"
#include "online/ui/NewsWindow.h"
#include "online/ui/RemoteAudioWindow.h"
#include "scripture/ui/GlossaryWindow.h"
#include "search/ui/BookmarksWindow.h"
#include "search/ui/SearchReportWindow.h"
#include "search/ui/SearchWindow.h"
#include "windows/ui/AboutWindow.h"
#include "windows/ui/AssistantWindow.h"
#include "windows/ui/BadCollsWindow.h"
#include "windows/ui/CollInfoWindow.h"
#include "windows/ui/MissingFontsWindow.h"
#include "windows/ui/TipsWindow.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ProgramWindowsTest, EachWindowHasItsClassNameAndCaption) {
    struct TCase {
        std::unique_ptr<QWidget> Window;
        const char* ClassName;
        QString Caption;
    };
    TCase Cases[] = {
        {std::make_unique<TfrmNews>(), "TfrmNews", "Velorin Direct"},
        {std::make_unique<TfrmBookmarks>(), "TfrmBookmarks", "Bookmarks"},
        {std::make_unique<TfrmCollInfoDlg>(), "TfrmCollInfoDlg", "Collection Information"},
        {std::make_unique<TfrmRemoteAudioDlg>(), "TfrmRemoteAudioDlg", "Remote Qur'an Audio"},
        {std::make_unique<TfrmSearch>(), "TfrmSearch", "Search The Hadith"},
        {std::make_unique<TfrmSearchReportDlg>(), "TfrmSearchReportDlg", "Search Report"},
        {std::make_unique<TfrmGloss>(), "TfrmGloss", "Glossary"},
        {std::make_unique<TfrmAssistantDlg>(), "TfrmAssistantDlg", "Assistant"},
        {std::make_unique<TfrmTipsDlg>(), "TfrmTipsDlg", "Tips and Info!"},
        {std::make_unique<TfrmAboutDlg>(), "TfrmAboutDlg",
         QString::fromStdString("About Tarvix Version " + AppVersion)},
        {std::make_unique<TfrmBadCollsDlg>(), "TfrmBadCollsDlg", "Warning!"},
        {std::make_unique<TfrmMissingFontsDlg>(), "TfrmMissingFontsDlg", "Warning!"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.ClassName);
        EXPECT_STREQ(Case.Window->metaObject()->className(), Case.ClassName);
        EXPECT_EQ(Case.Window->objectName(), QString(Case.ClassName + 1));
        EXPECT_EQ(Case.Window->windowTitle(), Case.Caption);
        EXPECT_EQ(Case.Window->palette().color(QPalette::Window), QColor(Qt::black));
    }
}
