// Building the page of a large category: 1,000 hadiths of about 1 KB each,
// every record deciphered and written into one page.
#include "app/AppGlobals.h"
#include "app/PageBuilder.h"
#include "app/Prefs.h"
#include "hadith/CollectionManager.h"
#include "hadith/CollectionWriter.h"
#include "hadith/HadithHelper.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int HadithTotal = 1000;

std::string HadithText(int N) {
    std::string Text = "Hadith " + std::to_string(N) + ": ";
    while (Text.size() < 1000)
        Text += "He said, <I>the deeds are judged by their intentions</I>, and more. ";
    return Text;
}

// A program folder with one collection whose hadiths all share a category.
class TLargeCategory {
public:
    TLargeCategory() {
        std::string Pattern = (fs::temp_directory_path() / "tarvix-page-bench-XXXXXX").string();
        if (!mkdtemp(Pattern.data()))
            return;
        Folder = Pattern + "/";
        TCollectionSource S;
        S.ID = "BENCH";
        S.Name = "Bench Collection";
        S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
        for (int N = 1; N <= HadithTotal; ++N) {
            S.Records.push_back({"Narrated by someone", HadithText(N)});
            S.Categories.emplace_back(N, "Intentions");
        }
        if (!WriteCollectionFile(Folder + "Bench.dbh", S))
            return;
        SetAppPath(Folder);
        SetDefaultPrefs(AppPrefs);
        HadithCollManager.AddCollection(std::make_unique<THadithHelper>(Folder + "Bench.dbh"));
        HadithCollManager.SetActiveView("Bench Collection");
        Ready = HadithCollManager.ActiveView() && HadithCollManager.ActiveView()->IsValid();
    }
    ~TLargeCategory() {
        ResetHadithCollManager();
        std::error_code Ignored;
        if (!Folder.empty())
            fs::remove_all(Folder, Ignored);
    }

    bool Ready = false;
    std::string Folder;
};

void BM_CategoryPage(benchmark::State& State) {
    TLargeCategory Content;
    if (!Content.Ready) {
        State.SkipWithError("could not build the collection");
        return;
    }
    size_t PageBytes = 0;
    for (auto _ : State) {
        const std::string Page = BuildCategoryPage("Intentions");
        PageBytes = Page.size();
        benchmark::DoNotOptimize(Page.data());
    }
    State.counters["page_bytes"] = static_cast<double>(PageBytes);
    State.SetItemsProcessed(State.iterations() * HadithTotal);
}
BENCHMARK(BM_CategoryPage)->Unit(benchmark::kMillisecond);

} // namespace
