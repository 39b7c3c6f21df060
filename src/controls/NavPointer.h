// A cursor over positions 0 to Count-1 that keeps a "back" and a "forward"
// button enabled exactly when a step that way is possible.
#pragma once

#include "controls/NavButton.h"

#include <functional>

// Sender and position of a cursor event.
using TNotifyEventInt = std::function<void(void* Sender, int aVal)>;

class TOrvNavPointer {
public:
    explicit TOrvNavPointer(int ACount);

    // Either button may be nullptr; neither is owned.
    void SetButtons(TNavButton* Back, TNavButton* Forward);
    // Keeps Index as it is.
    void SetCount(int N);
    // Raises ETxError "Pointer Index out of bounds!" outside 0..Count-1 and
    // changes nothing then.
    void SetIndex(int I);
    // Back to "no position taken" over N positions.
    void Reset(int N);
    void GoNext();
    void GoPrev();
    void UpdateState();

    TNavButton* BackButton() const { return FBackButton; }
    TNavButton* ForwardButton() const { return FForwardButton; }
    bool CanGoForward() const { return FCanGoForward; }
    bool CanGoBack() const { return FCanGoBack; }
    int Count() const { return FCount; }
    int Index() const { return FIndex; }

    TNotifyEventInt OnReachStart; // a step back ended on position 0
    TNotifyEventInt OnReachEnd;   // a step forward ended on the last position
    TNotifyEventInt OnMove;       // the position was set directly

private:
    TNavButton* FBackButton = nullptr;
    TNavButton* FForwardButton = nullptr;
    bool FCanGoForward = false;
    bool FCanGoBack = false;
    int FCount = 0;
    int FIndex = -1;
};
