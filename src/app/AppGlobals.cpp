#include "app/AppGlobals.h"

std::string AppPath;
std::string AppExeName;
std::string AppTitle = "Tarvix";
std::string AppVersion = "1.81";
uint8_t OSKind = OSKindUnknown;
bool StartedWithFile = false;
std::string GImgURL;
std::string QImgURL;
std::string HImgURL;

void SetAppPath(const std::string& Folder, const std::string& ExeName) {
    AppPath = Folder;
    if (AppPath.empty() || AppPath.back() != '/')
        AppPath += '/';
    AppExeName = AppPath + ExeName;
    GImgURL = "res://" + AppExeName + "/GIMG/";
    QImgURL = "res://" + AppExeName + "/QIMG/";
    HImgURL = "res://" + AppExeName + "/HIMG/";
}

void ResetAppGlobals() {
    AppPath.clear();
    AppExeName.clear();
    AppTitle = "Tarvix";
    AppVersion = "1.81";
    OSKind = OSKindUnknown;
    StartedWithFile = false;
    GImgURL.clear();
    QImgURL.clear();
    HImgURL.clear();
}
