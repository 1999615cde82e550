// The real calculator window driven as a user drives it: keys and clicks go
// to the widgets, and what the widgets show must be what the sheet holds.
// Dialogs go to a headless platform, whose recorded messages are compared
// with those of a windowless program given the same actions.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <string>
#include <vector>

#include "GuiTests.h"
#include "MirrorCheck.h"
#include "WindowUnderTest.h"
#include "info/Reference.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"

namespace tarnwick {

namespace {

/// A program without a window, given the same actions as the window, to
/// tell what the window's sheet and messages should be.
struct Windowless {
    Windowless() {
        program.start();
        platform.clearEvents();
    }
    HeadlessPlatform platform;
    Program program{platform};
    Sheet& sheet() { return program.sheet(); }
};

QString describe(const Message& m) {
    return QStringLiteral("[%1] %2").arg(qtText(m.title), qtText(m.prompt));
}

QString describe(const std::vector<Message>& messages) {
    QStringList lines;
    for (const Message& m : messages) lines << describe(m);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsInRatedSpeedPlacedByTheSheet();
    void typingShowsTheConvertedTwin();
    void typingStopsAtTheMaximumLengthButProgramTextsShowWhole();
    void calculateShowsResultsAndPaintsShortfallsRed();
    void refusedEntryGetsTheFocusWithItsTextSelected();
    void springShowsTheGovernorRowAndASecondClickDoesNothing();
    void unitAndEditionChoicesReachTheWidgets();
    void enterCalculatesAndEscAsksToClose();
    void closeBoxAndExitAskFirst();
    void tabFollowsTheSheetOrderAndMovesTheSheetFocus();
    void enterOnAFocusedButtonPressesThatButton();
    void menuShortcutsShowTheReferenceMessages();

private:
    Sheet& sheet() { return ui_.sheet(); }

    template <class W>
    W* child(std::string_view controlName) {
        W* w = ui_.window()->findChild<W*>(qtText(std::string(controlName)));
        if (!w) qFatal("the window has no %s", std::string(controlName).c_str());
        return w;
    }
    QLineEdit* edit(F f) { return child<QLineEdit>(name(f)); }
    QLabel* label(L l) { return child<QLabel>(name(l)); }
    QRadioButton* option(O o) { return child<QRadioButton>(name(o)); }
    QPushButton* button(B b) { return child<QPushButton>(name(b)); }

    /// Clicks into a field and types.
    void type(F f, const QString& text) {
        QLineEdit* e = edit(f);
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(4, e->height() / 2));
        QTest::keyClicks(e, text);
    }
    /// Clicks on an option's round indicator.
    void click(O o) {
        QRadioButton* r = option(o);
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(8, r->height() / 2));
    }
    void click(B b) { QTest::mouseClick(button(b), Qt::LeftButton); }
    /// A key to whichever widget has the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : ui_.window(), k, modifiers);
    }

    QString focusName() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    QString sheetFocusName() { return qtText(name(sheet().focus())); }

    /// Every widget shows its element as the sheet holds it.
    void verifyMirror();
    /// The window's sheet holds the texts and colours of `expected`.
    void verifySameFields(const Sheet& expected);
    void verifyMessages(const std::vector<Message>& expected);
    /// The same dialogs, of every kind, as `expected`.
    void verifyDialogs(const std::vector<HeadlessPlatform::Event>& expected);

    WindowUnderTest ui_;
};

void WindowTest::init() {
    ui_.watchdog().reset();
    QVERIFY(ui_.open({.onScreen = true, .active = true}));
}

void WindowTest::cleanup() {
    ui_.close();
    QVERIFY2(ui_.strays().isEmpty(), qPrintable(ui_.strays()));
}

void WindowTest::verifyMirror() {
    const QString found = mirrorMismatch(sheet(), ui_.window()->widgets(), true);
    QVERIFY2(found.isEmpty(), qPrintable(found));
}

void WindowTest::verifySameFields(const Sheet& expected) {
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        QVERIFY2(sheet().text(f) == expected.text(f), name(f).data());
        QVERIFY2(sheet().colour(f) == expected.colour(f), name(f).data());
    }
}

void WindowTest::verifyMessages(const std::vector<Message>& expected) {
    const std::vector<Message> shown = ui_.platform().messages();
    QVERIFY2(
        shown == expected,
        qPrintable(
            QStringLiteral("shown:\n%1\nexpected:\n%2").arg(describe(shown), describe(expected))));
}

