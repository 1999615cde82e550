// A line edit frame drawn from the window style's picture of its look must be
// the frame the desktop's style draws, to a level or two of rounding, for
// every size, focus, colour and device pixel ratio, whichever look was drawn
// first.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "GuiTests.h"
#include "ui/qt/WindowStyle.h"

namespace tarnwick {

class WindowStyleTest : public QObject {
    Q_OBJECT

private slots:
    void linesEditFramesAreTheStylesOwn_data();
    void linesEditFramesAreTheStylesOwn();
    void transformedPaintersGetTheStylesOwnLines();

private:
    /// The largest difference of a colour channel between two pictures.
    static int largestDifference(const QImage& a, const QImage& b) {
        int worst = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                worst =
                    std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            }
        }
        return worst;
    }

    /// The frame and panel of `edit` in the look of `option`, drawn by
    /// `style` on a picture of the window's background.
    static QImage drawn(const QStyle& style, const QStyleOptionFrame& option, const QLineEdit& edit,
                        qreal scale, const QTransform& transform = {}) {
        QImage image((QSizeF(option.rect.size() + QSize(8, 8)) * scale).toSize(),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(option.palette.window().color());
        QPainter painter(&image);
        painter.setTransform(transform);
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &edit);
        return image;
    }

    // One style for all rows: its pictures from earlier rows are reused.
    std::unique_ptr<WindowStyle> window_ = std::make_unique<WindowStyle>();
    QLineEdit edit_;
};

void WindowStyleTest::linesEditFramesAreTheStylesOwn_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("newPictures");  // the pictures the row adds
    const QColor grey(0xEF, 0xEF, 0xEF), dark(0x31, 0x36, 0x3B);
    const QColor white(Qt::white), yellow(Qt::yellow);
    // Each look right after one it must not be taken for.
    QTest::newRow("entry") << QSize(90, 24) << false << grey << white << 1.0 << 1;
    QTest::newRow("entry with the focus") << QSize(90, 24) << true << grey << white << 1.0 << 1;
    QTest::newRow("entry again") << QSize(90, 24) << false << grey << white << 1.0 << 0;
    // The box's own background is not part of its frame.
    QTest::newRow("yellow result") << QSize(90, 24) << false << grey << yellow << 1.0 << 0;
    QTest::newRow("wider") << QSize(110, 24) << false << grey << white << 1.0 << 1;
    QTest::newRow("taller") << QSize(110, 31) << false << grey << white << 1.0 << 1;
    QTest::newRow("dark window") << QSize(90, 24) << false << dark << white << 1.0 << 1;
    QTest::newRow("dark window, focus") << QSize(90, 24) << true << dark << white << 1.0 << 1;
    QTest::newRow("twice the pixels") << QSize(90, 24) << false << grey << white << 2.0 << 1;
    QTest::newRow("twice, focus") << QSize(90, 24) << true << grey << white << 2.0 << 1;
    // Off whole device pixels the style draws the frame itself.
    QTest::newRow("fractional ratio") << QSize(90, 24) << false << grey << white << 1.5 << 0;
}

void WindowStyleTest::linesEditFramesAreTheStylesOwn() {
    if (window_->baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive)) {
        QSKIP("the pictures are kept for Fusion frames only");
    }
    QFETCH(QSize, size);
    QFETCH(bool, focus);
    QFETCH(QColor, window);
    QFETCH(QColor, base);
    QFETCH(qreal, scale);
    QFETCH(int, newPictures);
    QStyleOptionFrame option;
    option.initFrom(&edit_);
    option.rect = QRect(QPoint(4, 4), size);
    option.lineWidth = 1;
    option.palette.setColor(QPalette::Window, window);
    option.palette.setColor(QPalette::Base, base);
    option.state |= QStyle::State_Enabled;
    if (focus) option.state |= QStyle::State_HasFocus;

    const std::size_t before = window_->framePictures();
    const QImage expected = drawn(*window_->baseStyle(), option, edit_, scale);
    const QImage got = drawn(*window_, option, edit_, scale);
    // Copying a picture of the antialiased lines blends each pixel in two
    // steps instead of one: a level or two of rounding, never more.
    QCOMPARE(got.size(), expected.size());
    const int worst = largestDifference(got, expected);
    QVERIFY2(worst <= 2, qPrintable(QStringLiteral("a channel differs by %1").arg(worst)));
    QCOMPARE(window_->framePictures(), before + newPictures);
}

void WindowStyleTest::transformedPaintersGetTheStylesOwnLines() {
    QStyleOptionFrame option;
    option.initFrom(&edit_);
    option.rect = QRect(4, 4, 90, 24);
    option.lineWidth = 1;
    for (const QTransform& t : {QTransform::fromScale(1.7, 1.7),
                                QTransform::fromTranslate(0.5, 0.25), QTransform().rotate(10)}) {
        QCOMPARE(drawn(*window_, option, edit_, 1.0, t),
                 drawn(*window_->baseStyle(), option, edit_, 1.0, t));
    }
}

TARNWICK_GUI_TEST(WindowStyleTest);

}  // namespace tarnwick

#include "WindowStyleTest.moc"
