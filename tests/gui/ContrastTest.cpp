// The window under a dark desktop palette: every field and button, in every
// colour and state it can take, shows text that reads on its background,
// measured on the rendered widget and in the palette it paints with.
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "GuiTests.h"
#include "WindowUnderTest.h"
#include "ui/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/Palette.h"

namespace tarnwick {

namespace {

constexpr double kReadable = 4.5;

/// A dark desktop theme: light text on dark backgrounds.
QPalette darkPalette() {
    QPalette p;
    const QColor window(0x2D, 0x2D, 0x2D), light(0xEE, 0xEE, 0xEE);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    p.setColor(QPalette::ButtonText, light);
    p.setColor(QPalette::Highlight, QColor(0x24, 0x5A, 0x9E));
    p.setColor(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9A, 0x9A, 0x9A));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9A, 0x9A, 0x9A));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9A, 0x9A, 0x9A));
    return p;
}

/// The widget as drawn: its background (the commonest colour inside its
/// frame) and the best contrast any pixel there has against it.
struct Rendered {
    QColor background;
    double contrast = 1;
};

Rendered render(QWidget& w) {
    const QImage image = w.grab().toImage();
    const QRect inner = QRect(QPoint(0, 0), image.size()).adjusted(4, 4, -4, -4);
    QHash<QRgb, int> counts;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) ++counts[image.pixel(x, y)];
    }
    Rendered r;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            r.background = QColor(it.key());
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        r.contrast = std::max(r.contrast, contrastRatio(QColor(it.key()), r.background));
    }
    return r;
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyFieldReadsInEveryColourAndState();
    void buttonsReadEnabledAndDisabled();
    void maxRunbyCaptionStaysRedAndReadable();
    void readableShadesKeepTheirHue_data();
    void readableShadesKeepTheirHue();
    void contrastRatiosOfKnownPairs_data();
    void contrastRatiosOfKnownPairs();

private:
    WindowUnderTest ui_;
    QPalette desktop_;
};

void ContrastTest::init() {
    ui_.watchdog().reset();
    desktop_ = QApplication::palette();
    QApplication::setPalette(darkPalette());
    QVERIFY(ui_.open({}));
}

void ContrastTest::cleanup() {
    ui_.close();
    QApplication::setPalette(desktop_);
    QVERIFY2(ui_.strays().isEmpty(), qPrintable(ui_.strays()));
}

void ContrastTest::everyFieldReadsInEveryColourAndState() {
    Sheet& sheet = ui_.sheet();
    const SheetWidgets& w = ui_.window()->widgets();
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        QLineEdit* edit = w[f];
        sheet.setVisible(f, true);
        sheet.setText(f, "8888.88");
        for (Colour colour : {Colour::White, Colour::Yellow, Colour::Red, Colour::Standard}) {
            for (bool locked : {false, true}) {
                sheet.setColour(f, colour);
                sheet.setLocked(f, locked);
                const QString what =
                    QStringLiteral("%1, %2%3")
                        .arg(edit->objectName(),
                             QString::fromStdString(std::string(colourName(colour))),
                             locked ? QStringLiteral(", locked") : QString());
                const QPalette& p = edit->palette();
                for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    QVERIFY2(contrastRatio(p.color(group, QPalette::Text),
                                           p.color(group, QPalette::Base)) >= kReadable,
                             qPrintable(what + QStringLiteral(": text")));
                    QVERIFY2(contrastRatio(p.color(group, QPalette::HighlightedText),
                                           p.color(group, QPalette::Highlight)) >= kReadable,
                             qPrintable(what + QStringLiteral(": selection")));
                }
                const Rendered drawn = render(*edit);
                if (colour != Colour::Standard) {
                    QVERIFY2(drawn.background == fieldBackground(colour), qPrintable(what));
                }
                QVERIFY2(drawn.contrast >= kReadable,
                         qPrintable(what + QStringLiteral(": drawn %1:1").arg(drawn.contrast)));
            }
        }
        // Selected text reads too.
        sheet.setColour(f, Colour::Yellow);
        edit->selectAll();
        QVERIFY2(render(*edit).contrast >= kReadable, qPrintable(edit->objectName()));
        edit->deselect();
    }
}

