// Back/forward cursor.
#include "controls/NavPointer.h"

#include "data/TxError.h"

TOrvNavPointer::TOrvNavPointer(int ACount) : FCount(ACount) {
    UpdateState();
}

void TOrvNavPointer::SetButtons(TNavButton* Back, TNavButton* Forward) {
    FBackButton = Back;
    FForwardButton = Forward;
    UpdateState();
}

void TOrvNavPointer::SetCount(int N) {
    FCount = N;
    UpdateState();
}

void TOrvNavPointer::SetIndex(int I) {
    if (I < 0 || I >= FCount)
        throw ETxError("Pointer Index out of bounds!");
    FIndex = I;
    UpdateState();
    if (OnMove)
        OnMove(this, FIndex);
}

void TOrvNavPointer::Reset(int N) {
    FCount = N;
    FIndex = -1;
    UpdateState();
}

void TOrvNavPointer::GoNext() {
    if (FCount == 0)
        return;
    if (FIndex < FCount - 1)
        ++FIndex;
    UpdateState();
    // Raised on the last position even when already there, so an owner can
    // react to a click on a button that should have been disabled.
    if (FIndex == FCount - 1 && OnReachEnd)
        OnReachEnd(this, FIndex);
}

void TOrvNavPointer::GoPrev() {
    if (FCount == 0)
        return;
    if (FIndex > 0)
        --FIndex;
    UpdateState();
    if (FIndex == 0 && OnReachStart)
        OnReachStart(this, FIndex);
}

void TOrvNavPointer::UpdateState() {
    FCanGoBack = FIndex != 0 && FIndex != -1;
    FCanGoForward = FIndex != FCount - 1 && FIndex != -1;
    if (FBackButton)
        FBackButton->SetEnabled(FCanGoBack);
    if (FForwardButton)
        FForwardButton->SetEnabled(FCanGoForward);
}
