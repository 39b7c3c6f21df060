// Base classes through which other windows reach the main, start-up and
// bookmarks windows without knowing their concrete classes.
#pragma once

#include <QWidget>

#include <string>

class TfrmMainBase : public QWidget {
public:
    using QWidget::QWidget;
    virtual void ProcessLink(const std::string& Link) = 0;
    virtual void SetBusyState(uint8_t State) = 0;
};

class TfrmInitBase : public QWidget {
public:
    using QWidget::QWidget;
    virtual void SetLoadCaption(const std::string& Text) = 0;
    virtual void SetProgressMax(int Value) = 0;
    virtual void SetProgressPos(int Value) = 0;
};

class TfrmBookmarksBase : public QWidget {
public:
    using QWidget::QWidget;
    virtual void AddGlossBookmark(const std::string& Term) = 0;
};

// Busy states of the main window.
enum : uint8_t { bsIdle = 0, bsWorking = 1, bsBusy = 2, bsLocked = 3, bsAudio = 4 };

// Set while the main window is created; unset before.
extern TfrmMainBase* MainWindow;
extern TfrmInitBase* InitWindow;
extern TfrmBookmarksBase* BookmarksWindow;
