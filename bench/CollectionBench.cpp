// Collection loading and the whole-collection operations on a synthetic
// collection of 10,000 hadiths of about 1 KB each.
#include "hadith/CollectionWriter.h"
#include "hadith/HadithHelper.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

const int BenchHadithCount = 10000;

// The collection file, written once into a temporary folder removed at exit.
class TBenchCollection {
public:
    TBenchCollection() {
        std::string Pattern =
            (std::filesystem::temp_directory_path() / "tarvix-bench-XXXXXX").string();
        if (!mkdtemp(Pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        FFolder = Pattern;
        FFileName = FFolder + "/Bench.dbh";

        TCollectionSource S;
        S.ID = "BENCH";
        S.Name = "Benchmark Collection";
        S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
        std::string Filler;
        while (Filler.size() < 900)
            Filler += "The reader browses hadith texts of the collection. ";
        for (int N = 1; N <= BenchHadithCount; ++N) {
            std::string Text = "Hadith " + std::to_string(N) + ". " + Filler;
            if (N % 20 == 0)
                Text += " <<QVERSE:2:" + std::to_string(N % 286 + 1) + ">>";
            S.Records.push_back({"Narrated by narrator " + std::to_string(N % 97), Text});
            S.Categories.push_back({N, "Category " + std::to_string(N % 50)});
            S.Classes.push_back({N, "RR_SHIH,LI_MUSN"});
            if (N % 3 == 0)
                S.Information.push_back({N, "Information about hadith " + std::to_string(N)});
        }
        if (!WriteCollectionFile(FFileName, S))
            throw std::runtime_error("cannot write the benchmark collection");
    }
    ~TBenchCollection() {
        std::error_code Ignored;
        std::filesystem::remove_all(FFolder, Ignored);
    }
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFolder;
    std::string FFileName;
};

const TBenchCollection& BenchCollection() {
    static TBenchCollection Collection;
    return Collection;
}

const THadithHelper& LoadedCollection() {
    static THadithHelper Helper(BenchCollection().FileName());
    if (!Helper.IsValid())
        throw std::runtime_error("benchmark collection is invalid: " + Helper.LoadError());
    return Helper;
}

void BM_LoadCollection(benchmark::State& State) {
    const std::string& File = BenchCollection().FileName();
    for (auto _ : State) {
        THadithHelper H(File);
        if (!H.IsValid())
            State.SkipWithError("invalid collection");
        benchmark::DoNotOptimize(H.HadithCount());
    }
    State.SetBytesProcessed(State.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(File)));
}
BENCHMARK(BM_LoadCollection)->Unit(benchmark::kMillisecond);

void BM_GetCategoryCounts(benchmark::State& State) {
    const THadithHelper& H = LoadedCollection();
    for (auto _ : State) {
        // A fresh table each time, so the count cache starts empty.
        THadithCat Categories(H.Categories().Table(), &H);
        TStringList Counts;
        Categories.GetCategoryCounts(Counts, true);
        benchmark::DoNotOptimize(Counts.data());
    }
}
BENCHMARK(BM_GetCategoryCounts)->Unit(benchmark::kMillisecond);

void BM_ListScriptureHadiths(benchmark::State& State) {
    const THadithHelper& H = LoadedCollection();
    for (auto _ : State) {
        TStringList List;
        H.ListScriptureHadiths(List, false, false);
        benchmark::DoNotOptimize(List.data());
    }
}
BENCHMARK(BM_ListScriptureHadiths)->Unit(benchmark::kMillisecond);

void BM_ListHadithsInCategory(benchmark::State& State) {
    const THadithHelper& H = LoadedCollection();
    for (auto _ : State) {
        TStringList List;
        H.ListHadithsInCategory(List, "Category 7", false, false);
        benchmark::DoNotOptimize(List.data());
    }
}
BENCHMARK(BM_ListHadithsInCategory)->Unit(benchmark::kMillisecond);

} // namespace
