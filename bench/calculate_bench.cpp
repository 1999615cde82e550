// How long the calculator takes for what a user does most, without the
// window: a whole Calculate, with the messages it shows, for each of the
// eighteen calculation cases; typing an entry, which converts its twin and
// empties stale results; and the number conventions underneath.
#include <benchmark/benchmark.h>

#include <array>

#include "sheet/CaseTable.h"
#include "sheet/Numbers.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

void fillImperial(Sheet& sheet, bool spring) {
    if (spring) sheet.setText(F::txtImpGovTrip, "250");
    sheet.setText(F::txtImpSpeed, "450");
    sheet.setText(F::txtImpRunby, "6");
    sheet.setText(F::txtImpRunbyCar, "8");
    sheet.setText(F::txtImpStroke, "13.75");
    sheet.setText(F::txtCrossMea, "52");
    sheet.setText(F::txtRefugeMea, "70");
    sheet.setText(F::txtShoesMea, "30");
    sheet.setText(F::txtObstructMea, "33");
    sheet.setText(F::txtCwtMea, "40");
}

void fillMetric(Sheet& sheet, bool spring) {
    if (spring) sheet.setText(F::txtMetGovTrip, "1.27");
    sheet.setText(F::txtMetSpeed, "2.29");
    sheet.setText(F::txtMetRunby, "152");
    sheet.setText(F::txtMetRunbyCar, "203");
    sheet.setText(F::txtMetStroke, "349");
    sheet.setText(F::txtCrossMea, "1321");
    sheet.setText(F::txtRefugeMea, "1778");
    sheet.setText(F::txtShoesMea, "762");
    sheet.setText(F::txtObstructMea, "838");
    sheet.setText(F::txtCwtMea, "1016");
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
    if (answers.imperial) {
        fillImperial(sheet, !answers.oil);
    } else {
        fillMetric(sheet, !answers.oil);
    }
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
    fillImperial(program.sheet(), false);
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
