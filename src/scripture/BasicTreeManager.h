// A tree item store bound to one data file whose lines are enciphered with
// the line cipher (each line with its 0-based index).
#pragma once

#include "scripture/OrvTreeItems.h"

#include <string>

class TBasicTreeManager : public TOrvTreeItems {
public:
    // The store starts enciphered.
    TBasicTreeManager(const std::string& AFileName, int AValue);

    std::string FileName;
    int Value;
    TStringList Strings1;
    TStringList Strings2;

    bool Ciphered() const { return FCiphered; }
    // True installs the cipher as the line event, false removes it.
    void SetCiphered(bool AValue);

    // The items of FileName; false when it cannot be read. ETxError for a
    // damaged file, as LoadFromStrings raises it.
    bool LoadFromFile();
    // Writes every item to FileName through a temporary file; false on a
    // file error.
    bool SaveToFile();

private:
    bool FCiphered = false;
};