void ContrastTest::buttonsReadEnabledAndDisabled() {
    Sheet& sheet = ui_.sheet();
    for (int i = 0; i < kButtonCount; ++i) {
        const B b = static_cast<B>(i);
        QPushButton* button = ui_.window()->widgets()[b];
        for (bool enabled : {true, false}) {
            sheet.setEnabled(b, enabled);
            const QString what =
                button->objectName() + (enabled ? QString() : QStringLiteral(", disabled"));
            const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
            // Disabled captions may be greyed, but not below a legible 3:1.
            const double needed = enabled ? kReadable : 3.0;
            QVERIFY2(contrastRatio(button->palette().color(group, QPalette::ButtonText),
                                   button->palette().color(group, QPalette::Button)) >= needed,
                     qPrintable(what));
            // The desktop's own buttons are drawn greyed as its style has it;
            // the light green ones are the program's.
            const bool fixedFace = button->palette().color(QPalette::Button) == lightGreen();
            if (!enabled && !fixedFace) continue;
            const Rendered drawn = render(*button);
            QVERIFY2(drawn.contrast >= needed,
                     qPrintable(what + QStringLiteral(": drawn %1:1").arg(drawn.contrast)));
        }
    }
    // The light green buttons keep their face under the dark theme.
    QCOMPARE(ui_.window()->widgets()[B::cmdImperial]->palette().color(QPalette::Button),
             lightGreen());
}

void ContrastTest::maxRunbyCaptionStaysRedAndReadable() {
    for (bool dark : {true, false}) {
        QApplication::setPalette(dark ? darkPalette() : desktop_);
        QVERIFY(ui_.open({}));
        QLabel* caption = ui_.window()->widgets()[L::Label40];
        const QColor ink = caption->palette().color(QPalette::WindowText);
        const QColor window = caption->palette().color(QPalette::Window);
        QVERIFY2(contrastRatio(ink, window) >= kReadable, dark ? "dark" : "light");
        QVERIFY(ink.red() > 2 * std::max(ink.green(), ink.blue()));
        QVERIFY(render(*caption).contrast >= kReadable);
    }
}

void ContrastTest::readableShadesKeepTheirHue_data() {
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("background");
    QTest::newRow("red on light grey") << QColor(0xFF, 0, 0) << QColor(0xEF, 0xEF, 0xEF);
    QTest::newRow("red on dark grey") << QColor(0xFF, 0, 0) << QColor(0x2D, 0x2D, 0x2D);
    QTest::newRow("red on black") << QColor(0xFF, 0, 0) << QColor(0, 0, 0);
    QTest::newRow("grey on mid grey") << QColor(0x80, 0x80, 0x80) << QColor(0x77, 0x77, 0x77);
    QTest::newRow("black on white stays") << QColor(0, 0, 0) << QColor(0xFF, 0xFF, 0xFF);
}

void ContrastTest::readableShadesKeepTheirHue() {
    QFETCH(QColor, ink);
    QFETCH(QColor, background);
    const QColor shade = readableOn(ink, background);
    QVERIFY(contrastRatio(shade, background) >= kReadable);
    if (contrastRatio(ink, background) >= kReadable) QCOMPARE(shade, ink);
    if (ink.red() > ink.green()) QVERIFY(shade.red() >= shade.green());
}

// Every check above rests on the ratio; these are the guidelines' own
// figures.
void ContrastTest::contrastRatiosOfKnownPairs_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(0xFF, 0xFF, 0xFF) << 21.0;
    QTest::newRow("white on black") << QColor(0xFF, 0xFF, 0xFF) << QColor(0, 0, 0) << 21.0;
    QTest::newRow("a colour on itself")
        << QColor(0x1F, 0x4E, 0x9C) << QColor(0x1F, 0x4E, 0x9C) << 1.0;
    QTest::newRow("#767676 on white")
        << QColor(0x76, 0x76, 0x76) << QColor(0xFF, 0xFF, 0xFF) << 4.54;
    QTest::newRow("black on red") << QColor(0, 0, 0) << QColor(0xFF, 0, 0) << 5.25;
    QTest::newRow("red on white") << QColor(0xFF, 0, 0) << QColor(0xFF, 0xFF, 0xFF) << 4.00;
}

void ContrastTest::contrastRatiosOfKnownPairs() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(contrastRatio(a, b) - ratio) < 0.01,
             qPrintable(QString::number(contrastRatio(a, b), 'f', 3)));
}

TARNWICK_GUI_TEST(ContrastTest);

}  // namespace tarnwick

#include "ContrastTest.moc"
