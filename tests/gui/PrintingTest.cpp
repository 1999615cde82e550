// Printing under Qt, onto PDF files in place of a printer, read back with the
// PDF tools: the data report's rows come out in order, in one fixed-pitch
// family with the report's sizes and weights, and continue on the next page
// where a page is full; the printer's settings are as they were; the form
// printout is the window's picture, as large as the page allows and centred.
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <map>
#include <vector>

#include "GuiTests.h"
#include "PrintedPdf.h"
#include "WindowUnderTest.h"
#include "print/DataReport.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtPrinting.h"

namespace tarnwick {

namespace {

/// The Qt printer and page painting, with the print dialog confirmed and the
/// reminder closed at once, so no dialog opens.
class ConfirmedPrinting : public QtPrinting {
public:
    void showReminder(const ReminderView&, const std::function<void()>&) override { ++reminders; }
    bool showPrintDialog() override { return true; }
    int reminders = 0;
};

/// A program whose printing goes into a PDF file in a folder of its own.
struct PdfPrinting {
    PdfPrinting() {
        device().setOutputFormat(QPrinter::PdfFormat);
        device().setOutputFileName(path);
        device().setPageSize(QPageSize(QPageSize::Letter));
        program.start();
    }
    QPrinter& device() { return printing.qtPrinter().device(); }

    /// An oil buffer case, calculated, with 48 report lines.
    void calculate() {
        Sheet& sheet = program.sheet();
        sheet.setText(F::txtID, "E-7 North Tower Car 3");
        sheet.setText(F::txtImpSpeed, "450");
        sheet.setText(F::txtImpRunby, "6");
        sheet.setText(F::txtImpRunbyCar, "8");
        sheet.setText(F::txtImpStroke, "13.75");
        sheet.press(B::cmdCalculate);
        platform.clearEvents();
    }

    /// The rows the report should print, blank ones left out, each with the
    /// size and weight of its line.
    std::vector<std::pair<std::string, ReportLine>> expectedRows() {
        std::vector<std::pair<std::string, ReportLine>> rows;
        for (const ReportLine& line : dataReport(program.sheet(), printing.shortDate())) {
            for (std::string row : layOut(line.items)) {
                row.erase(row.find_last_not_of(' ') + 1);
                if (!row.empty()) rows.emplace_back(row, line);
            }
        }
        return rows;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("printed.pdf"));
    HeadlessPlatform platform;
    ConfirmedPrinting printing;
    Program program{platform, printing};
};

std::vector<PdfRow> allRows(const std::vector<PdfPage>& pages) {
    std::vector<PdfRow> rows;
    for (const PdfPage& page : pages) rows.insert(rows.end(), page.rows.begin(), page.rows.end());
    return rows;
}

QString trimmedEnd(QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

/// The box around everything not white on the image.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 250) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void dataReportRowsAreInThePdfInOrder();
    void dataReportIsInOneFixedPitchFamily();
    void aFullPageContinuesOnTheNext();
    void dataReportPrintsPortraitAndRestoresThePrinter();
    void formPrintoutFillsThePageCentred_data();
    void formPrintoutFillsThePageCentred();
    void thePrinterIsMadeWhenFirstNeeded();
};

// Every row, with its blanks, its size and its weight, in the order of the
// report.
void PrintingTest::dataReportRowsAreInThePdfInOrder() {
    PdfPrinting pdf;
    pdf.calculate();
    pdf.program.sheet().choose(M::mnuPrintData);
    QCOMPARE(pdf.printing.reminders, 1);
    QVERIFY(pdf.platform.events().empty());

    const std::vector<PdfRow> printed = allRows(pdfPages(pdf.path));
    const auto expected = pdf.expectedRows();
    QCOMPARE(printed.size(), expected.size());
    const double pixelsPerPoint = printed.front().size / expected.front().second.size;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const auto& [text, line] = expected[i];
        QCOMPARE(trimmedEnd(printed[i].text), QString::fromStdString(text));
        QCOMPARE(printed[i].bold, line.bold);
        QVERIFY2(std::abs(printed[i].size - line.size * pixelsPerPoint) < 1,
                 qPrintable(printed[i].text));
    }
    // The identification and the closing rows are in the report's other sizes.
    QVERIFY(printed.back().size < printed.front().size);
}

// Rows of the same length are of the same width: the columns line up. One
// family, embedded, in a regular and a bold face.
void PrintingTest::dataReportIsInOneFixedPitchFamily() {
    PdfPrinting pdf;
    pdf.calculate();
    pdf.program.sheet().choose(M::mnuPrintData);

    std::map<std::pair<int, qsizetype>, std::vector<int>> widths;  // by size and length
    const std::vector<PdfRow> rows = allRows(pdfPages(pdf.path));
    QVERIFY(!rows.empty());
    for (const PdfRow& row : rows) {
        QCOMPARE(row.family, rows.front().family);
        QCOMPARE(row.left, rows.front().left);
        widths[{row.size, trimmedEnd(row.text).size()}].push_back(row.width);
    }
    int groups = 0;
    for (const auto& [key, sameLength] : widths) {
        if (sameLength.size() < 2) continue;
        ++groups;
        for (const int width : sameLength) QVERIFY(std::abs(width - sameLength.front()) <= 1);
    }
    QVERIFY(groups >= 4);  // the clearance rows, the runby rows, ...

    const std::vector<PdfFont> fonts = pdfFonts(pdf.path);
    QCOMPARE(fonts.size(), std::size_t{2});
    QStringList names;
    for (const PdfFont& font : fonts) {
        QVERIFY(font.embedded);
        names << font.name.section(QLatin1Char('+'), -1);  // without a subset tag
    }
    names.sort();
    QCOMPARE(names.at(1), names.at(0) + QStringLiteral("-Bold"));
}

// On a page too small for the report it continues on further pages; every
// page is filled before the next begins, no row leaves its page and none is
// lost.
void PrintingTest::aFullPageContinuesOnTheNext() {
    PdfPrinting pdf;
    pdf.device().setPageSize(QPageSize(QPageSize::A6));
    pdf.calculate();
    pdf.program.sheet().choose(M::mnuPrintData);

    const std::vector<PdfPage> pages = pdfPages(pdf.path);
    QVERIFY(pages.size() >= 2);
    // The foot of the printable area, in the page's own units.
    const QPageLayout layout = pdf.device().pageLayout();
    const double perPoint = pages.front().height / layout.fullRect(QPageLayout::Point).height();
    const double foot = layout.paintRect(QPageLayout::Point).bottom() * perPoint;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PdfPage& page = pages[p];
        QVERIFY(page.rows.size() >= 2);
        for (const PdfRow& row : page.rows) QVERIFY(row.top + row.height <= foot + 1);
        // On a page that is not the last, one more row, a line further down,
        // would have run past the foot.
        const PdfRow& last = page.rows.back();
        const int line = last.top - page.rows[page.rows.size() - 2].top;
        if (p + 1 < pages.size()) {
            QVERIFY2(
                last.top + line + last.height > foot,
                qPrintable(
                    QStringLiteral("page %1 ends at %2 of %3").arg(p + 1).arg(last.top).arg(foot)));
        }
    }
    QCOMPARE(allRows(pages).size(), pdf.expectedRows().size());
}

