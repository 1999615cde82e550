#include "ui/qt/QtPrinter.h"

#include <QFontMetricsF>
#include <QMainWindow>
#include <QPixmap>

#include "print/LineItems.h"

namespace tarnwick {

QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::device() const {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

int QtPrinter::orientation() const {
    return device().pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

void QtPrinter::setOrientation(int orientation) {
    device().setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// Only the data report prints lines, and it lines its values up in columns:
// where the named family is missing, a fixed-pitch one stands in.
QFont QtPrinter::font() const {
    QFont font(QString::fromStdString(fontName_));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(fontSize_);
    font.setBold(bold_);
    return font;
}

void QtPrinter::begin() {
    if (painter_.isActive()) return;
    if (!painter_.begin(&device())) throw PrintFailure("the printer cannot be opened");
    top_ = 0;
}

void QtPrinter::printLine(const LineItems& items) {
    begin();
    const QFont f = font();
    painter_.setFont(f);
    const QFontMetricsF metrics(f, &device());
    const double pageHeight = device().pageLayout().paintRectPixels(device().resolution()).height();
    for (const std::string& row : layOut(items)) {
        if (top_ > 0 && top_ + metrics.height() > pageHeight) {
            if (!device().newPage()) throw PrintFailure("the printer cannot start a new page");
            top_ = 0;
        }
        painter_.drawText(QPointF(0, top_ + metrics.ascent()), QString::fromStdString(row));
        top_ += metrics.lineSpacing();
    }
}

void QtPrinter::endDocument() {
    if (!painter_.isActive()) return;  // nothing was printed
    if (!painter_.end()) throw PrintFailure("the document could not be finished");
}

void QtPrinter::printWindowPicture() {
    if (window_.isNull()) throw PrintFailure("there is no window to print");
    QWidget* client = window_;
    if (auto* main = qobject_cast<QMainWindow*>(client); main && main->centralWidget()) {
        client = main->centralWidget();
    }
    const QPixmap picture = client->grab();
    QPainter painter;
    if (!painter.begin(&device())) throw PrintFailure("the printer cannot be opened");
    // As large as the page allows, the proportions kept.
    const QRect page = device().pageLayout().paintRectPixels(device().resolution());
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    if (!painter.end()) throw PrintFailure("the picture could not be printed");
}

}  // namespace tarnwick
