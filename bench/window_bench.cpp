// A press of "Изчисли" in the real window on a 25-value sample, from the
// mouse click through the calculation to the refreshed report box.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ui/application.h"
#include "ui/main_window.h"

namespace sredna {
namespace {

void BM_CalculateClickInWindow(benchmark::State& state) {
    MainWindow window;
    window.show();
    QListWidget* counts = window.spis(kCountList);
    QTest::mouseClick(counts->viewport(), Qt::LeftButton, {},
                      counts->visualItemRect(counts->item(4)).center());  // 25 values
    QTest::mouseClick(window.command1(kRandomCommand), Qt::LeftButton);
    for (auto _ : state) {
        QTest::mouseClick(window.command1(kCalculateCommand), Qt::LeftButton);
        benchmark::DoNotOptimize(window.text1(kReportBox)->document());
    }
    state.counters["report_chars"] =
        static_cast<double>(window.text1(kReportBox)->toPlainText().size());
}

BENCHMARK(BM_CalculateClickInWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sredna

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    sredna::SetUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
