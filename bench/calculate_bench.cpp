// How long the calculator takes for what a user does most, without the
// window: a whole Calculate, with the messages it shows, for each of the
// eighteen calculation cases; typing an entry, which converts its twin and
// empties stale results; and the number conventions underneath.
#include <benchmark/benchmark.h>

#include "Entries.h"
#include "sheet/CaseTable.h"
#include "sheet/Numbers.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

/// The entries and measured clearances of one unit system; a spring
/// buffer also takes the governor tripping speed.
void fill(Sheet& sheet, bool imperial, bool spring) {
    if (imperial) {
        if (spring) sheet.setText(F::txtImpGovTrip, "250");
        bench::enter(sheet, bench::kImperialEntries);
        bench::enter(sheet, bench::kImperialMeasured);
    } else {
        if (spring) sheet.setText(F::txtMetGovTrip, "1.27");
        bench::enter(sheet, bench::kMetricEntries);
        bench::enter(sheet, bench::kMetricMeasured);
    }
}

/// Calculate with the answers of case `state.range(0)` and entries it
/// accepts: the rules, the clearances, the differences, the runby limits,
/// the maximum runby and the colours, every time.
void Calculate(benchmark::State& state) {
    const CaseRow& answers = kCases[static_cast<std::size_t>(state.range(0) - 1)];
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    Sheet& sheet = program.sheet();
    if (!answers.imperial) sheet.press(B::cmdMetric);
    if (!answers.oil) sheet.select(O::optSpring);
    if (answers.compressed) sheet.select(O::optCompYes);
    if (answers.tieDown) sheet.select(O::optTieDownYes);
    if (answers.reduced) sheet.select(O::optReducedYes);
    fill(sheet, answers.imperial, !answers.oil);
    sheet.press(B::cmdCalculate);
    const F stroke = answers.imperial ? F::txtImpMinStroke : F::txtMetMinStroke;
    if (!answers.holds(sheet) || !sheet.enabled(B::cmdMaxRunby) || sheet.text(stroke).empty()) {
        state.SkipWithError("the entries do not reach this case's results");
        return;
    }
    for (auto _ : state) {
        sheet.press(B::cmdCalculate);
        platform.clearEvents();
    }
}
BENCHMARK(Calculate)->DenseRange(1, 18)->Unit(benchmark::kMicrosecond);

void TypeAnEntry(benchmark::State& state) {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    fill(program.sheet(), true, false);
    program.sheet().press(B::cmdCalculate);
    int i = 0;
    for (auto _ : state) {
        program.sheet().setText(F::txtImpStroke, (++i % 2) ? "17.5" : "17");
    }
}
BENCHMARK(TypeAnEntry)->Unit(benchmark::kMicrosecond);

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
