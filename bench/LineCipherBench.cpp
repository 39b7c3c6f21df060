// Line cipher throughput: whole DecodeLine calls for three line lengths, and
// the per-line key set-up alone, whose share of a call these figures show.
#include "data/LineCipher.h"
#include "data/OrvEncDec.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string PlainLine(size_t Length) {
    std::string Text;
    for (size_t i = 0; i < Length; ++i)
        Text += static_cast<char>('!' + (i * 11) % 90);
    return Text;
}

void BM_DecodeLine(benchmark::State& State) {
    const size_t Length = static_cast<size_t>(State.range(0));
    const int Index = 1234;
    const std::string Line = EncodeLine(PlainLine(Length), Index);
    for (auto _ : State)
        benchmark::DoNotOptimize(DecodeLine(Line, Index));
    State.SetItemsProcessed(State.iterations());
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(Length));
}
BENCHMARK(BM_DecodeLine)->Arg(100)->Arg(1000)->Arg(10000);

void BM_EncodeLine(benchmark::State& State) {
    const size_t Length = static_cast<size_t>(State.range(0));
    const std::string Text = PlainLine(Length);
    for (auto _ : State)
        benchmark::DoNotOptimize(EncodeLine(Text, 1234));
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_EncodeLine)->Arg(100)->Arg(10000);

// What every line pays before its own bytes: digest, enciphering key
// schedule and IV.
void BM_KeySetup(benchmark::State& State) {
    TOrvEncDec Cipher;
    const std::string KeyString = KeyTemplate() + "969924";
    for (auto _ : State) {
        Cipher.InitKey(KeyString);
        benchmark::DoNotOptimize(Cipher.IV());
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_KeySetup);

// A line of a block or more also needs the deciphering schedule.
void BM_KeySetupForDecode(benchmark::State& State) {
    TOrvEncDec Cipher;
    const std::string KeyString = KeyTemplate() + "969924";
    TOrvEncDec::TBlock Block{};
    for (auto _ : State) {
        Cipher.InitKey(KeyString);
        Cipher.Decode(Block.data(), Block.size());
        benchmark::DoNotOptimize(Block);
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_KeySetupForDecode);

} // namespace
