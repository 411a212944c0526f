// The picture rebuilt from the lists, as the view asks for it after every
// change, on the largest lists: 32,767 whole numbers up to 1,000 (the
// median sorts them as texts) and 32,767 decimals (by number). Target: well
// under 100 ms, which the view's painting shares; a key that moves a value
// adds its own work below to the picture's.
#include <benchmark/benchmark.h>

#include <string>

#include "core/model/form.h"
#include "core/numbers/numbers.h"
#include "core/numbers/random_sequence.h"
#include "core/picture/picture_model.h"
#include "core/picture/value_order.h"
#include "core/picture/value_step.h"
#include "core/picture/value_table.h"
#include "core/sample/sample.h"

namespace sredna {
namespace {

void Fill(WindowModel& model, bool decimals) {
    RandomSequence random(42);
    GenerateSample(model, random, std::to_string(ListBox::kMaxItems), 1000, ',');
    if (decimals) {
        ListBox& values = model.Values();
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
        Picture picture = BuildPicture(model.Values(), model.Weights(), kind, ',', geometry);
        benchmark::DoNotOptimize(picture.description.data());
    }
}

BENCHMARK(BM_BuildPicture)
    ->ArgNames({"kind", "decimals"})
    ->ArgsProduct({{0, 4, 5}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// What the core does for one key that moves a value, besides the picture
// rebuilt above: the move, the list's edit and its undo step, the order the
// keys walk sorted again, and the plot's accessible name. The table's rows
// follow after it.
void BM_KeyMove(benchmark::State& state) {
    Form form("", ',');
    Fill(form.Model(), state.range(0) != 0);
    const ListBox& values = form.Model().Values();
    const int position = values.Count() / 2;
    const ValueStep step = ValueStep::Of(values);
    std::int64_t direction = 1;
    for (auto _ : state) {
        const MovedValue moved = step.By(ItemValue(values.Item(position)), direction, ',');
        form.MoveValue(position, moved.text);
        const ValueOrder order(values);
        std::string name = ValueName(values, order, position, 500.0, std::nullopt, ',');
        benchmark::DoNotOptimize(name.data());
        direction = -direction;
    }
}

BENCHMARK(BM_KeyMove)->ArgNames({"decimals"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ValueRows(benchmark::State& state) {
    WindowModel model;
    Fill(model, true);
    const ValueOrder order(model.Values());
    for (auto _ : state) {
        std::vector<ValueRow> rows = ValueRows(model.Values(), model.Weights(), order, 500.0);
        benchmark::DoNotOptimize(rows.data());
    }
}

BENCHMARK(BM_ValueRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sredna

BENCHMARK_MAIN();
