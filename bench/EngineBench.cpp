#include <benchmark/benchmark.h>

#include "engine/cFretCalculator.h"

namespace {

// The largest table the window can ask for: 100 frets, dulcimer, every half
// fret (125 rows), five decimals, reduced fractions.
void BM_LargestTableFretAsOffsets(benchmark::State& state) {
    cFretCalculator calculator;
    calculator.setScaleLength(25.5);
    calculator.setNumFrets(100);
    calculator.setPrecision(5);
    calculator.isDulcimer = true;
    calculator.Simplify = true;
    calculator.setDulcHalfFrets(true, true, true, true, true);
    calculator.calcDulcFrets();
    for (auto _ : state) benchmark::DoNotOptimize(calculator.FretAsOffsets());
}
BENCHMARK(BM_LargestTableFretAsOffsets);

void BM_CalcAndFormat24Frets(benchmark::State& state) {
    for (auto _ : state) {
        cFretCalculator calculator;
        calculator.setScaleLength(25.5);
        calculator.setNumFrets(24);
        calculator.calcFrets();
        benchmark::DoNotOptimize(calculator.FretAsOffsets());
    }
}
BENCHMARK(BM_CalcAndFormat24Frets);

}  // namespace
