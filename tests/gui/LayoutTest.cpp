// The window's layout at whatever font it runs with (its own test runs use
// fonts at 125 % and 150 % on screens too small for the sheet): every caption,
// unit and value is seen whole, nothing overlaps, the window grows but does
// not shrink below the sheet unless the sheet scrolls, the window lies on the
// screen, and the sheet scrolls to the focused field and prints whole.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <vector>

#include "GuiTests.h"
#include "WindowUnderTest.h"
#include "ui/Grid.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/Screen.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtPrinter.h"
#include "ui/qt/WindowLayout.h"

namespace tarnwick {

namespace {

/// Whether a line edit shows its whole text without scrolling: the caret
/// at the end stands as far from the caret at the start as the text is wide.
bool showsWhole(QLineEdit& edit) {
    const int keep = edit.cursorPosition();
    edit.setCursorPosition(0);
    const QRect start = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    edit.setCursorPosition(static_cast<int>(edit.text().size()));
    const QRect end = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    edit.setCursorPosition(keep);
    const int width = edit.fontMetrics().horizontalAdvance(edit.text());
    return end.left() - start.left() >= width && end.right() < edit.width();
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyTextFitsItsWidgetAndNothingOverlaps();
    void theLongestResultsOfLargeEntriesAreSeenWhole_data();
    void theLongestResultsOfLargeEntriesAreSeenWhole();
    void theWindowGrowsButNotBelowItsContentUnlessItScrolls();
    void theDefaultFontGivesTheUsualClientArea();
    void theLeftEdgeStaysOnTheScreen_data();
    void theLeftEdgeStaysOnTheScreen();
    void theWindowLiesOnTheScreenAndTheSheetScrollsToTheFocus();
    void everyCellStandsWhereTheGridPlacesIt();

private:
    Sheet& sheet() { return ui_.sheet(); }
    const SheetWidgets& w() { return ui_.window()->widgets(); }
    SheetScroll& scroll() { return ui_.window()->sheetScroll(); }
    /// Whether `widget` is wholly in the part of the sheet in view.
    bool inView(const QWidget& widget) {
        const QRect rect(widget.mapTo(scroll().viewport(), QPoint(0, 0)), widget.size());
        return scroll().viewport()->rect().contains(rect);
    }
    void start(int screenWidth = 1920);
    /// Every visible label, field, option and button shows its text whole
    /// and none overlaps another.
    void verifyFits();

    WindowUnderTest ui_;
};

void LayoutTest::init() {
    ui_.watchdog().reset();
    start();
}

void LayoutTest::start(int screenWidth) {
    auto platform = std::make_unique<HeadlessPlatform>();
    platform->setScreenWidth(screenWidth);
    QVERIFY(ui_.open({.onScreen = true}, std::move(platform)));
}

void LayoutTest::cleanup() {
    ui_.close();
    QVERIFY2(ui_.strays().isEmpty(), qPrintable(ui_.strays()));
}

void LayoutTest::verifyFits() {
    // A longer text widens its box, and the window with it.
    QTRY_VERIFY(ui_.window()->width() >= ui_.window()->minimumSizeHint().width() &&
                ui_.window()->height() >= ui_.window()->minimumSizeHint().height());
    QTest::qWait(100);
    QWidget* client = scroll().widget();
    QList<QWidget*> leaves;
    for (QLabel* label : w().labels) {
        if (!label->isVisible()) continue;
        leaves << label;
        const QString what = label->objectName() + QStringLiteral(" \"") + label->text() + '"';
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(what));
        } else {
            const QFontMetrics fm = label->fontMetrics();
            QVERIFY2(label->contentsRect().width() >= fm.horizontalAdvance(label->text()),
                     qPrintable(what));
            QVERIFY2(label->contentsRect().height() >= fm.height(), qPrintable(what));
        }
    }
    for (QLineEdit* edit : w().fields) {
        if (!edit->isVisible()) continue;
        leaves << edit;
        QVERIFY2(showsWhole(*edit),
                 qPrintable(edit->objectName() + QStringLiteral(" \"") + edit->text() + '"'));
        QVERIFY2(edit->height() >= edit->sizeHint().height(), qPrintable(edit->objectName()));
    }
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : w().options) buttons << b;
    for (QAbstractButton* b : w().buttons) buttons << b;
    for (QAbstractButton* b : buttons) {
        leaves << b;
        const QSize need = b->sizeHint();
        QVERIFY2(b->width() >= need.width() && b->height() >= need.height(),
                 qPrintable(b->objectName()));
    }
    for (int i = 0; i < leaves.size(); ++i) {
        const QRect a(leaves[i]->mapTo(client, QPoint(0, 0)), leaves[i]->size());
        QVERIFY2(client->rect().contains(a), qPrintable(leaves[i]->objectName()));
        for (int j = i + 1; j < leaves.size(); ++j) {
            const QRect b(leaves[j]->mapTo(client, QPoint(0, 0)), leaves[j]->size());
            QVERIFY2(!a.intersects(b), qPrintable(leaves[i]->objectName() + QStringLiteral(" / ") +
                                                  leaves[j]->objectName()));
        }
    }
}

