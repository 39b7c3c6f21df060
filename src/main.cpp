// Tarvix: a reader of hadith collections.
#include "app/AppGlobals.h"
#include "app/ui/Program.h"
#include "app/ui/TarvixApplication.h"

#include <QFileInfo>

int main(int argc, char** argv) {
    TTarvixApplication App(argc, argv);
    Q_INIT_RESOURCE(tarvix);
    SetAppPath(QCoreApplication::applicationDirPath().toStdString(),
               QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
    const std::string FirstArgument = argc > 1 ? argv[1] : "";
    TTarvixProgram Program(FirstArgument);
    if (Program.Shell.TerminateRequested())
        return 1;
    Program.Show();
    return App.exec();
}
