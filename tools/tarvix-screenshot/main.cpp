// tarvix-screenshot: starts Tarvix on a program folder and saves pictures of
// the main window on a category page and on a hadith page with a verse table.
// scripts/screenshot runs it under a virtual display.
#include "app/AppGlobals.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Program.h"
#include "app/ui/TarvixApplication.h"
#include "controls/TreeHelpers.h"
#include "scripture/ui/GlossaryWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void RunEvents(int Milliseconds) {
    QElapsedTimer Clock;
    Clock.start();
    while (Clock.elapsed() < Milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Save(QWidget& Window, const QString& File) {
    RunEvents(300);
    if (!Window.grab().save(File)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
        return false;
    }
    std::printf("%s\n", qPrintable(File));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tarvix-screenshot PROGRAM_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    // A private settings folder: the pictures show the default settings.
    QTemporaryDir Config;
    qputenv("XDG_CONFIG_HOME", Config.path().toLocal8Bit());
    TTarvixApplication App(argc, argv);
    Q_INIT_RESOURCE(tarvix);
    SetAppPath(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath().toStdString());
    const QString Out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(Out);

    TTarvixProgram Program;
    if (Program.Shell.TerminateRequested()) {
        std::fprintf(stderr, "Tarvix did not start: its content failed verification\n");
        return 1;
    }
    Program.Shell.PauseScale = 0;
    Program.Show();
    TfrmMain& Main = *Program.Main;
    Main.tmrStartUp2->stop(); // no verification window or tips over the pictures
    Main.resize(1000, 720);
    RunEvents(700);
    Main.tmrStartUp2->stop();

    bool Ok = true;
    Main.ChangeActiveView("Fenwir (English)");
    Main.OpenCategoryInCollection("Fenwir (English)", "Faith");
    Ok &= Save(Main, Out + "/category-page.png");
    Main.ShowHadith(34);
    Ok &= Save(Main, Out + "/hadith-page.png");
    Main.ChangeActiveView("Dorrel and Anvesh (Arabic)");
    Main.ShowHadith(13);
    Ok &= Save(Main, Out + "/arabic-hadith-page.png");
    Main.ShowWelcome();
    Ok &= Save(Main, Out + "/welcome-page.png");
    // A double-click on "salat" in a page opens the glossary at its term.
    Main.Links.ShowTerm("salat", true);
    Ok &= Save(*Program.Gloss, Out + "/glossary.png");
    return Ok ? 0 : 1;
}
