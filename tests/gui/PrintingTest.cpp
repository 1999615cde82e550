// Printing under Qt, onto PDF files in place of a printer: the data report
// fills its pages and leaves the printer's settings as it found them, and the
// form printout is one page with the window's picture.
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTests.h"
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
        printing.qtPrinter().device().setOutputFormat(QPrinter::PdfFormat);
        printing.qtPrinter().device().setOutputFileName(path);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("printed.pdf"));
    HeadlessPlatform platform;
    ConfirmedPrinting printing;
    Program program{platform, printing};
};

int pagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString pdf = QString::fromLatin1(file.readAll());
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void dataReportFillsItsPagesAndRestoresThePrinter();
    void formPrintoutIsOnePicturePage();
    void thePrinterIsMadeWhenFirstNeeded();
};

void PrintingTest::dataReportFillsItsPagesAndRestoresThePrinter() {
    PdfPrinting pdf;
    auto& [dir, path, platform, printing, program] = pdf;
    program.start();
    Sheet& sheet = program.sheet();
    sheet.setText(F::txtID, "E-7 North Tower Car 3");
    sheet.setText(F::txtImpSpeed, "450");
    sheet.setText(F::txtImpRunby, "6");
    sheet.setText(F::txtImpRunbyCar, "8");
    sheet.setText(F::txtImpStroke, "13.75");
    sheet.press(B::cmdCalculate);
    platform.clearEvents();

    const std::string font = printing.printer().fontName();
    const float size = printing.printer().fontSize();
    const int orientation = printing.printer().orientation();
    sheet.choose(M::mnuPrintData);

    QCOMPARE(printing.reminders, 1);
    QVERIFY(platform.events().empty());
    // The oil report's 48 lines, nearly all of 14 points, take two pages.
    QCOMPARE(pagesOf(path), 2);
    QCOMPARE(printing.printer().fontName(), font);
    QCOMPARE(printing.printer().fontSize(), size);
    QCOMPARE(printing.printer().orientation(), orientation);
}

void PrintingTest::formPrintoutIsOnePicturePage() {
    PdfPrinting pdf;
    auto& [dir, path, platform, printing, program] = pdf;
    MainWindow window(program.sheet());
    printing.setWindow(&window);
    program.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    program.sheet().setText(F::txtID, "E-7");
    program.sheet().choose(M::mnuPrintForm);

    QCOMPARE(printing.reminders, 1);
    QCOMPARE(pagesOf(path), 1);
    QVERIFY(QFile(path).size() > 10000);  // a picture, not an empty page
}

// Making the printer loads the print system; a start that never prints does
// without it.
void PrintingTest::thePrinterIsMadeWhenFirstNeeded() {
    HeadlessPlatform platform;
    ConfirmedPrinting printing;
    Program program{platform, printing};
    MainWindow window(program.sheet());
    printing.setWindow(&window);
    program.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!printing.qtPrinter().hasDevice());
}

TARNWICK_GUI_TEST(PrintingTest);

}  // namespace tarnwick

#include "PrintingTest.moc"
