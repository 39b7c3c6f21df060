// The main-document registry: the built-in documents and every further
// valid *.dbi file of the program folder, ordered by their priority.
#pragma once

#include "data/TextUtils.h"
#include "data/Verification.h"
#include "scripture/MainDoc.h"

#include <memory>
#include <string>
#include <vector>

class TMainDocManager : public TVerifiableObject {
public:
    // Verifies every document in list order, pausing 200 ms after each;
    // always true (the documents only report their own result).
    bool Verify() override;
    std::string GetModuleName() override { return "Main Documents Module"; }

    // Appends without any check; the registry owns the document.
    void AddDocument(std::unique_ptr<TMainDoc> Doc);
    // True when a document of the same name is registered.
    bool HasDocument(const TMainDoc& Doc) const;
    // First document whose DocName equals Name under SameTextTrim, or -1.
    int IndexOfDocument(const std::string& Name) const;
    // Loads every *.dbi of AppPath that is valid and not yet registered,
    // then orders the list by SortPriority, smallest first.
    void LoadDocuments();
    // A document the program cannot do without: one that is not valid
    // calls VerificationFailed. It is registered in any case.
    void AddBuiltInDocument(const std::string& FileName);

    int DocumentCount() const { return static_cast<int>(FDocuments.size()); }
    // ETxError "List index out of bounds (n)" outside 0..DocumentCount-1.
    TMainDoc& DocumentAt(int Index) const;
    // File names (without folder) of the rejected files.
    const TStringList& BadDocuments() const { return FBadDocuments; }

    // Frees every document and forgets the rejected files.
    void Clear();

private:
    std::vector<std::unique_ptr<TMainDoc>> FDocuments;
    TStringList FBadDocuments;
};

extern TMainDocManager MainDocManager;
// Back to the start state (tests).
void ResetMainDocManager();
