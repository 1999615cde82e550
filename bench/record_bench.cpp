// How long a reloaded page takes to replay the session its tab kept: the
// longest record the tab keeps, made of the inspector's everyday rounds
// (entries typed character by character, Calculate, Max Runby, the other
// unit system, a printout, Clear All), played on a fresh program.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "Entries.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"

namespace tarnwick {
namespace {

/// Types each entry as the user does: into the field, a character at a time.
void type(Sheet& sheet, std::initializer_list<bench::Entry> entries) {
    for (const bench::Entry& e : entries) {
        sheet.setFocus(e.field);
        std::string text;
        for (const char* c = e.text; *c; ++c) sheet.setText(e.field, text += *c);
    }
}

void round(Sheet& sheet, HeadlessPlatform& platform) {
    type(sheet, bench::kImperialEntries);
    type(sheet, bench::kImperialMeasured);
    sheet.setFocus(Element(B::cmdCalculate));
    sheet.press(B::cmdCalculate);
    sheet.setFocus(Element(B::cmdMaxRunby));
    sheet.press(B::cmdMaxRunby);
    sheet.setFocus(Element(O::optSpring));
    sheet.select(O::optSpring);
    sheet.setFocus(Element(O::optOil));
    sheet.select(O::optOil);
    platform.queuePrompt("E-7");
    sheet.choose(M::mnuPrintData);
    sheet.setFocus(Element(B::cmdMetric));
    sheet.press(B::cmdMetric);
    type(sheet, bench::kMetricEntries);
    type(sheet, bench::kMetricMeasured);
    sheet.press(B::cmdCalculate);
    sheet.setFocus(Element(B::cmdImperial));
    sheet.press(B::cmdImperial);
    sheet.setFocus(Element(B::cmdClearAll));
    sheet.press(B::cmdClearAll);
    platform.clearEvents();
}

/// As many rounds as the tab keeps.
std::string longestRecord() {
    HeadlessPlatform platform;
    Program program(platform);
    program.start();
    std::string kept;
    while (true) {
        round(program.sheet(), platform);
        const std::optional<std::string> record = program.recorder().record();
        if (!record) return kept;
        kept = *record;
    }
}

void ReplayRecord(benchmark::State& state) {
    const std::string record = longestRecord();
    for (auto _ : state) {
        HeadlessPlatform platform;
        Program program(platform);
        if (!replay(program, record).whole) state.SkipWithError("the record did not replay");
    }
    state.counters["lines"] = static_cast<double>(std::count(record.begin(), record.end(), '\n'));
    state.counters["bytes"] = static_cast<double>(record.size());
}
BENCHMARK(ReplayRecord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
