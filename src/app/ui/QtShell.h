// The shell of the Qt program: messages in the program's message box,
// progress on the start-up window, pauses that keep windows painted.
#pragma once

#include "app/Shell.h"

#include <functional>

class TQtShell : public TShell {
public:
    int ShowMessage(uint8_t Kind, int Height, bool ColouredHeading, const std::string& Heading,
                    const std::string& Text, uint16_t Buttons) override;
    void SetLoadCaption(const std::string& Text) override;
    void SetProgressMax(int Value) override;
    void SetProgressPos(int Value) override;
    void ProcessEvents() override;
    void Pause(int Milliseconds) override;
    void SetVerifyStatus(const std::string& Text) override;
    void Terminate() override;

    bool TerminateRequested() const { return FTerminateRequested; }

    // Pauses last this share of the time asked for (tests and tools: 0).
    double PauseScale = 1.0;

    // Set by the windows that own these displays; empty until then.
    std::function<void(const std::string&)> OnLoadCaption;
    std::function<void(int)> OnProgressMax;
    std::function<void(int)> OnProgressPos;
    std::function<void(const std::string&)> OnVerifyStatus;
    // Runs before every message (the start-up window hides itself).
    std::function<void()> OnBeforeMessage;

private:
    bool FTerminateRequested = false;
};
