// Loading, ordering and verifying the main documents.
#include "scripture/MainDocManager.h"

#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "data/TxError.h"

#include <algorithm>

TMainDocManager MainDocManager;

namespace {

constexpr int DocumentPauseMs = 200;

} // namespace

bool TMainDocManager::Verify() {
    for (const auto& Doc : FDocuments) {
        Doc->Verify();
        Shell().Pause(DocumentPauseMs);
    }
    return true;
}

void TMainDocManager::AddDocument(std::unique_ptr<TMainDoc> Doc) {
    if (Doc)
        FDocuments.push_back(std::move(Doc));
}

bool TMainDocManager::HasDocument(const TMainDoc& Doc) const {
    return IndexOfDocument(Doc.DocName()) != -1;
}

int TMainDocManager::IndexOfDocument(const std::string& Name) const {
    for (size_t i = 0; i < FDocuments.size(); ++i)
        if (SameTextTrim(FDocuments[i]->DocName(), Name))
            return static_cast<int>(i);
    return -1;
}

void TMainDocManager::LoadDocuments() {
    if (VerificationHasFailed)
        return;
    TStringList Files;
    ListFolder(AppPath + "*.dbi", faArchive | faReadOnly, Files);
    for (const std::string& Name : Files) {
        try {
            auto Doc = std::make_unique<TMainDoc>(AppPath + Name);
            if (!Doc->IsValid())
                FBadDocuments.push_back(Name);
            else if (!HasDocument(*Doc))
                AddDocument(std::move(Doc));
        } catch (const ETxError&) {
            FBadDocuments.push_back(Name);
        }
    }
    // Stable, so documents of equal priority keep the order they were added
    // in (the built-in ones first).
    std::stable_sort(FDocuments.begin(), FDocuments.end(),
                     [](const std::unique_ptr<TMainDoc>& A, const std::unique_ptr<TMainDoc>& B) {
                         return A->SortPriority() < B->SortPriority();
                     });
}

void TMainDocManager::AddBuiltInDocument(const std::string& FileName) {
    if (VerificationHasFailed)
        return;
    auto Doc = std::make_unique<TMainDoc>(FileName);
    if (!Doc->IsValid())
        VerificationFailed();
    AddDocument(std::move(Doc));
}

TMainDoc& TMainDocManager::DocumentAt(int Index) const {
    if (Index < 0 || Index >= DocumentCount())
        throw ETxError("List index out of bounds (" + std::to_string(Index) + ")");
    return *FDocuments[static_cast<size_t>(Index)];
}

void TMainDocManager::Clear() {
    FDocuments.clear();
    FBadDocuments.clear();
}

void ResetMainDocManager() {
    MainDocManager.Clear();
}
