// The installed shell and the forwarding routines.
#include "app/Shell.h"

#include <iostream>

namespace {

class TQuietShell : public TShell {
public:
    int ShowMessage(uint8_t, int, bool, const std::string& Heading, const std::string& Text,
                    uint16_t Buttons) override {
        std::cerr << Heading << ": " << Text << '\n';
        if (Buttons == mbsYesNo || Buttons == mbsYesNoCancel)
            return mrYes;
        return mrOk;
    }
};

TQuietShell QuietShell;
TShell* CurrentShell = &QuietShell;

} // namespace

TShell& Shell() { return *CurrentShell; }

void SetShell(TShell* NewShell) { CurrentShell = NewShell ? NewShell : &QuietShell; }

int ShowMsgDlg(uint8_t Kind, int Height, bool ColouredHeading, const std::string& Heading,
               const std::string& Text, uint16_t Buttons) {
    return Shell().ShowMessage(Kind, Height, ColouredHeading, Heading, Text, Buttons);
}

void InitCaption(const std::string& Text) { Shell().SetLoadCaption(Text); }
void InitProgressMax(int Value) { Shell().SetProgressMax(Value); }
void InitProgressPos(int Value) { Shell().SetProgressPos(Value); }
