// Verifiable modules, the verification registry and the failure routine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TVerifiableObject {
public:
    virtual ~TVerifiableObject() = default;
    virtual bool Verify() = 0;
    virtual std::string GetModuleName() = 0;
};

// What VerifyAll drives: the verification window, or a fake in tests.
class TVerifyView {
public:
    virtual ~TVerifyView() = default;
    virtual void FillModuleList(const std::vector<std::string>& Names) = 0;
    virtual void SetButtonsEnabled(bool Enabled) = 0;
    virtual void TickModule(int Index) = 0;
    virtual void SetStatus(const std::string& Text) = 0;
    virtual void Repaint() = 0;
    virtual bool AutoClose() const = 0;
    virtual void CloseWindow() = 0;
};

class TVerificationManager {
public:
    void AddModule(TVerifiableObject* Module); // not owned; no duplicate check
    void Clear();
    const std::vector<TVerifiableObject*>& Modules() const { return FModules; }
    std::vector<std::string> ModuleNames() const;
    void VerifyAll(TVerifyView& View);

private:
    std::vector<TVerifiableObject*> FModules;
};

extern TVerificationManager VerificationManager;
extern bool VerificationHasFailed;

void VerificationFailed();
// Fingerprint of a module's file, shown on the verification window's status
// line while the module is checked.
std::string FingerprintForVerify(const std::string& FileName, int64_t Skip);
// Back to the start state (tests).
void ResetVerification();

// The program's self-check, "Application System Core": the line cipher must
// round-trip known lines and the key template must be a well-formed pattern.
// A failure calls VerificationFailed.
class TAppVerify : public TVerifiableObject {
public:
    bool Verify() override;
    std::string GetModuleName() override { return "Application System Core"; }
};
