// The timings, then their check against the speed goals.
//
//     tarnwick_bench [--goals] [benchmark options]
//
// prints the timings and, under them, each goal with the median of its
// timings; with --goals a missed goal fails the run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <cstring>
#include <iostream>
#include <vector>

#include "Goals.h"
#include "ui/qt/ApplicationSetup.h"

int main(int argc, char* argv[]) {
    bool enforce = false;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--goals") == 0) {
            enforce = true;
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    // The window runs offscreen unless told otherwise, and a repaint goes
    // out as soon as it is asked for instead of after the platform's few
    // milliseconds of grace, so that the timings hold the paint and not the
    // wait.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    // Only errors: the platform's warnings would break up the tables.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << qPrintable(message) << '\n';
    });
    QApplication app(count, args.data());
    tarnwick::setUpApplication();
    // The application has taken the desktop's locale; the benchmark's flags
    // ("--benchmark_min_time=0.001") and its tables use the period.
    std::setlocale(LC_NUMERIC, "C");

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;
    tarnwick::bench::GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const bool met = tarnwick::bench::reportGoals(reporter.timings(), std::cout);
    return enforce && !met ? 1 : 0;
}
