// How long the calculator takes for what a user does most: typing an entry,
// which converts its twin and empties stale results, and a whole Calculate
// with the messages it shows; and the number conventions underneath.
#include <benchmark/benchmark.h>

#include "sheet/Numbers.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

void fill(Sheet& sheet) {
    sheet.setText(F::txtImpSpeed, "500");
    sheet.setText(F::txtImpRunby, "6");
    sheet.setText(F::txtImpRunbyCar, "8");
    sheet.setText(F::txtImpStroke, "17");
    sheet.setText(F::txtCrossMea, "52");
    sheet.setText(F::txtRefugeMea, "70");
    sheet.setText(F::txtShoesMea, "30");
    sheet.setText(F::txtObstructMea, "33");
    sheet.setText(F::txtCwtMea, "40");
}

void Calculate(benchmark::State& state) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    fill(program.sheet());
    for (auto _ : state) {
        program.sheet().press(B::cmdCalculate);
        platform.clearEvents();
    }
}
BENCHMARK(Calculate);

void TypeAnEntry(benchmark::State& state) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    fill(program.sheet());
    program.sheet().press(B::cmdCalculate);
    int i = 0;
    for (auto _ : state) {
        program.sheet().setText(F::txtImpStroke, (++i % 2) ? "17.5" : "17");
    }
}
BENCHMARK(TypeAnEntry);

void NumberConventions(benchmark::State& state) {
    for (auto _ : state) {
        double v = lenient(" 1234.5678 ft");
        benchmark::DoNotOptimize(resultFormat(v * 25.4));
        benchmark::DoNotOptimize(plainText(v));
        benchmark::DoNotOptimize(strict("1,234.5678"));
    }
}
BENCHMARK(NumberConventions);

}  // namespace
}  // namespace tarnwick

BENCHMARK_MAIN();
