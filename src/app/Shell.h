// The core's only way to the screen. The Qt program implements TShell; tests
// install a fake; the command-line tool uses the quiet default.
#pragma once

#include <cstdint>
#include <string>

#include "app/MsgDlgTypes.h"

class TShell {
public:
    virtual ~TShell() = default;

    // Shows the program's message box modally and returns the modal result.
    virtual int ShowMessage(uint8_t Kind, int Height, bool ColouredHeading,
                            const std::string& Heading, const std::string& Text,
                            uint16_t Buttons) = 0;

    // Start-up window progress.
    virtual void SetLoadCaption(const std::string& Text) { (void)Text; }
    virtual void SetProgressMax(int Value) { (void)Value; }
    virtual void SetProgressPos(int Value) { (void)Value; }

    // Lets pending window events run (paint, timers).
    virtual void ProcessEvents() {}
    // Blocks the thread for a while; the UI keeps painting meanwhile.
    virtual void Pause(int Milliseconds) { (void)Milliseconds; }
    // Status line of the verification window, when it exists.
    virtual void SetVerifyStatus(const std::string& Text) { (void)Text; }
    // Asks the application to end after the current event.
    virtual void Terminate() {}
};

// The installed shell; a quiet default (messages to stderr, answered mrOk)
// until the program or a test installs its own. Not owned.
TShell& Shell();
void SetShell(TShell* NewShell);

// Every message of the program goes through here.
int ShowMsgDlg(uint8_t Kind, int Height, bool ColouredHeading, const std::string& Heading,
               const std::string& Text, uint16_t Buttons);

// Progress of the content loaders on the start-up window.
void InitCaption(const std::string& Text);
void InitProgressMax(int Value);
void InitProgressPos(int Value);
