#include "windows/ui/FontSupport.h"

#include "windows/ReqFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void InstallFontSubstitutes() {
    static bool Installed = false;
    if (Installed)
        return;
    Installed = true;
    for (const TFontSubstitute& S : FontSubstitutes())
        QFont::insertSubstitution(QString::fromStdString(S.Family),
                                  QString::fromStdString(S.Substitute));
}

TStringList InstalledFontFamilies() {
    TStringList Families;
    for (const QString& Family : QFontDatabase::families())
        Families.push_back(Family.toStdString());
    return Families;
}
