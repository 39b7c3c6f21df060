// The tree item store of one enciphered data file.
#include "scripture/BasicTreeManager.h"

#include "data/LineCipher.h"

TBasicTreeManager::TBasicTreeManager(const std::string& AFileName, int AValue)
    : FileName(AFileName), Value(AValue) {
    SetCiphered(true);
}

void TBasicTreeManager::SetCiphered(bool AValue) {
    FCiphered = AValue;
    if (!AValue) {
        OnLine = nullptr;
        return;
    }
    OnLine = [](TOrvDataObjManager*, std::string& Line, int LineIndex, bool Encode) {
        Line = Encode ? EncodeLine(Line, LineIndex) : DecodeLine(Line, LineIndex);
    };
}

bool TBasicTreeManager::LoadFromFile() {
    std::string Text;
    if (!LoadFileText(FileName, Text))
        return false;
    LoadFromStrings(TextToLines(Text));
    return true;
}

bool TBasicTreeManager::SaveToFile() {
    TStringList Lines;
    SaveToStrings(&Lines, true);
    return SaveTextToFileAtomic(LinesToText(Lines), FileName);
}
