// The printer under Qt: the settings the printing commands read and set, the
// report's lines painted in rows on the pages of one document, and the
// picture of the calculator window on a page of its own.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <memory>
#include <string>

#include "print/PrintPlatform.h"

namespace tarnwick {

class QtPrinter : public Printer {
public:
    QtPrinter();

    /// The device the print dialog configures. It is made when first needed:
    /// making it loads the print system, which a start of the program that
    /// never prints should not wait for.
    QPrinter& device() const;
    /// Whether the device has been made yet.
    bool hasDevice() const { return printer_ != nullptr; }
    /// Whether a document is open on the device: between its first line and
    /// its end, or left so by a device that failed.
    bool isPrinting() const;
    /// The window whose picture Print Form prints: its client area, without
    /// the menu bar.
    void setWindow(QWidget* window) { window_ = window; }
    /// The picture of `window` that Print Form prints: its client area, and
    /// where that scrolls, all of what scrolls in it.
    static QPixmap windowPicture(QWidget& window);

    void setDocumentName(const std::string& name) override;
    std::string documentName() const;
    std::string fontName() const override { return fontName_; }
    void setFontName(const std::string& name) override { fontName_ = name; }
    float fontSize() const override { return fontSize_; }
    void setFontSize(float points) override { fontSize_ = points; }
    int orientation() const override;
    void setOrientation(int orientation) override;
    void setBold(bool on) override { bold_ = on; }

    /// Each row of the line's layout (see layOut) goes below the one before,
    /// from the top left of the printable area; a row that does not fit
    /// starts a new page.
    void printLine(const LineItems& items) override;
    void endDocument() override;
    /// The picture as large as the page allows, its proportions kept,
    /// centred on the page.
    void printWindowPicture() override;

private:
    QFont font() const;
    void begin();
    /// Drops the unfinished document (a file half written is removed),
    /// leaves the device ready for the next one and throws the failure.
    [[noreturn]] void fail(const std::string& what);
    /// A fresh device with the settings of the present one, for a device
    /// that a failed start left busy.
    void renewDevice();
    /// What the device prints to, for the failure messages.
    std::string target() const;

    mutable std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QPointer<QWidget> window_;
    std::string fontName_ = "Arial";
    float fontSize_ = 10;
    bool bold_ = false;
    double top_ = 0;  ///< of the next row, in device pixels
};

}  // namespace tarnwick
