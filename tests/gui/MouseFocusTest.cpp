// Clicking into the window's fields with the mouse: a click that brings the
// focus selects the whole text, so that typing replaces it, as Tab does; once
// the field has the focus, clicks and drags work on the text as usual. And
// selections of texts beyond ASCII reach the sheet in characters.
#include <QLineEdit>
#include <QTest>
#include <string>
#include <utility>

#include "GuiTests.h"
#include "WindowUnderTest.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"

Q_DECLARE_METATYPE(tarnwick::F)

namespace tarnwick {

class MouseFocusTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void focusingClickSelectsSoTypingReplaces_data();
    void focusingClickSelectsSoTypingReplaces();
    void clickIntoTheFocusedFieldPlacesTheCaret();
    void dragInsideTheFocusedFieldSelects();
    void selectionsCountCharacters_data();
    void selectionsCountCharacters();

private:
    Sheet& sheet() { return ui_.sheet(); }
    QLineEdit* edit(F f) {
        auto* e = ui_.window()->findChild<QLineEdit*>(qtText(std::string(name(f))));
        if (!e) qFatal("the window has no %s", std::string(name(f)).c_str());
        return e;
    }
    static QPoint middle(const QLineEdit* e) { return {e->width() / 2, e->height() / 2}; }
    static QPoint rightEnd(const QLineEdit* e) { return {e->width() - 3, e->height() / 2}; }
    static QPoint leftEnd(const QLineEdit* e) { return {2, e->height() / 2}; }
    /// A press and a release at one point, as a user clicks.
    static void click(QLineEdit* e, QPoint at) {
        QTest::mousePress(e, Qt::LeftButton, {}, at);
        QTest::mouseRelease(e, Qt::LeftButton, {}, at);
    }

    WindowUnderTest ui_;
};

void MouseFocusTest::init() {
    ui_.watchdog().reset();
    QVERIFY(ui_.open({.active = true}));
}

void MouseFocusTest::cleanup() {
    ui_.close();
    QVERIFY2(ui_.strays().isEmpty(), qPrintable(ui_.strays()));
}

void MouseFocusTest::focusingClickSelectsSoTypingReplaces_data() {
    QTest::addColumn<F>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<F>("twinField");  // where the new value shows converted
    QTest::addColumn<QString>("twin");
    QTest::newRow("car runby") << F::txtImpRunbyCar << "6"
                               << "8"
                               << "8" << F::txtMetRunbyCar << "203.20";
    QTest::newRow("buffer stroke") << F::txtImpStroke << "23.35"
                                   << "25.35"
                                   << "25.35" << F::txtMetStroke << "643.89";
    QTest::newRow("measured crosshead") << F::txtCrossMea << "30"
                                        << "25"
                                        << "25" << F::txtCrossMea << "25";
    QTest::newRow("identification") << F::txtID << "Car 7"
                                    << "E-9"
                                    << "E-9" << F::txtID << "E-9";
}