void WindowTest::verifyDialogs(const std::vector<HeadlessPlatform::Event>& expected) {
    const std::vector<HeadlessPlatform::Event>& shown = ui_.platform().events();
    QCOMPARE(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QVERIFY(shown[i].kind == expected[i].kind);
        QVERIFY(shown[i].message == expected[i].message);
        QCOMPARE(shown[i].prompt, expected[i].prompt);
        QCOMPARE(shown[i].title, expected[i].title);
    }
}

void WindowTest::startsInRatedSpeedPlacedByTheSheet() {
    QCOMPARE(focusName(), QStringLiteral("txtImpSpeed"));
    // On a screen with room for it the window stands where the sheet put
    // it (the left edge kept on a narrower screen is LayoutTest's).
    const QRect screen = ui_.window()->screen()->availableGeometry();
    QVERIFY2(ui_.window()->frameGeometry().width() <= screen.width(),
             "the tests' screen is narrower than the window");
    QCOMPARE(ui_.window()->x(), sheet().windowLeft());
    QVERIFY(ui_.window()->windowTitle().startsWith(QStringLiteral("Tarnwick ")));
    verifyMirror();
}

void WindowTest::typingShowsTheConvertedTwin() {
    type(F::txtImpSpeed, QStringLiteral("500"));
    QCOMPARE(edit(F::txtMetSpeed)->text(), QStringLiteral("2.54"));
    QCOMPARE(sheet().text(F::txtImpSpeed), std::string("500"));

    key(Qt::Key_Backspace);
    QCOMPARE(edit(F::txtImpSpeed)->text(), QStringLiteral("50"));
    QCOMPARE(edit(F::txtMetSpeed)->text(), QStringLiteral("0.25"));

    // The caret stays where the user left it while the twin follows.
    key(Qt::Key_Left);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QCOMPARE(edit(F::txtImpSpeed)->text(), QStringLiteral("570"));
    QCOMPARE(edit(F::txtMetSpeed)->text(), QStringLiteral("2.90"));

    type(F::txtImpRunby, QStringLiteral("6"));
    QCOMPARE(edit(F::txtMetRunby)->text(), QStringLiteral("152.40"));
    verifyMirror();
}

void WindowTest::typingStopsAtTheMaximumLengthButProgramTextsShowWhole() {
    type(F::txtImpStroke, QStringLiteral("1234567890"));
    QCOMPARE(edit(F::txtImpStroke)->text(), QStringLiteral("12345678"));
    type(F::txtCrossMea, QStringLiteral("123456789012"));
    QCOMPARE(edit(F::txtCrossMea)->text(), QStringLiteral("1234567890"));
    type(F::txtID, QString(40, QLatin1Char('x')));
    QCOMPARE(edit(F::txtID)->text().size(), 35);

    // A result may be longer than a user could type; it is shown whole.
    sheet().setText(F::txtImpMaxJump, "12345678901.25");
    QCOMPARE(edit(F::txtImpMaxJump)->text(), QStringLiteral("12345678901.25"));
    verifyMirror();
}

