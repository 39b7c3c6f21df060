#include "controls/HistoryList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TFakeButton : TNavButton {
    void SetEnabled(bool Enabled) override { this->Enabled = Enabled; }
    bool Enabled = true;
};

using TLines = std::vector<std::string>;

// Walks like the glossary does: step, then read the entry at Current.
std::string Back(TOrvHistoryList& History) {
    History.GoBack();
    return History.Strings(History.Current());
}

std::string Forward(TOrvHistoryList& History) {
    History.GoForward();
    return History.Strings(History.Current());
}

} // namespace

TEST(HistoryList, StartsEmptyWithoutPosition) {
    TFakeButton BackButton, ForwardButton;
    TOrvHistoryList History;
    History.SetButtons(&BackButton, &ForwardButton);
    EXPECT_EQ(History.Count(), 0);
    EXPECT_EQ(History.Current(), -1);
    EXPECT_FALSE(BackButton.Enabled);
    EXPECT_FALSE(ForwardButton.Enabled);
    History.GoBack();
    History.GoForward();
    EXPECT_EQ(History.Current(), -1);
}

TEST(HistoryList, AddAppendsAtTheEndWhateverThePosition) {
    TOrvHistoryList History;
    History.Add("A");
    History.Add("B");
    History.GoBack();
    EXPECT_EQ(History.Current(), 0);
    EXPECT_EQ(History.Add("C"), 2);
    EXPECT_EQ(History.Items(), (TLines{"A", "B", "C"}));
    EXPECT_EQ(History.Current(), 2);
}

TEST(HistoryList, VisitingAfterGoingBackKeepsLaterEntries) {
    TOrvHistoryList History;
    for (const char* Term : {"A", "B", "C"})
        History.Add(Term);
    EXPECT_EQ(Back(History), "B");
    EXPECT_EQ(Back(History), "A");
    History.Add("D");
    EXPECT_EQ(History.Items(), (TLines{"A", "B", "C", "D"}));
    EXPECT_EQ(History.Current(), 3);
    EXPECT_EQ(Back(History), "C");
    EXPECT_EQ(Back(History), "B");
    EXPECT_EQ(Forward(History), "C");
    EXPECT_EQ(Forward(History), "D");
    EXPECT_EQ(Forward(History), "D"); // stays at the end
}

TEST(HistoryList, EveryAddLeavesForwardOffAndBackOnFromTwoEntries) {
    TFakeButton BackButton, ForwardButton;
    TOrvHistoryList History;
    History.SetButtons(&BackButton, &ForwardButton);
    // Repeats are logged as visits of their own.
    const TLines Visits{"A", "A", "B", "A", "C"};
    for (size_t I = 0; I < Visits.size(); ++I) {
        if (I == 3) { // wander back first: Add must still land at the end
            History.GoBack();
            History.GoBack();
            EXPECT_TRUE(ForwardButton.Enabled);
        }
        EXPECT_EQ(History.Add(Visits[I]), static_cast<int>(I));
        EXPECT_EQ(History.Pointer().Count(), History.Count());
        EXPECT_EQ(History.Current(), static_cast<int>(I));
        EXPECT_FALSE(ForwardButton.Enabled);
        EXPECT_FALSE(History.GoForwardEnabled());
        EXPECT_EQ(BackButton.Enabled, I >= 1) << "after " << I + 1 << " entries";
        EXPECT_EQ(History.GoBackEnabled(), I >= 1);
    }
    EXPECT_EQ(History.Items(), Visits);
}

TEST(HistoryList, PassesEndEventsOnWithTheCursorAsSender) {
    TOrvHistoryList History;
    std::vector<std::string> Events;
    History.OnReachStart = [&](void* Sender, int aVal) {
        EXPECT_EQ(Sender, &History.Pointer());
        Events.push_back("start " + std::to_string(aVal));
    };
    History.OnReachEnd = [&](void* Sender, int aVal) {
        EXPECT_EQ(Sender, &History.Pointer());
        Events.push_back("end " + std::to_string(aVal));
    };
    History.Add("A");
    History.Add("B");
    EXPECT_TRUE(Events.empty()); // Add moves directly, it does not step
    History.GoForward();
    History.GoBack();
    History.GoBack();
    EXPECT_EQ(Events, (TLines{"end 1", "start 0", "start 0"}));
}

TEST(HistoryList, AssignCopiesAndMovesToTheFirstEntry) {
    TFakeButton BackButton, ForwardButton;
    TOrvHistoryList History;
    History.SetButtons(&BackButton, &ForwardButton);
    for (const char* Term : {"x", "y", "z", "w"})
        History.Add(Term);

    History.Assign({"A", "B"});
    EXPECT_EQ(History.Items(), (TLines{"A", "B"}));
    EXPECT_EQ(History.Pointer().Count(), 2);
    EXPECT_EQ(History.Current(), 0);
    EXPECT_FALSE(BackButton.Enabled);
    EXPECT_TRUE(ForwardButton.Enabled);

    // An empty source leaves no position rather than failing half-way.
    History.Assign({});
    EXPECT_EQ(History.Count(), 0);
    EXPECT_EQ(History.Pointer().Count(), 0);
    EXPECT_EQ(History.Current(), -1);
    EXPECT_FALSE(BackButton.Enabled);
    EXPECT_FALSE(ForwardButton.Enabled);
    EXPECT_EQ(History.Strings(History.Current()), "");
    EXPECT_EQ(History.Add("C"), 0);
    EXPECT_EQ(History.Current(), 0);
}
