#include "support/FakeShell.h"

int TFakeShell::ShowMessage(uint8_t Kind, int Height, bool, const std::string& Heading,
                            const std::string& Text, uint16_t Buttons) {
    Messages.push_back({Kind, Height, Heading, Text, Buttons});
    if (!Answers.empty()) {
        int Answer = Answers.front();
        Answers.pop_front();
        return Answer;
    }
    return (Buttons & 1) ? mrYes : mrOk;
}
