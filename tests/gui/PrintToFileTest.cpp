// Printing on a machine without a printer, through the real reminder and
// print dialog: Enter at each writes the printout as a PDF file into the
// documents folder of a home of the test's own. A printer that fails says so
// once and is ready for the next printout.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "GuiTests.h"
#include "PrintedPdf.h"
#include "WindowUnderTest.h"
#include "ui/qt/ReminderDialog.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

namespace {

/// The Qt printing with its real dialogs, except that the print dialog can
/// be skipped, taking the printer as it is.
class Printing : public QtPrinting {
public:
    bool showPrintDialog() override { return skipDialog || QtPrinting::showPrintDialog(); }
    bool skipDialog = false;
};

/// Enter where the dialog has its focus, as the user presses it: once the
/// watchdog's look is over, so that it sees any box the key opens.
void pressEnter(QWidget* dialog) {
    QTimer::singleShot(0, dialog, [dialog] {
        QWidget* focus = dialog->focusWidget();
        QTest::keyClick(focus ? focus : dialog, Qt::Key_Return);
    });
}

/// What the print dialog showed when it opened.
struct DialogSeen {
    QString destination;
    QString file;
    bool selectionOffered = true;
};

}  // namespace

class PrintToFileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterPrintsIntoTheDocumentsFolder();
    void aFailureIsToldAndThePrinterStaysReady_data();
    void aFailureIsToldAndThePrinterStaysReady();

private:
    /// Enter in the reminder, then in the print dialog, recording what the
    /// dialog offered into `seen`.
    void expectEnterAtReminderAndDialog(DialogSeen& seen);
    /// Ctrl+`key` in the window, active again once a dialog has closed.
    void press(Qt::Key key);
    QString documents() const { return home_->filePath(QStringLiteral("Documents")); }
    std::vector<Message> messages() { return ui_.platform().messages(); }

    std::unique_ptr<QTemporaryDir> home_;
    QByteArray savedHome_, savedConfig_;
    std::unique_ptr<Printing> printing_;
    WindowUnderTest ui_;
};

void PrintToFileTest::init() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        QSKIP("a printer is installed here; these tests are about machines without one");
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral("printer is active")));
    home_ = std::make_unique<QTemporaryDir>();
    savedHome_ = qgetenv("HOME");
    savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home_->path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");  // the documents folder is then ~/Documents
    ui_.watchdog().reset();
    printing_ = std::make_unique<Printing>();
    QVERIFY(ui_.open({.active = true, .printing = printing_.get()}));

    Sheet& sheet = ui_.sheet();
    sheet.setText(F::txtImpSpeed, "700");
    sheet.setText(F::txtImpRunby, "6");
    sheet.setText(F::txtImpRunbyCar, "6");
    sheet.setText(F::txtImpStroke, "33.25");
    sheet.press(B::cmdCalculate);
    ui_.platform().clearEvents();
}

void PrintToFileTest::cleanup() {
    ui_.close();
    printing_.reset();
    if (home_) {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isNull()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", savedConfig_);
        }
    }
    home_.reset();
    QVERIFY2(ui_.strays().isEmpty(), qPrintable(ui_.strays()));
    QCOMPARE(ui_.watchdog().unmet(), std::size_t{0});
}

void PrintToFileTest::press(Qt::Key key) {
    ui_.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ui_.window()));
    QTest::keyClick(ui_.window(), key, Qt::ControlModifier);
}

void PrintToFileTest::expectEnterAtReminderAndDialog(DialogSeen& seen) {
    ui_.watchdog().expectDialog([](QWidget* dialog) {
        pressEnter(dialog);
        QVERIFY(qobject_cast<ReminderDialog*>(dialog));
    });
    ui_.watchdog().expectDialog([&seen](QWidget* dialog) {
        pressEnter(dialog);
        QVERIFY(qobject_cast<QPrintDialog*>(dialog));
        if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
            seen.destination = printers->currentText();
        }
        if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
            seen.file = file->text();
        }
        seen.selectionOffered = false;
        for (auto* option : dialog->findChildren<QRadioButton*>()) {
            if (option->text().contains(QStringLiteral("Selection")) && option->isEnabled() &&
                option->isVisibleTo(dialog)) {
                seen.selectionOffered = true;
            }
        }
    });
}

