// The pupil's own numbers at the lists' limit: pasting 32,767 decimal
// numbers, and Calculate of every kind on them (the median then sorts by
// number, not by text). Targets: under 100 ms each.
#include <benchmark/benchmark.h>

#include <string>

#include "core/means/calculate.h"
#include "core/model/form.h"

namespace sredna {
namespace {

// 32,767 decimal numbers from 0,01 to 999,99 with repeats, one a line, as a
// spreadsheet column copies.
std::string Column() {
    std::string text;
    for (int i = 0; i < ListBox::kMaxItems; ++i) {
        const int hundredths = 1 + (i * 7919) % 99999;
        const int cents = hundredths % 100;
        text += std::to_string(hundredths / 100) + (cents < 10 ? ",0" : ",") +
                std::to_string(cents) + "\r\n";
    }
    return text;
}

void Empty(WindowModel& model) {
    model.Values().Clear();
    model.Weights().Clear();
}

void BM_PasteValues(benchmark::State& state) {
    Form form("", ',');
    const std::string column = Column();
    for (auto _ : state) {
        state.PauseTiming();
        Empty(form.Model());
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.Entry().PasteValues(column));
    }
    state.counters["values"] = form.Model().Values().Count();
}

BENCHMARK(BM_PasteValues)->Unit(benchmark::kMillisecond);

void BM_CalculateTyped(benchmark::State& state) {
    Form form("", ',');
    Empty(form.Model());
    form.Entry().PasteValues(Column());
    form.Model().Kinds().Select(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Calculate(form.Model(), ',');
        benchmark::DoNotOptimize(form.Model().Report().Text().data());
    }
    state.counters["report_bytes"] = static_cast<double>(form.Model().Report().Text().size());
}

BENCHMARK(BM_CalculateTyped)->ArgName("kind")->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sredna

BENCHMARK_MAIN();
