// Visited-items log with its cursor.
#include "controls/HistoryList.h"

TOrvHistoryList::TOrvHistoryList() : FPointer(0) {
    FPointer.OnReachStart = [this](void* Sender, int aVal) {
        if (OnReachStart)
            OnReachStart(Sender, aVal);
    };
    FPointer.OnReachEnd = [this](void* Sender, int aVal) {
        if (OnReachEnd)
            OnReachEnd(Sender, aVal);
    };
}

int TOrvHistoryList::Add(const std::string& S) {
    FStrings.push_back(S);
    const int Last = Count() - 1;
    FPointer.SetCount(Count());
    FPointer.SetIndex(Last);
    return Last;
}

void TOrvHistoryList::Assign(const std::vector<std::string>& Source) {
    FStrings = Source;
    // An empty list has no first entry to stand on.
    if (FStrings.empty()) {
        FPointer.Reset(0);
        return;
    }
    FPointer.SetCount(Count());
    FPointer.SetIndex(0);
}

void TOrvHistoryList::GoForward() {
    FPointer.GoNext();
}

void TOrvHistoryList::GoBack() {
    FPointer.GoPrev();
}

void TOrvHistoryList::SetButtons(TNavButton* Back, TNavButton* Forward) {
    FPointer.SetButtons(Back, Forward);
}

std::string TOrvHistoryList::Strings(int Index) const {
    if (Index < 0 || Index >= Count())
        return std::string();
    return FStrings[static_cast<size_t>(Index)];
}
