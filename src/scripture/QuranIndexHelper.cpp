// The scripture index module.
#include "scripture/QuranIndexHelper.h"

#include "app/AppGlobals.h"

TQuranIndexHelper::TQuranIndexHelper() : TBasicTreeManager(AppPath + "QIndex.dbx", 0) {}
