// Paint cost of the step-log grid: a full paint must cost the same with ten rows or a million, since only
// the rows in view are visited, and appending a row to a long log must stay well under a millisecond.
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "tests/widgets/StepLogGrid.h"

using namespace trimerka;

namespace {

std::unique_ptr<CellGrid> makeLog(int rows) {
    // The log copies and reports errors through the platform; painting uses none of it.
    static QtPlatform platform;
    auto g = testing::makeStepLog(platform, rows);
    g->show();
    QApplication::processEvents();
    return g;
}

// The log shows its end: the last row current and selected whole, scrolled into view.
void showEnd(CellGrid& g) {
    const int last = g.rowCount() - 1;
    g.setCurrentRow(last);
    g.setSelection({0, last, 3, last});
    g.ensureVisible(0, last);
}

void BM_FullPaint(benchmark::State& state) {
    auto g = makeLog(static_cast<int>(state.range(0)));
    showEnd(*g);
    QImage img(g->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        g->viewport()->render(&img);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_FullPaint)->Arg(10)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// What the log does per executed command: one row appended, its four cells written, the row made current
// and visible, then the next paint.
void BM_AppendAndPaint(benchmark::State& state) {
    auto g = makeLog(static_cast<int>(state.range(0)));
    showEnd(*g);
    QImage img(g->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const int row = g->addRow();
        g->setCellText(0, row, QStringLiteral("Б -> В"));
        g->setCellText(1, row, QStringLiteral("4"));
        g->setCellText(2, row, QStringLiteral("8"));
        g->setCellText(3, row, QStringLiteral("0"));
        showEnd(*g);
        g->viewport()->render(&img);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_AppendAndPaint)->Arg(10)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