void MouseFocusTest::focusingClickSelectsSoTypingReplaces() {
    QFETCH(F, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(F, twinField);
    QFETCH(QString, twin);
    QLineEdit* e = edit(field);
    QTest::mouseClick(e, Qt::LeftButton, {}, leftEnd(e));
    QTest::keyClicks(e, before);
    QCOMPARE(e->text(), before);
    // Away with the keyboard, back with the mouse, the click in the middle
    // of the text.
    QTest::keyClick(e, Qt::Key_Tab);
    QVERIFY(!e->hasFocus());
    click(e, middle(e));
    QVERIFY(e->hasFocus());
    QCOMPARE(e->selectedText(), before);
    QCOMPARE(qtText(sheet().selection(field)), before);

    QTest::keyClicks(e, typed);
    QCOMPARE(e->text(), after);
    QCOMPARE(qtText(sheet().text(field)), after);
    QCOMPARE(qtText(sheet().text(twinField)), twin);
}

void MouseFocusTest::clickIntoTheFocusedFieldPlacesTheCaret() {
    QLineEdit* e = edit(F::txtImpSpeed);
    QVERIFY(e->hasFocus());  // the start puts the focus there
    QTest::keyClicks(e, QStringLiteral("500"));
    QTest::keyClick(e, Qt::Key_Home);
    click(e, rightEnd(e));
    QCOMPARE(e->selectedText(), QString());
    QCOMPARE(e->cursorPosition(), 3);
    QTest::keyClicks(e, QStringLiteral("0"));
    QCOMPARE(qtText(sheet().text(F::txtImpSpeed)), QStringLiteral("5000"));

    // Focus by Tab selects; the next click goes into the text.
    QLineEdit* runby = edit(F::txtImpRunby);
    QTest::keyClick(e, Qt::Key_Tab);
    QVERIFY(runby->hasFocus());
    QTest::keyClicks(runby, QStringLiteral("12"));
    QTest::keyClick(runby, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(e, Qt::Key_Tab);
    QCOMPARE(runby->selectedText(), QStringLiteral("12"));
    click(runby, leftEnd(runby));
    QCOMPARE(runby->selectedText(), QString());
    QCOMPARE(runby->cursorPosition(), 0);
    QCOMPARE(sheet().selection(F::txtImpRunby), std::string());
    QTest::keyClicks(runby, QStringLiteral("3"));
    QCOMPARE(qtText(sheet().text(F::txtImpRunby)), QStringLiteral("312"));
}

void MouseFocusTest::dragInsideTheFocusedFieldSelects() {
    QLineEdit* e = edit(F::txtID);
    QTest::mouseClick(e, Qt::LeftButton, {}, leftEnd(e));
    QTest::keyClicks(e, QStringLiteral("Car 7 east"));
    QTest::keyClick(e, Qt::Key_End);
    QTest::mousePress(e, Qt::LeftButton, {}, leftEnd(e));
    QCOMPARE(e->cursorPosition(), 0);
    QTest::mouseMove(e, rightEnd(e));
    QTest::mouseRelease(e, Qt::LeftButton, {}, rightEnd(e));
    QCOMPARE(e->selectedText(), QStringLiteral("Car 7 east"));
    QCOMPARE(sheet().selection(F::txtID), std::string("Car 7 east"));
    QTest::keyClicks(e, QStringLiteral("E"));
    QCOMPARE(sheet().text(F::txtID), std::string("E"));
}

void MouseFocusTest::selectionsCountCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");  // in characters
    QTest::addColumn<QString>("part");
    QTest::newRow("umlaut") << QStringLiteral("Aufzug \u00C4-7") << 7 << QStringLiteral("\u00C4-7");
    QTest::newRow("accent first") << QStringLiteral("\u00C9-7 west") << 0
                                  << QStringLiteral("\u00C9-7");
    // A character outside the basic plane is two UTF-16 units, one character.
    QTest::newRow("lift sign") << QStringLiteral("Lift \U0001F6D7 \u00C9-7") << 7
                               << QStringLiteral("\u00C9-7");
}

void MouseFocusTest::selectionsCountCharacters() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(QString, part);
    const int length = static_cast<int>(part.toUcs4().size());
    QLineEdit* e = edit(F::txtID);
    sheet().setText(F::txtID, text.toStdString());
    QCOMPARE(e->text(), text);

    // From the widget to the sheet.
    const qsizetype at = text.indexOf(part);
    e->setFocus(Qt::TabFocusReason);
    e->setSelection(static_cast<int>(at), static_cast<int>(part.size()));
    QCOMPARE(qtText(sheet().selection(F::txtID)), part);
    QCOMPARE(std::as_const(sheet()).field(F::txtID).selStart, start);
    QCOMPARE(std::as_const(sheet()).field(F::txtID).selLength, length);

    // From the sheet to the widget.
    sheet().setSelection(F::txtID, 0, 0);
    sheet().setSelection(F::txtID, start, length);
    QCOMPARE(e->selectedText(), part);

    // The focus reaction selects the whole text, in the widget too.
    QTest::keyClick(e, Qt::Key_Tab);
    click(e, middle(e));
    QCOMPARE(e->selectedText(), text);
    QCOMPARE(qtText(sheet().selection(F::txtID)), text);
    QCOMPARE(std::as_const(sheet()).field(F::txtID).selLength,
             static_cast<int>(text.toUcs4().size()));
}

TARNWICK_GUI_TEST(MouseFocusTest);

}  // namespace tarnwick

#include "MouseFocusTest.moc"
