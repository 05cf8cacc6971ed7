#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/Window1.h"
#include "bench/BenchApplication.h"

namespace {
// One keystroke's full road on the largest table: the text change, the
// recalculation through a new engine object and the 127 rows of the list.
void BM_KeystrokeOnTheLargestTable(benchmark::State& state) {
    ensureApplication();
    auto window = Window1();
    QCoreApplication::processEvents();
    window->TextField2()->setText("100");
    window->CheckBox7()->setValue(true);
    for (const auto& box : {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(),
                            window->CheckBox4(), window->CheckBox5()}) {
        box->setValue(true);
    }
    const char* texts[] = {"25.5", "25.4"};
    int next = 0;
    for (auto _ : state) {
        window->TextField1()->setText(texts[next]);
        next ^= 1;
        if (window->Listbox1()->ListCount() != 127) state.SkipWithError("the list is not full");
    }
    window->Close();
    QCoreApplication::sendPostedEvents();
}
BENCHMARK(BM_KeystrokeOnTheLargestTable)->Unit(benchmark::kMicrosecond);
}  // namespace