void LayoutTest::everyTextFitsItsWidgetAndNothingOverlaps() {
    verifyFits();
    // The longer captions of a compressed buffer, the governor row of spring
    // buffers, a full identification and the metric units.
    sheet().select(O::optCompYes);
    verifyFits();
    sheet().select(O::optSpring);
    sheet().setText(F::txtID, "Car 12, north bank, 1200 Main Stree");
    verifyFits();
    sheet().press(B::cmdMetric);
    verifyFits();
}

void LayoutTest::theLongestResultsOfLargeEntriesAreSeenWhole_data() {
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("compressed");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("measured");
    QTest::newRow("imperial") << false << false << "99999999"
                              << "9999999999";
    QTest::newRow("imperial, decimals") << false << false << "99999.99"
                                        << "-999999.99";
    QTest::newRow("imperial, compressed") << false << true << "-9999999"
                                          << "-999999999";
    QTest::newRow("metric") << true << false << "99999999"
                            << "9999999999";
    QTest::newRow("metric, compressed") << true << true << "-9999999"
                                        << "-999999999";
}

void LayoutTest::theLongestResultsOfLargeEntriesAreSeenWhole() {
    QFETCH(bool, metric);
    QFETCH(bool, compressed);
    QFETCH(QString, entry);
    QFETCH(QString, measured);
    if (metric) sheet().press(B::cmdMetric);
    // A tie-down device lets any speed through.
    sheet().select(O::optTieDownYes);
    if (compressed) sheet().select(O::optCompYes);
    const std::string e = entry.toStdString();
    const std::vector<F> entries =
        metric ? std::vector<F>{F::txtMetSpeed, F::txtMetRunby, F::txtMetRunbyCar, F::txtMetStroke}
               : std::vector<F>{F::txtImpSpeed, F::txtImpRunby, F::txtImpRunbyCar, F::txtImpStroke};
    for (F f : entries) {
        const bool runby = f == F::txtImpRunby || f == F::txtMetRunby || f == F::txtImpRunbyCar ||
                           f == F::txtMetRunbyCar;
        sheet().setText(f, runby ? e : "99999999");
    }
    for (F f : {F::txtCrossMea, F::txtRefugeMea, F::txtShoesMea, F::txtObstructMea, F::txtCwtMea}) {
        sheet().setText(f, measured.toStdString());
    }
    sheet().press(B::cmdCalculate);
    sheet().press(B::cmdMaxRunby);
    QVERIFY(!sheet().text(metric ? F::txtImpMaxJump : F::txtMetMaxJump).empty());
    verifyFits();
}

void LayoutTest::theWindowGrowsButNotBelowItsContentUnlessItScrolls() {
    QWidget* client = scroll().widget();
    const QSize usual = ui_.window()->size();
    const QPoint speed = w()[F::txtImpSpeed]->mapTo(client, QPoint(0, 0));
    const QPoint calculate = w()[B::cmdCalculate]->mapTo(client, QPoint(0, 0));

    ui_.window()->resize(usual + QSize(300, 200));
    QTRY_COMPARE(ui_.window()->size(), usual + QSize(300, 200));
    verifyFits();
    // The content stays together where it was.
    QCOMPARE(w()[F::txtImpSpeed]->mapTo(client, QPoint(0, 0)), speed);
    QCOMPARE(w()[B::cmdCalculate]->mapTo(client, QPoint(0, 0)), calculate);

    ui_.window()->resize(200, 150);
    QApplication::processEvents();
    QVERIFY(ui_.window()->width() > 200 && ui_.window()->height() > 150);
    verifyFits();
    // Smaller than the sheet only where the screen is.
    const QSize need = client->minimumSizeHint();
    const QSize room = scroll().room();
    QCOMPARE(scroll().width() < need.width() || scroll().height() < need.height(),
             need.width() > room.width() || need.height() > room.height());
}

void LayoutTest::theDefaultFontGivesTheUsualClientArea() {
    if (ui_.window()->logicalDpiY() != 96) QSKIP("the usual size holds at the default font only");
    const QSize client = ui_.window()->centralWidget()->size();
    QVERIFY2(std::abs(client.width() - kClientArea.width()) <= kClientArea.width() / 20 &&
                 std::abs(client.height() - kClientArea.height()) <= kClientArea.height() / 20,
             qPrintable(QStringLiteral("%1 x %2").arg(client.width()).arg(client.height())));
    QVERIFY(!scroll().horizontalScrollBar()->isVisible());
    QVERIFY(!scroll().verticalScrollBar()->isVisible());
}

