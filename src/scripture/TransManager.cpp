// The registry of scripture text modules.
#include "scripture/TransManager.h"

#include "app/Shell.h"
#include "data/TxError.h"

TQTransManager TransManager;

namespace {

int IndexOfModule(const std::vector<TQuranHelper*>& Modules, const TQuranHelper* Module) {
    if (!Module)
        return -1;
    for (size_t I = 0; I < Modules.size(); ++I)
        if (Modules[I] == Module)
            return static_cast<int>(I);
    return -1;
}

} // namespace

TQuranHelper* TQTransManager::FindModule(const std::string& Name) const {
    for (TQuranHelper* Module : Modules)
        if (SameTextTrim(Module->LanguageName, Name))
            return Module;
    return nullptr;
}

bool TQTransManager::IsRegistered(TQuranHelper* Module) const {
    return Module && FindModule(Module->LanguageName) != nullptr;
}

void TQTransManager::RegisterModule(TQuranHelper* Module) {
    if (Module && !IsRegistered(Module))
        Modules.push_back(Module);
}

void TQTransManager::SetArabicModule(TQuranHelper* Module) {
    ArabicIndex = -1;
    ArabicIndex = IndexOfModule(Modules, Module);
    if (ArabicIndex < 0)
        throw ETxError("Arabic Quran Module not Registered");
}

void TQTransManager::SetEnglishModule(TQuranHelper* Module) {
    EnglishIndex = -1;
    EnglishIndex = IndexOfModule(Modules, Module);
    if (EnglishIndex < 0)
        throw ETxError("English Quran Module not Registered");
}

TQuranHelper* TQTransManager::ArabicModule() const {
    if (ArabicIndex < 0 || ArabicIndex >= static_cast<int>(Modules.size()))
        return nullptr;
    return Modules[static_cast<size_t>(ArabicIndex)];
}

TQuranHelper* TQTransManager::EnglishModule() const {
    if (EnglishIndex < 0 || EnglishIndex >= static_cast<int>(Modules.size()))
        return nullptr;
    return Modules[static_cast<size_t>(EnglishIndex)];
}

bool TQTransManager::Verify() {
    for (TQuranHelper* Module : Modules) {
        Module->Verify();
        Shell().Pause(200);
    }
    return true;
}

void TQTransManager::Reset() {
    ArabicIndex = -1;
    EnglishIndex = -1;
    Modules.clear();
}