// The report comes out in portrait whatever the print dialog chose, and the
// printer is left with the font and orientation it had.
void PrintingTest::dataReportPrintsPortraitAndRestoresThePrinter() {
    PdfPrinting pdf;
    Printer& printer = pdf.printing.printer();
    printer.setOrientation(2);
    printer.setFontName("Arial");
    printer.setFontSize(10);
    pdf.calculate();
    pdf.program.sheet().choose(M::mnuPrintData);

    const std::vector<PdfPage> pages = pdfPages(pdf.path);
    QCOMPARE(pages.size(), std::size_t{1});  // a Letter page holds the report
    QVERIFY(pages[0].height > pages[0].width);
    QCOMPARE(printer.orientation(), 2);
    QCOMPARE(printer.fontName(), std::string("Arial"));
    QCOMPARE(printer.fontSize(), 10.0f);
}

void PrintingTest::formPrintoutFillsThePageCentred_data() {
    QTest::addColumn<int>("orientation");
    QTest::newRow("landscape") << 2;
    QTest::newRow("portrait") << 1;
}

void PrintingTest::formPrintoutFillsThePageCentred() {
    QFETCH(int, orientation);
    PdfPrinting pdf;
    MainWindow window(pdf.program.sheet());
    pdf.printing.setWindow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pdf.printing.printer().setOrientation(orientation);
    pdf.program.sheet().setText(F::txtID, "E-7");
    pdf.program.sheet().choose(M::mnuPrintForm);
    QCOMPARE(pdf.printing.reminders, 1);
    QVERIFY(pdf.platform.events().empty());

    const QImage page = pdfPageImage(pdf.path, 1, 40);
    QVERIFY(!page.isNull());
    QCOMPARE(page.width() > page.height(), orientation == 2);
    QCOMPARE(pdfPages(pdf.path).size(), std::size_t{1});
    const QRect ink = inkBox(page);
    const QRect margins = pdf.device().pageLayout().paintRectPixels(40);
    // Centred, and as wide or as high as the printable area.
    QVERIFY2(std::abs(ink.left() - (page.width() - 1 - ink.right())) <= 2,
             qPrintable(QString::number(ink.left())));
    QVERIFY(std::abs(ink.top() - (page.height() - 1 - ink.bottom())) <= 2);
    QVERIFY(std::abs(ink.width() - margins.width()) <= 2 ||
            std::abs(ink.height() - margins.height()) <= 2);
    // The window's proportions.
    const QSize client = window.centralWidget()->size();
    const double ratio = double(ink.width()) / ink.height();
    QVERIFY2(std::abs(ratio / (double(client.width()) / client.height()) - 1) < 0.03,
             qPrintable(QString::number(ratio)));
}

// Making the printer loads the print system; a start that never prints does
// without it.
void PrintingTest::thePrinterIsMadeWhenFirstNeeded() {
    ConfirmedPrinting printing;
    WindowUnderTest ui;
    QVERIFY(ui.open({.printing = &printing}));
    QVERIFY(!printing.qtPrinter().hasDevice());
}

TARNWICK_GUI_TEST(PrintingTest);

}  // namespace tarnwick

#include "PrintingTest.moc"
