// The registry of scripture text modules and its one global instance.
#pragma once

#include "data/Verification.h"
#include "scripture/QuranHelper.h"

#include <string>
#include <vector>

class TQTransManager : public TVerifiableObject {
public:
    int ArabicIndex = -1;
    int EnglishIndex = -1;
    // In registration order; not owned (the creator of a module frees it).
    std::vector<TQuranHelper*> Modules;

    TQuranHelper* FindModule(const std::string& Name) const;
    bool IsRegistered(TQuranHelper* Module) const;
    // A second module with the same name (by SameTextTrim) is ignored.
    void RegisterModule(TQuranHelper* Module);
    // ETxError when the module is not registered; the index is then -1.
    void SetArabicModule(TQuranHelper* Module);
    void SetEnglishModule(TQuranHelper* Module);
    TQuranHelper* ArabicModule() const;
    TQuranHelper* EnglishModule() const;

    // Verifies every module in order, pausing 200 ms after each; always true
    // (a failing module has reported the failure itself).
    bool Verify() override;
    std::string GetModuleName() override { return "Qur'an Translation Modules"; }

    // Back to the empty start state (tests).
    void Reset();
};

extern TQTransManager TransManager;
