// The reference card as the Qt platform shows it: every page of Formulas &
// Info in a fixed-pitch font, each line unbroken in a box that holds it,
// the whole title, the OK button and the page's icon; and a modal box.
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <algorithm>

#include "DialogWatchdog.h"
#include "GuiTests.h"
#include "info/Reference.h"
#include "sheet/Working.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/ReferenceCard.h"

namespace tarnwick {

class ReferenceCardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { watchdog_.reset(); }
    void cleanup();

    void everyPageShowsItsLinesWhole_data();
    void everyPageShowsItsLinesWhole();
    void onlyRunningTextIsBrokenAndBetweenWords();
    void theWorkingIsReadLineByLineAndClosesWithEnter();

private:
    DialogWatchdog watchdog_;
    QtPlatform platform_;
};

void ReferenceCardTest::cleanup() {
    QCOMPARE(watchdog_.unmet(), std::size_t{0});
    QVERIFY2(watchdog_.strays().isEmpty(), qPrintable(watchdog_.strays().join(", ")));
}

void ReferenceCardTest::everyPageShowsItsLinesWhole_data() {
    QTest::addColumn<int>("menu");
    for (M m : {M::mnuOil, M::mnuSpring, M::mnu1996, M::mnu2000, M::mnuImpSpring, M::mnuImpComp,
                M::mnuImpReduced, M::mnuImpOtherOil, M::mnuMetSpring, M::mnuMetComp,
                M::mnuMetReduced, M::mnuMetOtherOil}) {
        QTest::newRow(std::string(name(m)).c_str()) << static_cast<int>(m);
    }
}

void ReferenceCardTest::everyPageShowsItsLinesWhole() {
    QFETCH(int, menu);
    const Message message = *Reference::messageFor(static_cast<M>(menu));
    QVERIFY(message.referenceCard);
    bool seen = false;
    watchdog_.expectDialog([&](QWidget* dialog) {
        seen = true;
        auto* card = dynamic_cast<ReferenceCard*>(dialog);
        QVERIFY(card);
        QVERIFY(card->isModal());
        QCOMPARE(card->windowTitle(), QString::fromStdString(message.title));
        QLabel* text = card->textLabel();
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QVERIFY(!text->wordWrap());
        QCOMPARE(text->text().split(QLatin1Char('\n')), cardLines(message));

        // The longest line fits the label, and the label is seen whole.
        const QFontMetrics fm(text->font());
        int longest = 0;
        for (const QString& line : cardLines(message)) {
            longest = std::max(longest, fm.horizontalAdvance(line));
        }
        QVERIFY2(text->contentsRect().width() >= longest,
                 qPrintable(QStringLiteral("%1 < %2").arg(text->width()).arg(longest)));
        // On a screen with room for it the whole text is in view; a smaller
        // screen scrolls it rather than break its lines.
        const QRect screen = card->screen()->availableGeometry();
        if (text->width() + 200 <= screen.width() && text->height() + 200 <= screen.height()) {
            QCOMPARE(text->visibleRegion().boundingRect().size(), text->size());
        }
        QVERIFY(card->width() <= std::max(screen.width(), longest));

        // The title has room in the title bar.
        QFont titleFont = card->font();
        titleFont.setBold(true);
        QVERIFY(card->width() > QFontMetrics(titleFont).horizontalAdvance(card->windowTitle()));

        QLabel* icon = card->findChild<QLabel*>(QStringLiteral("cardIcon"));
        QCOMPARE(icon != nullptr, message.icon == Icon::Information);
        auto* buttons = card->findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QCOMPARE(buttons->standardButtons(),
                 QDialogButtonBox::StandardButtons(QDialogButtonBox::Ok));
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(platform_.showMessage(message), Answer::Ok);
    QVERIFY(seen);
}

void ReferenceCardTest::onlyRunningTextIsBrokenAndBetweenWords() {
    // Formulas and tables keep their lines as written, blanks and all.
    for (M m : {M::mnuSpring, M::mnuImpComp, M::mnuMetOtherOil}) {
        const Message message = *Reference::messageFor(m);
        const QStringList written = QString::fromStdString(message.prompt).split("\r\n");
        QCOMPARE(cardLines(message), written);
    }
    // The long paragraphs are broken between words, and read the same joined.
    for (M m : {M::mnu1996, M::mnu2000}) {
        const Message message = *Reference::messageFor(m);
        const QStringList lines = cardLines(message);
        QString joined = lines.join(QLatin1Char(' '));
        QString original = QString::fromStdString(message.prompt);
        original.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        QCOMPARE(joined, original);
        for (const QString& line : lines) QVERIFY(line.size() <= 124);
        QVERIFY(lines.size() > QString::fromStdString(message.prompt).split("\r\n").size());
        // A speed stays with its unit.
        for (const QString& line : lines) QVERIFY(!line.endsWith(QStringLiteral(" 800")));
    }
}

void ReferenceCardTest::theWorkingIsReadLineByLineAndClosesWithEnter() {
    Message message = Reference::workingMessage(Working{});
    QVERIFY(message.lineByLine);
    QCOMPARE(message.prompt, std::string(Working::kNothingCalculated));
    message.prompt =
        "Case One\r\nMinimum clearance, crosshead: base 24 + car's movement 56.02 = 80.02 in";
    watchdog_.expectDialog([&](QWidget* dialog) {
        auto* lines = dialog->findChild<QPlainTextEdit*>(QStringLiteral("cardLines"));
        QVERIFY(lines);
        QVERIFY(lines->isReadOnly());
        QCOMPARE(lines->blockCount(), 2);
        QCOMPARE(lines->document()->findBlockByNumber(1).text(),
                 QStringLiteral(
                     "Minimum clearance, crosshead: base 24 + car's movement 56.02 = 80.02 in"));
        lines->setFocus();
        QTest::keyClick(lines, Qt::Key_Down);
        QTest::keyClick(lines, Qt::Key_Return);
    });
    QCOMPARE(platform_.showMessage(message), Answer::Ok);
}

TARNWICK_GUI_TEST(ReferenceCardTest);

}  // namespace tarnwick

#include "ReferenceCardTest.moc"
