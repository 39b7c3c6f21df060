// The base of the recitation modules: the file name of every verse's
// recitation, looked up by the verse's absolute number.
#pragma once

#include "data/Verification.h"
#include "scripture/ChapterTable.h"

#include <array>
#include <string>

class TQuranAudio : public TVerifiableObject {
public:
    virtual void LoadAudioIndex() = 0;

    // The entry of the verse with absolute number Number (1-6236); empty
    // outside that range or when the index did not name it.
    const std::string& VerseFile(int Number) const {
        static const std::string None;
        return Number >= 1 && Number <= TotalVerseCount ? FVerseFiles[Number - 1] : None;
    }

protected:
    void SetVerseFile(int Number, const std::string& Name) {
        if (Number >= 1 && Number <= TotalVerseCount)
            FVerseFiles[Number - 1] = Name;
    }

private:
    std::array<std::string, TotalVerseCount> FVerseFiles;
};