void WindowTest::calculateShowsResultsAndPaintsShortfallsRed() {
    type(F::txtImpSpeed, QStringLiteral("500"));
    type(F::txtImpRunby, QStringLiteral("6"));
    type(F::txtImpRunbyCar, QStringLiteral("6"));
    type(F::txtImpStroke, QStringLiteral("17"));
    click(B::cmdCalculate);

    Windowless expected;
    expected.sheet().setText(F::txtImpSpeed, "500");
    expected.sheet().setText(F::txtImpRunby, "6");
    expected.sheet().setText(F::txtImpRunbyCar, "6");
    expected.sheet().setText(F::txtImpStroke, "17");
    expected.sheet().setFocus(Element(B::cmdCalculate));
    expected.sheet().press(B::cmdCalculate);

    QCOMPARE(edit(F::txtImpMinStroke)->text(), QStringLiteral("17"));
    QCOMPARE(edit(F::txtImpMaxJump)->text(), QStringLiteral("31.56"));
    QCOMPARE(edit(F::txtDifCross)->text(), QStringLiteral("-55.56"));
    QCOMPARE(edit(F::txtDifCross)->palette().color(QPalette::Base), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(edit(F::txtImpMinCrosshead)->palette().color(QPalette::Base),
             QColor(0xFF, 0xFF, 0x00));
    QVERIFY(button(B::cmdMaxRunby)->isEnabled());
    QVERIFY(!ui_.platform().messages().empty());
    verifyMessages(expected.platform.messages());
    verifySameFields(expected.sheet());
    QCOMPARE(focusName(), sheetFocusName());
    verifyMirror();
}

void WindowTest::refusedEntryGetsTheFocusWithItsTextSelected() {
    // Without a tie-down device the rated speed may not pass 700 ft/min.
    type(F::txtImpSpeed, QStringLiteral("900"));
    type(F::txtImpRunby, QStringLiteral("6"));
    click(B::cmdCalculate);

    Windowless expected;
    expected.sheet().setText(F::txtImpSpeed, "900");
    expected.sheet().setText(F::txtImpRunby, "6");
    expected.sheet().setFocus(Element(B::cmdCalculate));
    expected.sheet().press(B::cmdCalculate);
    verifyMessages(expected.platform.messages());

    QCOMPARE(focusName(), QStringLiteral("txtImpSpeed"));
    QCOMPARE(edit(F::txtImpSpeed)->selectedText(), QStringLiteral("900"));
    // Typing replaces the selected entry.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
    QCOMPARE(edit(F::txtImpSpeed)->text(), QStringLiteral("4"));
    QCOMPARE(edit(F::txtMetSpeed)->text(), QStringLiteral("0.02"));
}

void WindowTest::springShowsTheGovernorRowAndASecondClickDoesNothing() {
    QVERIFY(edit(F::txtImpGovTrip)->isHidden());
    QVERIFY(!label(L::Label37)->isEnabled());

    click(O::optSpring);
    QVERIFY(!edit(F::txtImpGovTrip)->isHidden());
    QVERIFY(label(L::Label37)->isEnabled());
    QVERIFY(option(O::optSpring)->isChecked());
    QVERIFY(!option(O::optOil)->isChecked());
    QVERIFY(!option(O::optCompYes)->isEnabled());
    QCOMPARE(focusName(), QStringLiteral("txtImpGovTrip"));
    QCOMPARE(sheetFocusName(), QStringLiteral("txtImpGovTrip"));

    // The selected answer clicked again neither clears the sheet nor
    // loses its mark.
    type(F::txtImpSpeed, QStringLiteral("150"));
    click(O::optSpring);
    QCOMPARE(edit(F::txtImpSpeed)->text(), QStringLiteral("150"));
    QVERIFY(option(O::optSpring)->isChecked());
    QCOMPARE(sheetFocusName(), QStringLiteral("optSpring"));

    click(O::optOil);
    QVERIFY(edit(F::txtImpGovTrip)->isHidden());
    QCOMPARE(edit(F::txtImpSpeed)->text(), QString());
    QVERIFY(option(O::optOil)->isChecked());
    QVERIFY(!option(O::optSpring)->isChecked());
    verifyMirror();
}

void WindowTest::unitAndEditionChoicesReachTheWidgets() {
    click(B::cmdMetric);
    QVERIFY(!edit(F::txtMetSpeed)->isReadOnly());
    QVERIFY(edit(F::txtImpSpeed)->isReadOnly());
    QCOMPARE(edit(F::txtImpSpeed)->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(edit(F::txtMetSpeed)->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(label(labelDim(10))->text(), QStringLiteral("MM"));
    QCOMPARE(focusName(), QStringLiteral("txtMetSpeed"));

    type(F::txtMetSpeed, QStringLiteral("2.54"));
    QCOMPARE(edit(F::txtImpSpeed)->text(), QStringLiteral("500.00"));

    click(O::opt2000);
    QVERIFY(option(O::opt2000)->isChecked());
    QVERIFY(label(L::Label23)->toolTip().contains(QStringLiteral("2.4.12.1")));
    QCOMPARE(edit(F::txtMetSpeed)->text(), QStringLiteral("2.54"));
    verifyMirror();
}

void WindowTest::enterCalculatesAndEscAsksToClose() {
    key(Qt::Key_Return);
    Windowless expected;
    expected.sheet().press(B::cmdCalculate);
    QVERIFY(!expected.platform.messages().empty());
    verifyMessages(expected.platform.messages());
    QCOMPARE(focusName(), sheetFocusName());

    ui_.platform().clearEvents();
    expected.platform.clearEvents();
    ui_.platform().queueAnswer(Answer::No);
    key(Qt::Key_Escape);
    expected.platform.queueAnswer(Answer::No);
    expected.sheet().press(B::cmdExit);
    verifyMessages(expected.platform.messages());
    QVERIFY(ui_.window()->isVisible());
    QVERIFY(!sheet().closed());

    ui_.platform().queueAnswer(Answer::Yes);
    key(Qt::Key_Escape);
    QVERIFY(sheet().closed());
    QVERIFY(!ui_.window()->isVisible());
}

void WindowTest::closeBoxAndExitAskFirst() {
    type(F::txtImpSpeed, QStringLiteral("350"));
    ui_.platform().queueAnswer(Answer::Cancel);
    ui_.window()->close();
    QCOMPARE(ui_.platform().messages().size(), std::size_t{1});
    QCOMPARE(ui_.platform().messages().front().defaultButton, Answer::Cancel);
    QVERIFY(ui_.window()->isVisible());
    QCOMPARE(edit(F::txtImpSpeed)->text(), QStringLiteral("350"));

    ui_.platform().queueAnswer(Answer::No);
    click(B::cmdExit);
    QCOMPARE(ui_.platform().messages().size(), std::size_t{2});
    QVERIFY(ui_.window()->isVisible());

    ui_.platform().queueAnswer(Answer::Yes);
    ui_.window()->close();
    QVERIFY(sheet().closed());
    QVERIFY(!ui_.window()->isVisible());
}

void WindowTest::tabFollowsTheSheetOrderAndMovesTheSheetFocus() {
    type(F::txtImpStroke, QStringLiteral("17"));
    QTest::mouseClick(edit(F::txtImpSpeed), Qt::LeftButton);
    QCOMPARE(sheetFocusName(), QStringLiteral("txtImpSpeed"));

    // The metric inputs, results and differences are no tab stops, the
    // governor tripping speed is hidden and Max Runby is disabled.
    const char* order[] = {"txtImpRunby",  "txtImpRunbyCar", "txtImpStroke",   "txtCrossMea",
                           "txtRefugeMea", "txtShoesMea",    "txtObstructMea", "txtCwtMea",
                           "cmdCalculate", "cmdClearAll",    "cmdDefault",     "cmdExit",
                           "txtID",        "opt1996",        "opt2000",        "optOil"};
    for (const char* expected : order) {
        key(Qt::Key_Tab);
        QCOMPARE(focusName(), QString::fromLatin1(expected));
        QCOMPARE(sheetFocusName(), QString::fromLatin1(expected));
        if (focusName() == QStringLiteral("txtImpStroke")) {
            QCOMPARE(edit(F::txtImpStroke)->selectedText(), QStringLiteral("17"));
            QCOMPARE(sheet().selection(F::txtImpStroke), std::string("17"));
        }
    }
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("opt2000"));
    QCOMPARE(sheetFocusName(), QStringLiteral("opt2000"));
}

void WindowTest::enterOnAFocusedButtonPressesThatButton() {
    for (int i = 0; i < 20 && focusName() != QStringLiteral("cmdExit"); ++i) key(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("cmdExit"));
    ui_.platform().queueAnswer(Answer::No);
    key(Qt::Key_Return);

    Windowless expected;
    expected.platform.queueAnswer(Answer::No);
    expected.sheet().press(B::cmdExit);
    verifyMessages(expected.platform.messages());
    QVERIFY(ui_.window()->isVisible());
}

void WindowTest::menuShortcutsShowTheReferenceMessages() {
    QTest::keyClick(ui_.window(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(!ui_.platform().messages().empty());
    verifyMessages({*Reference::messageFor(M::mnuOil)});

    ui_.platform().clearEvents();
    QTest::keyClick(edit(F::txtImpSpeed), Qt::Key_F2);
    verifyMessages({*Reference::messageFor(M::mnu2000)});

    // Ctrl+D reaches the data report: the same dialogs as without a window.
    ui_.platform().clearEvents();
    QTest::keyClick(ui_.window(), Qt::Key_D, Qt::ControlModifier);
    Windowless expected;
    expected.sheet().choose(M::mnuPrintData);
    verifyDialogs(expected.platform.events());
    QVERIFY(ui_.window()->isVisible());
}

TARNWICK_GUI_TEST(WindowTest);

}  // namespace tarnwick

#include "WindowTest.moc"
