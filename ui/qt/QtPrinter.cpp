#include "ui/qt/QtPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QMainWindow>
#include <QPixmap>
#include <QScrollArea>

#include "print/LineItems.h"

namespace tarnwick {

QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::device() const {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinter::isPrinting() const {
    return painter_.isActive() || (hasDevice() && device().printerState() == QPrinter::Active);
}

void QtPrinter::setDocumentName(const std::string& name) {
    device().setDocName(QString::fromStdString(name));
}

std::string QtPrinter::documentName() const {
    return device().docName().toStdString();
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

std::string QtPrinter::target() const {
    const QPrinter& p = device();
    if (p.outputFormat() == QPrinter::PdfFormat) {
        if (p.outputFileName().isEmpty()) return "no printer and no file was chosen";
        return "the file \"" + p.outputFileName().toStdString() + "\" cannot be written";
    }
    return "the printer \"" + p.printerName().toStdString() + "\" cannot be opened";
}

void QtPrinter::renewDevice() {
    const QPrinter& old = *printer_;
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (old.outputFormat() == QPrinter::NativeFormat) {
        fresh->setPrinterName(old.printerName());
    } else {
        fresh->setOutputFormat(old.outputFormat());
        fresh->setOutputFileName(old.outputFileName());
    }
    fresh->setPageLayout(old.pageLayout());
    fresh->setDocName(old.docName());
    fresh->setCopyCount(old.copyCount());
    fresh->setCollateCopies(old.collateCopies());
    fresh->setColorMode(old.colorMode());
    fresh->setDuplex(old.duplex());
    fresh->setPageOrder(old.pageOrder());
    printer_ = std::move(fresh);
}

void QtPrinter::fail(const std::string& what) {
    if (painter_.isActive()) {
        device().abort();
        painter_.end();
        // Half a report must not pass for the whole one.
        if (!device().outputFileName().isEmpty()) QFile::remove(device().outputFileName());
    }
    // A device that could not start may still count itself busy, refusing
    // every later change of its settings.
    if (hasDevice() && device().printerState() == QPrinter::Active) renewDevice();
    throw PrintFailure(what);
}

void QtPrinter::begin() {
    if (painter_.isActive()) return;
    if (!painter_.begin(&device())) fail(target());
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
            if (!device().newPage()) fail("a new page could not be started");
            top_ = 0;
        }
        painter_.drawText(QPointF(0, top_ + metrics.ascent()), QString::fromStdString(row));
        top_ += metrics.lineSpacing();
    }
}

void QtPrinter::endDocument() {
    if (!painter_.isActive()) return;  // nothing was printed
    if (!painter_.end()) fail("the document could not be finished");
}

QPixmap QtPrinter::windowPicture(QWidget& window) {
    QWidget* client = &window;
    if (auto* main = qobject_cast<QMainWindow*>(client); main && main->centralWidget()) {
        client = main->centralWidget();
    }
    // A sheet larger than the window scrolls in it: the picture is of the
    // whole sheet, not of the part in view.
    if (auto* scroll = qobject_cast<QScrollArea*>(client); scroll && scroll->widget()) {
        client = scroll->widget();
    }
    return client->grab();
}

void QtPrinter::printWindowPicture() {
    if (window_.isNull()) fail("there is no window to print");
    const QPixmap picture = windowPicture(*window_);
    begin();
    const QRect page = device().pageLayout().paintRectPixels(device().resolution());
    QRect target(QPoint(0, 0), picture.size().scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(QRect(QPoint(0, 0), page.size()).center());
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawPixmap(target, picture);
    if (!painter_.end()) fail("the picture could not be printed");
}

}  // namespace tarnwick