// Ctrl+D, the identification at the prompt, Enter at the reminder and the
// print dialog: the report is a PDF in the documents folder, which did not
// exist before. Ctrl+F likewise prints the window's picture beside it, and
// a second report never overwrites the first.
void PrintToFileTest::enterPrintsIntoTheDocumentsFolder() {
    QVERIFY(!QDir(documents()).exists());
    const QString report = documents() + QStringLiteral("/E-7 data report.pdf");
    const QString form = documents() + QStringLiteral("/E-7 form.pdf");

    ui_.platform().queuePrompt("E-7");
    DialogSeen seen;
    expectEnterAtReminderAndDialog(seen);
    press(Qt::Key_D);
    QCOMPARE(seen.destination, QStringLiteral("Print to File (PDF)"));
    QCOMPARE(seen.file, report);
    QVERIFY(!seen.selectionOffered);
    QVERIFY(messages().empty());
    QVERIFY(QFile::exists(report));
    const QString text = pdfText(report).simplified();
    QVERIFY2(text.contains(QStringLiteral("Elevator Identification: E-7 Code Edition:")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Rated Speed: 700 Feet/Minute")));

    expectEnterAtReminderAndDialog(seen);
    press(Qt::Key_F);
    QCOMPARE(seen.file, form);
    QVERIFY(messages().empty());
    QVERIFY(QFile::exists(form));
    QCOMPARE(pdfPages(form).size(), std::size_t{1});
    QVERIFY(QFile(form).size() > QFile(report).size());  // a picture, not text

    expectEnterAtReminderAndDialog(seen);
    press(Qt::Key_D);
    QCOMPARE(seen.file, documents() + QStringLiteral("/E-7 data report (2).pdf"));
    QVERIFY(QFile::exists(seen.file));
    QVERIFY(!printing_->qtPrinter().isPrinting());
}

void PrintToFileTest::aFailureIsToldAndThePrinterStaysReady_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("file");  // in the test's home; empty: none
    QTest::addColumn<QString>("told");

    const auto row = [](const char* name, M command, const char* file, const char* told) {
        QTest::newRow(name) << static_cast<int>(command) << QString::fromLatin1(file)
                            << QString::fromLatin1(told);
    };
    row("report into a missing folder", M::mnuPrintData, "missing/report.pdf",
        "The data report could not be printed: the file \"HOME/missing/report.pdf\" cannot be "
        "written.");
    row("form into a missing folder", M::mnuPrintForm, "missing/form.pdf",
        "The form could not be printed: the file \"HOME/missing/form.pdf\" cannot be written.");
    // A device that fails to start this way counts itself busy afterwards.
    row("report with no file", M::mnuPrintData, "",
        "The data report could not be printed: no printer and no file was chosen.");
    row("form with no file", M::mnuPrintForm, "",
        "The form could not be printed: no printer and no file was chosen.");
}

// One message says what failed; nothing is left open or half written, no
// setting is stuck, and the next printout through the dialog comes out.
void PrintToFileTest::aFailureIsToldAndThePrinterStaysReady() {
    QFETCH(int, command);
    QFETCH(QString, file);
    QFETCH(QString, told);
    const M menu = static_cast<M>(command);
    ui_.sheet().setText(F::txtID, "E-7");
    QPrinter& device = printing_->qtPrinter().device();
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(file.isEmpty() ? QString() : home_->filePath(file));
    printing_->skipDialog = true;
    ui_.watchdog().expectDialog(pressEnter);
    ui_.sheet().choose(menu);

    const std::vector<Message> shown = messages();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(qtText(shown[0].prompt), QString(told).replace("HOME", home_->path()));
    QCOMPARE(qtText(shown[0].title), QStringLiteral("Print"));
    QCOMPARE(shown[0].icon, Icon::Critical);
    QCOMPARE(shown[0].buttons, Buttons::Ok);
    QVERIFY(!printing_->qtPrinter().isPrinting());
    QVERIFY(QDir(home_->path()).entryList(QDir::Files).isEmpty());

    ui_.platform().clearEvents();
    printing_->skipDialog = false;
    DialogSeen seen;
    expectEnterAtReminderAndDialog(seen);
    ui_.sheet().choose(menu);
    QVERIFY(messages().empty());
    QVERIFY2(QFile::exists(seen.file), qPrintable(seen.file));
    QVERIFY(seen.file.startsWith(documents()));
    QVERIFY(!printing_->qtPrinter().isPrinting());
}

TARNWICK_GUI_TEST(PrintToFileTest);

}  // namespace tarnwick

#include "PrintToFileTest.moc"
