#include "controls/NavPointer.h"

#include "data/TxError.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct TFakeButton : TNavButton {
    void SetEnabled(bool Enabled) override {
        this->Enabled = Enabled;
        ++Calls;
    }
    bool Enabled = true; // a fresh button is enabled until the cursor says otherwise
    int Calls = 0;
};

// A cursor wired to two fake buttons and recording its events.
struct TCursorRig {
    explicit TCursorRig(int Count) : Cursor(Count) {
        Cursor.SetButtons(&Back, &Forward);
        Cursor.OnReachStart = [this](void* Sender, int aVal) { Record("start", Sender, aVal); };
        Cursor.OnReachEnd = [this](void* Sender, int aVal) { Record("end", Sender, aVal); };
        Cursor.OnMove = [this](void* Sender, int aVal) { Record("move", Sender, aVal); };
    }
    void Record(const char* Name, void* Sender, int aVal) {
        EXPECT_EQ(Sender, &Cursor);
        Events.emplace_back(Name, aVal);
    }
    TFakeButton Back, Forward;
    TOrvNavPointer Cursor;
    std::vector<std::pair<std::string, int>> Events;
};

using TEvents = std::vector<std::pair<std::string, int>>;

} // namespace

TEST(NavPointer, WalksSixPagesWithButtonsAndEndEvents) {
    TCursorRig Rig(6);
    EXPECT_EQ(Rig.Cursor.Index(), -1);
    EXPECT_FALSE(Rig.Back.Enabled);
    EXPECT_FALSE(Rig.Forward.Enabled);

    Rig.Cursor.SetIndex(0);
    EXPECT_FALSE(Rig.Back.Enabled);
    EXPECT_TRUE(Rig.Forward.Enabled);
    EXPECT_EQ(Rig.Events, (TEvents{{"move", 0}}));

    Rig.Events.clear();
    for (int Step = 1; Step <= 5; ++Step) {
        Rig.Cursor.GoNext();
        EXPECT_EQ(Rig.Cursor.Index(), Step);
        EXPECT_TRUE(Rig.Back.Enabled);
        EXPECT_EQ(Rig.Forward.Enabled, Step < 5) << "step " << Step;
    }
    EXPECT_EQ(Rig.Events, (TEvents{{"end", 5}}));

    // At the end a further step stays put but reports the end again.
    Rig.Cursor.GoNext();
    EXPECT_EQ(Rig.Cursor.Index(), 5);
    EXPECT_EQ(Rig.Events, (TEvents{{"end", 5}, {"end", 5}}));

    Rig.Events.clear();
    for (int Step = 4; Step >= 0; --Step)
        Rig.Cursor.GoPrev();
    EXPECT_EQ(Rig.Cursor.Index(), 0);
    EXPECT_FALSE(Rig.Back.Enabled);
    EXPECT_TRUE(Rig.Forward.Enabled);
    EXPECT_EQ(Rig.Events, (TEvents{{"start", 0}}));

    Rig.Cursor.GoPrev();
    EXPECT_EQ(Rig.Cursor.Index(), 0);
    EXPECT_EQ(Rig.Events, (TEvents{{"start", 0}, {"start", 0}}));
}

TEST(NavPointer, SingleAndEmptyRanges) {
    TCursorRig One(1);
    One.Cursor.SetIndex(0);
    EXPECT_FALSE(One.Back.Enabled);
    EXPECT_FALSE(One.Forward.Enabled);
    One.Cursor.GoNext();
    One.Cursor.GoPrev();
    EXPECT_EQ(One.Cursor.Index(), 0);
    EXPECT_EQ(One.Events, (TEvents{{"move", 0}, {"end", 0}, {"start", 0}}));

    TCursorRig Empty(0);
    Empty.Cursor.GoNext();
    Empty.Cursor.GoPrev();
    EXPECT_EQ(Empty.Cursor.Index(), -1);
    EXPECT_TRUE(Empty.Events.empty());
    EXPECT_FALSE(Empty.Back.Enabled);
    EXPECT_FALSE(Empty.Forward.Enabled);
}

TEST(NavPointer, StepsFromNoPosition) {
    TCursorRig Forward(3);
    Forward.Cursor.GoNext();
    EXPECT_EQ(Forward.Cursor.Index(), 0);
    EXPECT_FALSE(Forward.Back.Enabled);
    EXPECT_TRUE(Forward.Forward.Enabled);
    EXPECT_TRUE(Forward.Events.empty());

    // Backwards from no position stays there and says nothing.
    TCursorRig Backward(3);
    Backward.Cursor.GoPrev();
    EXPECT_EQ(Backward.Cursor.Index(), -1);
    EXPECT_FALSE(Backward.Back.Enabled);
    EXPECT_FALSE(Backward.Forward.Enabled);
    EXPECT_TRUE(Backward.Events.empty());
}

TEST(NavPointer, RefusesIndexOutsideRangeAndChangesNothing) {
    struct TCase {
        int Start; // -1: no position taken
        int Bad;
    };
    const TCase Cases[] = {{-1, -1}, {-1, 4}, {2, 4}, {2, 5}, {2, -1}, {3, -7}, {0, 1000}};
    for (const TCase& Case : Cases) {
        TCursorRig Rig(4);
        if (Case.Start >= 0)
            Rig.Cursor.SetIndex(Case.Start);
        const bool Back = Rig.Back.Enabled, Forward = Rig.Forward.Enabled;
        Rig.Events.clear();
        try {
            Rig.Cursor.SetIndex(Case.Bad);
            ADD_FAILURE() << "index " << Case.Bad << " accepted";
        } catch (const ETxError& E) {
            EXPECT_STREQ(E.what(), "Pointer Index out of bounds!");
        }
        EXPECT_EQ(Rig.Cursor.Index(), Case.Start) << "bad index " << Case.Bad;
        EXPECT_EQ(Rig.Back.Enabled, Back);
        EXPECT_EQ(Rig.Forward.Enabled, Forward);
        EXPECT_TRUE(Rig.Events.empty());
    }
}

TEST(NavPointer, SetCountKeepsPositionAndUpdatesButtons) {
    TCursorRig Rig(3);
    Rig.Cursor.SetIndex(2);
    EXPECT_FALSE(Rig.Forward.Enabled);
    Rig.Cursor.SetCount(5);
    EXPECT_EQ(Rig.Cursor.Index(), 2);
    EXPECT_TRUE(Rig.Forward.Enabled);
    EXPECT_TRUE(Rig.Back.Enabled);
}

TEST(NavPointer, WorksWithOneOrNoButton) {
    TFakeButton Forward;
    TOrvNavPointer Cursor(2);
    Cursor.SetButtons(nullptr, &Forward);
    Cursor.SetIndex(0);
    EXPECT_TRUE(Forward.Enabled);
    EXPECT_FALSE(Cursor.CanGoBack());
    Cursor.GoNext();
    EXPECT_FALSE(Forward.Enabled);
    EXPECT_TRUE(Cursor.CanGoBack());

    TOrvNavPointer Bare(2);
    Bare.GoNext();
    Bare.GoNext();
    EXPECT_EQ(Bare.Index(), 1);
    EXPECT_TRUE(Bare.CanGoBack());
    EXPECT_FALSE(Bare.CanGoForward());
}
