// The scripture index module over QIndex.dbx in the program folder. The
// program creates it at start and frees it at the end; nothing reads its items.
#pragma once

#include "scripture/BasicTreeManager.h"

class TQuranIndexHelper : public TBasicTreeManager {
public:
    // Bound to AppPath + "QIndex.dbx".
    TQuranIndexHelper();

    TStringList IndexStrings;
};
