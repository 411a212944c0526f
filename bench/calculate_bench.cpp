// Calculate for every kind of mean on the window's largest sample (25
// values) and on 10,000 values, to show the report grows linearly.
#include <benchmark/benchmark.h>

#include "core/means/calculate.h"
#include "core/numbers/random_sequence.h"
#include "core/sample/sample.h"

namespace sredna {
namespace {

void Fill(WindowModel& model, int count) {
    RandomSequence random(42);
    GenerateSample(model, random, std::to_string(count), 1000, '.');
}

void BM_Calculate(benchmark::State& state) {
    const auto kind = static_cast<MeanKind>(state.range(0));
    WindowModel model;
    Fill(model, static_cast<int>(state.range(1)));
    model.Kinds().Select(static_cast<int>(kind));
    for (auto _ : state) {
        Calculate(model, ',');
        benchmark::DoNotOptimize(model.Report().Text().data());
    }
    state.SetLabel(model.Report().Text().substr(0, 40));
}

BENCHMARK(BM_Calculate)
    ->ArgNames({"kind", "values"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {25, 10000}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sredna

BENCHMARK_MAIN();
