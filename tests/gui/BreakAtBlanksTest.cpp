// Long tooltips and the reference card's running text are broken at blanks
// into lines of a width: words stay whole, blanks inside a line stay as
// written, and no line but the first starts with blanks.
#include <QStringList>
#include <QTest>

#include "GuiTests.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

class BreakAtBlanksTest : public QObject {
    Q_OBJECT

private slots:
    void lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << QStringLiteral("Rated speed") << QStringList{"Rated speed"};
        QTest::newRow("just fits") << QStringLiteral("aaaa bbbb c") << QStringList{"aaaa bbbb c"};
        QTest::newRow("broken") << QStringLiteral("aaaa bbbb cccc dd")
                                << QStringList{"aaaa bbbb", "cccc dd"};
        QTest::newRow("no line starts with the blanks of a break")
            << QStringLiteral("aaaa bbbb    cccc") << QStringList{"aaaa bbbb  ", "cccc"};
        QTest::newRow("blanks inside a line kept")
            << QStringLiteral("aa  bb cccccccc") << QStringList{"aa  bb", "cccccccc"};
        QTest::newRow("a leading blank kept")
            << QStringLiteral(" aaaa bbbb cccc") << QStringList{" aaaa bbbb", "cccc"};
        QTest::newRow("a word longer than a line")
            << QStringLiteral("aa bbbbbbbbbbbbb cc") << QStringList{"aa", "bbbbbbbbbbbbb", "cc"};
    }
    void lines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(breakAtBlanks(text, 11), lines);
    }
};

TARNWICK_GUI_TEST(BreakAtBlanksTest);

}  // namespace tarnwick

#include "BreakAtBlanksTest.moc"
