// The verification registry, its run over every module, the one failure
// message and the program's self-check.
#include "data/Verification.h"

#include "app/MsgDlgTypes.h"
#include "app/Shell.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"

TVerificationManager VerificationManager;
bool VerificationHasFailed = false;

namespace {

constexpr int ModulePauseMs = 400;

const char* const FailureText =
    "Severe Software Error:  Verification Failed\r\n\r\n"
    "One or more of the Program/Data Files have failed Validation.\r\n\r\n"
    "This problem could be caused by any of the following:-\r\n\r\n"
    "1) This Software may have been Tampered with.\r\n"
    "2) Faulty Installation or Files Deleted\r\n"
    "3) Your computer may be infected with a Virus\r\n\r\n"
    "Recommendation:-\r\n\r\n"
    "Re-install this Software again.";

} // namespace

void TVerificationManager::AddModule(TVerifiableObject* Module) {
    if (Module)
        FModules.push_back(Module);
}

void TVerificationManager::Clear() {
    FModules.clear();
}

std::vector<std::string> TVerificationManager::ModuleNames() const {
    std::vector<std::string> Names;
    Names.reserve(FModules.size());
    for (TVerifiableObject* Module : FModules)
        Names.push_back(Module->GetModuleName());
    return Names;
}

void TVerificationManager::VerifyAll(TVerifyView& View) {
    View.FillModuleList(ModuleNames());
    View.SetButtonsEnabled(false);
    View.Repaint();

    // By index: a module's Verify may register further modules.
    bool LastPassed = false;
    const size_t Count = FModules.size();
    for (size_t i = 0; i < Count && i < FModules.size(); ++i) {
        LastPassed = FModules[i]->Verify();
        Shell().Pause(ModulePauseMs);
        if (LastPassed)
            View.TickModule(static_cast<int>(i));
    }
    // Only the last module decides; a failing one has normally ended the
    // program through VerificationFailed already.
    if (Count > 0 && LastPassed)
        View.SetStatus("Verification Complete - Passed.");

    if (View.AutoClose())
        View.CloseWindow();
    else
        View.SetButtonsEnabled(true);
}

void VerificationFailed() {
    if (VerificationHasFailed)
        return;
    ShowMsgDlg(mkCritical, MsgHeightLarge, true, "Verification Failed!", FailureText, mbsOK);
    VerificationHasFailed = true;
    Shell().Terminate();
}

void ResetVerification() {
    VerificationManager.Clear();
    VerificationHasFailed = false;
}

std::string FingerprintForVerify(const std::string& FileName, int64_t Skip) {
    std::string Fingerprint = FileFingerprint(FileName, Skip);
    Shell().SetVerifyStatus(Fingerprint);
    return Fingerprint;
}

namespace {

bool KeyTemplateIsWellFormed(const std::string& Template) {
    if (Template.size() != 41)
        return false;
    size_t Percents = 0;
    for (unsigned char C : Template) {
        if (C < 32 || C > 126)
            return false;
        if (C == '%')
            ++Percents;
    }
    return Percents == 1 && Template.find("%d") != std::string::npos;
}

bool CipherRoundTrips() {
    static const std::string Sample = "Tarvix\tself-check 0123456789 \xC3\xA9\r\n|end";
    for (int Index : {0, 1, 7, 1000003}) {
        const std::string Enciphered = EncodeLine(Sample, Index);
        if (Enciphered.empty() || Enciphered == Sample || DecodeLine(Enciphered, Index) != Sample)
            return false;
    }
    // The key must depend on the line index.
    return EncodeLine(Sample, 0) != EncodeLine(Sample, 1);
}

} // namespace

bool TAppVerify::Verify() {
    bool Passed = false;
    try {
        Passed = KeyTemplateIsWellFormed(KeyTemplate()) && CipherRoundTrips();
    } catch (const ETxError&) {
        Passed = false;
    }
    if (!Passed)
        VerificationFailed();
    return Passed;
}
