// A shell for tests: records every message and answers from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/Shell.h"

struct TRecordedMessage {
    uint8_t Kind;
    int Height;
    std::string Heading;
    std::string Text;
    uint16_t Buttons;
};

class TFakeShell : public TShell {
public:
    TFakeShell() { SetShell(this); }
    ~TFakeShell() override { SetShell(nullptr); }

    int ShowMessage(uint8_t Kind, int Height, bool ColouredHeading, const std::string& Heading,
                    const std::string& Text, uint16_t Buttons) override;
    void SetLoadCaption(const std::string& Text) override { Captions.push_back(Text); }
    void SetProgressMax(int Value) override { ProgressMax = Value; }
    void SetProgressPos(int Value) override { ProgressPositions.push_back(Value); }
    void ProcessEvents() override { ++EventRuns; }
    void Pause(int Milliseconds) override { Pauses.push_back(Milliseconds); }
    void SetVerifyStatus(const std::string& Text) override { VerifyStatus.push_back(Text); }
    void Terminate() override { ++TerminateRequests; }

    std::deque<int> Answers; // next answers; mrOk (or mrYes for questions) when empty
    std::vector<TRecordedMessage> Messages;
    std::vector<std::string> Captions;
    std::vector<int> ProgressPositions;
    std::vector<int> Pauses;
    std::vector<std::string> VerifyStatus;
    int ProgressMax = 0;
    int EventRuns = 0;
    int TerminateRequests = 0;
};
