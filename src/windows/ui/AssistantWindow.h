// The language assistant: a modal step-by-step introduction to collections,
// groups and the Active View, with the installed collections, their
// information and installing a collection file.
#pragma once

#include "controls/NavPointer.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QBoxLayout;
class QLabel;
class QStackedWidget;
class THadithHelper;
class TOrvButton;
class TOrvHotList;
class TOrvTextStore;
class TOrvTreeView;
class TOrvURLLabel;

class TfrmAssistantDlg : public QDialog {
    Q_OBJECT
    // The buttons as the page cursor sees them; declared before the cursor,
    // which holds pointers to them.
    std::unique_ptr<TNavButton> FPrevAdapter;
    std::unique_ptr<TNavButton> FNextAdapter;

public:
    explicit TfrmAssistantDlg(QWidget* Parent = nullptr);
    ~TfrmAssistantDlg() override;

    static constexpr int PageCount = 6;

    // Starts again at the introduction, refills both trees and shows the
    // window modally; returns the modal result.
    int ShowAssistant();
    // Shows the page at the cursor's position with its step label.
    void ShowAssistantPage();

    // Shows the information window of a collection; the program sets it.
    std::function<void(const THadithHelper&)> ShowCollInfo;
    // Asks for a collection file to install; empty when none was chosen.
    // Defaults to the open dialog of collection files; tests replace it.
    std::function<std::string()> ChooseCollectionFile;

    // Event handlers, public so the program and tests can drive them.
    void btnPrevClick();
    void btnNextClick();
    void hlTasksItemClick(int aVal);
    void hlTasksItemSelect(int aVal);
    void btnTransInfoClick();
    void OrvButton1Click();
    void btnCloseClick();

    // Controls, named as the program names them.
    QLabel* lblBanner = nullptr;
    QStackedWidget* pagesLang = nullptr;
    std::array<QWidget*, PageCount> Pages{};
    QLabel* lblStep = nullptr;
    TOrvButton* btnPrev = nullptr;
    TOrvButton* btnNext = nullptr;
    TOrvButton* btnClose = nullptr;
    TOrvHotList* hlTasks = nullptr;
    TOrvTextStore* tsTasks = nullptr;
    QLabel* lblTaskTitle = nullptr;
    QLabel* lblTaskText = nullptr;
    TOrvTreeView* trvColls = nullptr;
    TOrvTreeView* trvColls2 = nullptr;
    TOrvButton* btnTransInfo = nullptr;
    TOrvButton* OrvButton1 = nullptr;
    TOrvURLLabel* lblURLVelorin = nullptr;
    QLabel* lblActiveView = nullptr;
    QLabel* lblCollManager = nullptr;

    // Drives the pages and the enabled state of btnPrev and btnNext.
    std::unique_ptr<TOrvNavPointer> PageCursor;

private:
    void FormCreate();
    void FormDestroy();
    QWidget* BuildIntroPage();
    QWidget* BuildTasksPage();
    QWidget* BuildCollectionsPage();
    QWidget* BuildGroupsPage();
    QWidget* BuildViewPage();
    QWidget* BuildManagerPage();
    QWidget* NewPage(int Index);

    // The top row of each page, where lblStep sits on the active page.
    std::array<QBoxLayout*, PageCount> FStepRows{};
    int FStepPage = -1;
};
