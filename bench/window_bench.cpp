// How long the window takes for what a user does most: one keystroke in an
// entry, through the real line edit, until the window has repainted what
// changed (the entry, its converted twin, the emptied results); a Calculate
// click until the results are painted; and the data report printed to a PDF
// file. The window is on the offscreen platform, repaints go out as soon as
// they are asked for (see main), and every dialog goes to a headless platform.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "Entries.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtPrinting.h"

namespace tarnwick {
namespace {

/// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count_;
        return false;
    }

private:
    int count_ = 0;
};

/// Runs the event loop until the counted widget has painted again; false
/// when a second goes by without.
bool repainted(const PaintCounter& counter, int before) {
    QElapsedTimer waited;
    waited.start();
    while (counter.count() == before) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 1000) return false;
    }
    return true;
}

struct ShownWindow {
    ShownWindow() {
        program.start();
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        QCoreApplication::processEvents();
    }
    void fill() { bench::enter(program.sheet(), bench::kImperialEntries); }
    QLineEdit* edit(F f) { return window.widgets()[f]; }

    HeadlessPlatform platform;
    Program program{platform};
    MainWindow window{program.sheet()};
    bool exposed = false;
};

void Keystroke(benchmark::State& state) {
    ShownWindow shown;
    if (!shown.exposed) {
        state.SkipWithError("the window was not shown");
        return;
    }
    shown.fill();
    shown.program.sheet().press(B::cmdCalculate);
    QLineEdit* stroke = shown.edit(F::txtImpStroke);
    QTest::mouseClick(stroke, Qt::LeftButton);
    QTest::keyClick(stroke, Qt::Key_End);
    PaintCounter painted(shown.edit(F::txtMetStroke));
    bool append = true;
    for (auto _ : state) {
        const int before = painted.count();
        QTest::keyClick(stroke, append ? Qt::Key_5 : Qt::Key_Backspace);
        append = !append;
        if (!repainted(painted, before)) {
            state.SkipWithError("the converted twin was not repainted");
            break;
        }
    }
    // Every odd keystroke added a 5, every even one took it back.
    const char* expected = state.iterations() % 2 ? "13.755" : "13.75";
    if (shown.program.sheet().text(F::txtImpStroke) != expected) {
        state.SkipWithError("the keystrokes did not reach the entry");
    }
}
BENCHMARK(Keystroke)->Unit(benchmark::kMicrosecond);

void CalculateClick(benchmark::State& state) {
    ShownWindow shown;
    if (!shown.exposed) {
        state.SkipWithError("the window was not shown");
        return;
    }
    shown.fill();
    Sheet& sheet = shown.program.sheet();
    QPushButton* calculate = shown.window.widgets()[B::cmdCalculate];
    PaintCounter painted(shown.edit(F::txtImpMaxJump));
    bool toggle = false;
    for (auto _ : state) {
        // A changed entry empties the results, so that every click fills
        // and paints them afresh.
        state.PauseTiming();
        sheet.setText(F::txtImpStroke, (toggle = !toggle) ? "14" : "13.75");
        repainted(painted, painted.count());
        const int before = painted.count();
        state.ResumeTiming();
        QTest::mouseClick(calculate, Qt::LeftButton);
        if (!repainted(painted, before)) {
            state.SkipWithError("the results were not repainted");
            break;
        }
    }
    if (sheet.text(F::txtImpMaxJump).empty()) state.SkipWithError("Calculate gave no results");
}
BENCHMARK(CalculateClick)->Unit(benchmark::kMicrosecond);

/// The Qt printer with the print dialog confirmed and no reminder shown.
class ConfirmedPrinting : public QtPrinting {
public:
    void showReminder(const ReminderView&, const std::function<void()>&) override {}
    bool showPrintDialog() override { return true; }
};

void DataReportToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    HeadlessPlatform platform;
    ConfirmedPrinting printing;
    printing.qtPrinter().device().setOutputFormat(QPrinter::PdfFormat);
    printing.qtPrinter().device().setOutputFileName(path);
    Program program(platform, printing);
    program.start();
    Sheet& sheet = program.sheet();
    sheet.setText(F::txtID, "E-7 North Tower Car 3");
    bench::enter(sheet, bench::kImperialEntries);
    sheet.press(B::cmdCalculate);
    for (auto _ : state) {
        sheet.choose(M::mnuPrintData);
    }
    if (QFileInfo(path).size() < 1000) state.SkipWithError("no report was printed");
}
BENCHMARK(DataReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
