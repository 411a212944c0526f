// The picture rebuilt from the lists, as the view asks for it after every
// change, on the largest lists: 32,767 whole numbers up to 1,000 (the
// median sorts them as texts) and 32,767 decimals (by number). Target: well
// under 100 ms, which the view's painting shares.
#include <benchmark/benchmark.h>

#include <string>

#include "core/numbers/random_sequence.h"
#include "core/picture/picture_model.h"
#include "core/sample/sample.h"

namespace sredna {
namespace {

void Fill(WindowModel& model, bool decimals) {
    RandomSequence random(42);
    GenerateSample(model, random, std::to_string(ListBox::kMaxItems), 1000, ',');
    if (decimals) {
        ListBox& values = model.Spis(kValuesList);
        for (int p = 0; p < values.Count(); ++p) {
            values.SetItem(p, values.Item(p) + "," + std::to_string(p % 100));
        }
    }
}

void BM_BuildPicture(benchmark::State& state) {
    const auto kind = static_cast<MeanKind>(state.range(0));
    WindowModel model;
    Fill(model, state.range(1) != 0);
    const PictureGeometry geometry{120, 40, 12};
    for (auto _ : state) {
        Picture picture =
            BuildPicture(model.Spis(kValuesList), model.Spis(kWeightsList), kind, ',', geometry);
        benchmark::DoNotOptimize(picture.description.data());
    }
}

BENCHMARK(BM_BuildPicture)
    ->ArgNames({"kind", "decimals"})
    ->ArgsProduct({{0, 4, 5}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sredna

BENCHMARK_MAIN();
