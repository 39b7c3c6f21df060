// The program as a person meets it, on the offscreen platform: from the
// program's creation to the welcome page on screen, and a category page of
// 1,000 hadiths built and shown in the main window.
#include "app/AppGlobals.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MsgDlg.h"
#include "app/ui/Program.h"
#include "app/ui/TarvixApplication.h"
#include "controls/TreeHelpers.h"
#include "hadith/CollectionWriter.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int HadithTotal = 1000;

// A private program folder: the built content, and optionally one more
// collection whose hadiths all belong to the category "Faith".
class TBenchFolder {
public:
    explicit TBenchFolder(bool WithLargeCollection) {
        std::string Pattern = (fs::temp_directory_path() / "tarvix-start-bench-XXXXXX").string();
        if (!mkdtemp(Pattern.data()))
            return;
        Folder = Pattern + "/";
        const fs::path Dist(TARVIX_BENCH_DIST_DIR);
        if (!fs::exists(Dist / "Fenwir_English.dbh"))
            return;
        for (const fs::directory_entry& E : fs::directory_iterator(Dist))
            if (E.path().filename().string().rfind("tarvix", 0) != 0)
                fs::copy(E.path(), Folder + E.path().filename().string(),
                         fs::copy_options::recursive);
        if (WithLargeCollection && !WriteLargeCollection())
            return;
        Ready = true;
    }
    ~TBenchFolder() {
        std::error_code Ignored;
        if (!Folder.empty())
            fs::remove_all(Folder, Ignored);
    }

    bool Ready = false;
    std::string Folder;

private:
    bool WriteLargeCollection() {
        TCollectionSource S;
        S.ID = "BENCH";
        S.Name = "Bench Collection";
        S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
        for (int N = 1; N <= HadithTotal; ++N) {
            std::string Text = "Hadith " + std::to_string(N) + ": ";
            while (Text.size() < 1000)
                Text += "He said, <I>the deeds are judged by their intentions</I>, and more. ";
            S.Records.push_back({"Narrated by someone", Text});
            S.Categories.emplace_back(N, "Faith");
        }
        return WriteCollectionFile(Folder + "Bench.dbh", S);
    }
};

// Creates the program on a folder and shows it; the start-up timers are
// stopped (they open the modal verification window). Messages would wait for
// a person: a few answers are queued, and any one used means a broken run.
std::unique_ptr<TTarvixProgram> StartProgram(const std::string& Folder) {
    ResetProgramState();
    SetAppPath(Folder, "tarvix");
    TfrmMsgDlg::AnswerQueue().assign(3, mrOk);
    auto Program = std::make_unique<TTarvixProgram>();
    Program->Shell.PauseScale = 0;
    Program->Show();
    Program->Main->tmrStartUp->stop();
    Program->Main->tmrStartUp2->stop();
    // The first paint of the window and its page.
    QApplication::processEvents();
    Program->Main->repaint();
    return Program;
}

bool Broken(const TTarvixProgram& Program) {
    return TfrmMsgDlg::AnswerQueue().size() != 3 || Program.Shell.TerminateRequested();
}

void BM_StartToWelcomePage(benchmark::State& State) {
    TBenchFolder Folder(false);
    if (!Folder.Ready) {
        State.SkipWithError("no built content");
        return;
    }
    for (auto _ : State) {
        std::unique_ptr<TTarvixProgram> Program = StartProgram(Folder.Folder);
        State.PauseTiming();
        const bool Failed = Broken(*Program) || Program->Main->Browser->Html().empty();
        Program.reset();
        ResetProgramState();
        State.ResumeTiming();
        if (Failed) {
            State.SkipWithError("the program did not start cleanly");
            return;
        }
    }
}
BENCHMARK(BM_StartToWelcomePage)->Unit(benchmark::kMillisecond);

// Arg: 1 with "Automatic" counts ticked (the tree is relabelled as well).
void BM_CategoryPageShown(benchmark::State& State) {
    TBenchFolder Folder(true);
    if (!Folder.Ready) {
        State.SkipWithError("could not build the program folder");
        return;
    }
    std::unique_ptr<TTarvixProgram> Program = StartProgram(Folder.Folder);
    TfrmMain& W = *Program->Main;
    W.ChangeActiveView("Bench Collection");
    W.chkAutoCount->setChecked(State.range(0) != 0);
    TTreeNodeRef Faith = FindNodeByPath(*W.trvHadithCat, "Hadith Categories>Faith", ">");
    if (Broken(*Program) || !Faith) {
        State.SkipWithError("the program did not start cleanly");
        return;
    }
    size_t PageBytes = 0;
    for (auto _ : State) {
        State.PauseTiming();
        W.ShowWelcome();
        QApplication::processEvents();
        State.ResumeTiming();
        W.trvHadithCat->Select(Faith);
        W.Browser->viewport()->repaint();
        PageBytes = W.Browser->Html().size();
    }
    State.counters["page_bytes"] = static_cast<double>(PageBytes);
    State.SetItemsProcessed(State.iterations() * HadithTotal);
    Program.reset();
    ResetProgramState();
}
BENCHMARK(BM_CategoryPageShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // No settings file of a real user is read.
    std::string Config = (fs::temp_directory_path() / "tarvix-bench-config-XXXXXX").string();
    if (mkdtemp(Config.data()))
        setenv("XDG_CONFIG_HOME", Config.c_str(), 1);
    int Result = 0;
    {
        TTarvixApplication App(argc, argv);
        Q_INIT_RESOURCE(tarvix);
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 1;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::error_code Ignored;
    fs::remove_all(Config, Ignored);
    return Result;
}