void LayoutTest::theLeftEdgeStaysOnTheScreen_data() {
    QTest::addColumn<int>("screenWidth");
    // The sheet centres the window on a screen of this width.
    QTest::newRow("narrower than the window") << 400;
    QTest::newRow("as the window's screen") << 0;
    QTest::newRow("far wider") << 8000;
}

void LayoutTest::theLeftEdgeStaysOnTheScreen() {
    QFETCH(int, screenWidth);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    start(screenWidth > 0 ? screenWidth : area.width());
    const int left = ui_.window()->frameGeometry().left();
    QVERIFY2(left >= area.left(), qPrintable(QString::number(left)));
    if (ui_.window()->frameGeometry().width() <= area.width()) {
        QVERIFY(ui_.window()->frameGeometry().right() <= area.right());
    } else {
        QCOMPARE(left, area.left());
    }
}

void LayoutTest::theWindowLiesOnTheScreenAndTheSheetScrollsToTheFocus() {
    MainWindow& window = *ui_.window();
    const QRect area = window.screen()->availableGeometry();
    QTRY_VERIFY(area.contains(window.frameGeometry()));

    // Tab from the first entry to the last measured clearance.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit* last = w()[F::txtCwtMea];
    for (int i = 0; i < 10 && QApplication::focusWidget() != last; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), last);
    QVERIFY(inView(*last));
    // The program's own focus move, back to the first entry.
    sheet().press(B::cmdImperial);
    QTRY_VERIFY(w()[F::txtImpSpeed]->hasFocus());
    QVERIFY(inView(*w()[F::txtImpSpeed]));

    // The form's picture is of the whole sheet, down to the last row's
    // rightmost field, wherever the sheet is scrolled to.
    scroll().verticalScrollBar()->setValue(0);
    scroll().horizontalScrollBar()->setValue(0);
    QWidget* sheetArea = scroll().widget();
    const QImage picture = QtPrinter::windowPicture(window).toImage();
    QCOMPARE(picture.size(), sheetArea->size() * window.devicePixelRatio());
    QLineEdit* corner = w()[F::txtDifCwt];
    const QRect inside = corner->rect().adjusted(3, 3, -3, -3);
    const QImage drawn = corner->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect there(corner->mapTo(sheetArea, inside.topLeft()), inside.size());
    QCOMPARE(picture.copy(there).convertToFormat(QImage::Format_RGB32), drawn);
}

// The data block is laid out as the core's grid has it, cell by cell; the
// identification's caption and field take a row each of their cell.
void LayoutTest::everyCellStandsWhereTheGridPlacesIt() {
    QGridLayout* grid = nullptr;
    for (QGridLayout* g : ui_.window()->findChildren<QGridLayout*>()) {
        if (g->indexOf(w()[F::txtImpSpeed]) >= 0) grid = g;
    }
    QVERIFY(grid);
    // Where the grid item that is `widget`, or a layout holding it, stands.
    const auto placeOf = [grid](QWidget* widget) {
        int row = -1, column = -1, rows = 0, columns = 0;
        for (int i = 0; i < grid->count(); ++i) {
            QLayoutItem* item = grid->itemAt(i);
            if (item->widget() == widget ||
                (item->layout() && item->layout()->indexOf(widget) >= 0)) {
                grid->getItemPosition(i, &row, &column, &rows, &columns);
            }
        }
        return QStringLiteral("%1,%2 %3x%4").arg(row).arg(column).arg(rows).arg(columns);
    };
    const auto text = [](const screen::Place& at) {
        return QStringLiteral("%1,%2 %3x%4")
            .arg(at.row)
            .arg(at.column)
            .arg(at.rows)
            .arg(at.columns);
    };
    for (const screen::Cell& cell : screen::gridCells()) {
        if (cell.wide.rows == 0) continue;
        if (cell.holds == screen::Holds::Identification) {
            const screen::Place& at = cell.wide;
            QCOMPARE(placeOf(w()[screen::kIdentificationCaption]),
                     text({at.row, at.column, 1, at.columns}));
            QCOMPARE(placeOf(w()[screen::kIdentification]),
                     text({at.row + 1, at.column, 1, at.columns}));
        } else {
            QCOMPARE(placeOf(w().widget(cell.element)), text(cell.wide));
        }
    }
}

TARNWICK_GUI_TEST(LayoutTest);

}  // namespace tarnwick

#include "LayoutTest.moc"
