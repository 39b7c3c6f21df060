// The text search over a synthetic collection of 50,000 hadiths of about
// 1 KB each: a whole-word and a plain search, and the deciphering alone, so
// the cost of the matching shows as the difference.
#include "data/LineCipher.h"
#include "hadith/CollectionWriter.h"
#include "hadith/HadithHelper.h"
#include "search/HadithSearch.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace {

const int SearchHadithCount = 50000;

class TSearchBenchCollection {
public:
    TSearchBenchCollection() {
        std::string Pattern =
            (std::filesystem::temp_directory_path() / "tarvix-search-bench-XXXXXX").string();
        if (!mkdtemp(Pattern.data()))
            throw std::runtime_error("cannot make a temporary folder");
        FFolder = Pattern;
        const std::string FileName = FFolder + "/SearchBench.dbh";

        InitLineCipher();
        TCollectionSource S;
        S.ID = "SEARCH_BENCH";
        S.Name = "Search Benchmark";
        S.Font = "FACE=\"Verdana\" SIZE=\"2\"";
        std::string Filler;
        while (Filler.size() < 950)
            Filler += "The companions asked about the prayers and the <B>fasting</B> of the "
                      "month, and he answered them. ";
        for (int N = 1; N <= SearchHadithCount; ++N) {
            std::string Text = "Hadith " + std::to_string(N) + ". " + Filler;
            // The searched word stands alone in one hadith of a hundred.
            if (N % 100 == 0)
                Text += " Then pray, he said.";
            if (N % 20 == 0)
                Text += " <<QVERSE:2:" + std::to_string(N % 286 + 1) + ">>";
            S.Records.push_back({"Narrated by narrator " + std::to_string(N % 97), Text});
        }
        if (!WriteCollectionFile(FileName, S))
            throw std::runtime_error("cannot write the benchmark collection");
        FHelper = std::make_unique<THadithHelper>(FileName);
        if (!FHelper->IsValid())
            throw std::runtime_error("benchmark collection is invalid: " + FHelper->LoadError());
    }
    ~TSearchBenchCollection() {
        FHelper.reset();
        std::error_code Ignored;
        std::filesystem::remove_all(FFolder, Ignored);
    }
    const THadithHelper& Helper() const { return *FHelper; }

private:
    std::string FFolder;
    std::unique_ptr<THadithHelper> FHelper;
};

const THadithHelper& SearchCollection() {
    static TSearchBenchCollection Collection;
    return Collection.Helper();
}

void RunSearch(benchmark::State& State, bool WholeWord) {
    const THadithHelper& Coll = SearchCollection();
    const TSearchOptions Options{"pray", false, WholeWord};
    size_t Hits = 0;
    for (auto _ : State) {
        Hits = RunHadithSearch(Coll, true, [&] { return Options; }).size();
        benchmark::DoNotOptimize(Hits);
    }
    State.counters["hits"] = static_cast<double>(Hits);
    State.counters["hadiths/s"] = benchmark::Counter(static_cast<double>(SearchHadithCount) *
                                                         static_cast<double>(State.iterations()),
                                                     benchmark::Counter::kIsRate);
}

void BM_SearchWholeWord(benchmark::State& State) {
    RunSearch(State, true);
}
BENCHMARK(BM_SearchWholeWord)->Unit(benchmark::kMillisecond);

void BM_SearchPlain(benchmark::State& State) {
    RunSearch(State, false);
}
BENCHMARK(BM_SearchPlain)->Unit(benchmark::kMillisecond);

// Only what every search must do anyway: decipher each hadith's text.
void BM_SearchDecipherOnly(benchmark::State& State) {
    const THadithHelper& Coll = SearchCollection();
    for (auto _ : State) {
        size_t Bytes = 0;
        for (int N = 1; N <= Coll.HadithCount(); ++N)
            Bytes += Coll.GetHadithText(N).size();
        benchmark::DoNotOptimize(Bytes);
    }
    State.counters["hadiths/s"] = benchmark::Counter(static_cast<double>(SearchHadithCount) *
                                                         static_cast<double>(State.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchDecipherOnly)->Unit(benchmark::kMillisecond);

} // namespace
