// A chronological log of visited items with a back/forward cursor over it.
// Every visit is appended (repeats included, nothing is ever cut off), and the
// cursor's Count always equals the number of entries.
#pragma once

#include "controls/NavPointer.h"

#include <string>
#include <vector>

class TOrvHistoryList {
public:
    TOrvHistoryList();
    // The cursor's events point back at this object.
    TOrvHistoryList(const TOrvHistoryList&) = delete;
    TOrvHistoryList& operator=(const TOrvHistoryList&) = delete;

    // Appends S whatever the current position and makes it current; returns
    // its index.
    int Add(const std::string& S);
    // Copies Source and moves to its first entry (no position when empty).
    void Assign(const std::vector<std::string>& Source);
    void GoForward();
    void GoBack();
    void SetButtons(TNavButton* Back, TNavButton* Forward);

    int Count() const { return static_cast<int>(FStrings.size()); }
    // Empty for an index outside the list.
    std::string Strings(int Index) const;
    const std::vector<std::string>& Items() const { return FStrings; }
    const TOrvNavPointer& Pointer() const { return FPointer; }

    int Current() const { return FPointer.Index(); }
    bool GoForwardEnabled() const { return FPointer.CanGoForward(); }
    bool GoBackEnabled() const { return FPointer.CanGoBack(); }

    // Raised with the cursor as sender.
    TNotifyEventInt OnReachStart;
    TNotifyEventInt OnReachEnd;

private:
    std::vector<std::string> FStrings;
    TOrvNavPointer FPointer;
};
