#include "app/ui/FormBases.h"

TfrmMainBase* MainWindow = nullptr;
TfrmInitBase* InitWindow = nullptr;
TfrmBookmarksBase* BookmarksWindow = nullptr;
