// How long the hot paths take: a question switch reads its block (and picture) from disk
// every time, and every refresh of the main window recomputes the rating.
#include "ProgressRating.h"
#include "QuestionBank.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

QuestionBank &bank()
{
    static QuestionBank b;
    if (!b.isOpen())
        b.open(DORVIAN_DATA_DAT, std::span<const QuestionIndexEntry>(QuestionIndex, QuestionCount));
    return b;
}

void ReadText(benchmark::State &state)
{
    std::mt19937 rng(1);
    for (auto _ : state) {
        const int t = static_cast<int>(rng() % 40) + 1;
        const int q = static_cast<int>(rng() % 20) + 1;
        benchmark::DoNotOptimize(bank().readText(t, q));
    }
}
BENCHMARK(ReadText);

void ReadPicture(benchmark::State &state)
{
    std::vector<std::pair<int, int>> withPicture;
    for (int t = 1; t <= 40; ++t)
        for (int q = 1; q <= 20; ++q)
            if (bank().hasPicture(t, q))
                withPicture.emplace_back(t, q);
    if (withPicture.empty()) {
        state.SkipWithError("the bank has no pictures");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto [t, q] = withPicture[i++ % withPicture.size()];
        benchmark::DoNotOptimize(bank().readPicture(t, q));
    }
}
BENCHMARK(ReadPicture);

void SplitBlock(benchmark::State &state)
{
    QByteArray block("2\r\n");
    block += QByteArray(300, '\xe0') + "\r\n";
    for (int i = 0; i < 5; ++i)
        block += QByteArray(80, '\xf2') + "\n";
    block += "*\r" + QByteArray(600, '\xee') + "\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(splitBlockLines(block));
}
BENCHMARK(SplitBlock);

void Rating(benchmark::State &state, bool portable)
{
    ResultsRecord record;
    std::mt19937 rng(2);
    for (auto &s : record.statuses)
        s = static_cast<std::int32_t>(rng() % 4);
    for (auto _ : state)
        benchmark::DoNotOptimize(portable ? ProgressRating::computePortable(record)
                                          : ProgressRating::compute(record));
}
BENCHMARK_CAPTURE(Rating, native, false);
BENCHMARK_CAPTURE(Rating, portable, true);

} // namespace

BENCHMARK_MAIN();
