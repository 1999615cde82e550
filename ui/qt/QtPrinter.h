// The printer under Qt: the settings the printing commands read and set, the
// report's lines painted in rows on the pages of one document, and the
// picture of the calculator window on a page of its own.
#pragma once

#include <QPainter>
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
    /// The window whose picture Print Form prints: its client area, without
    /// the menu bar.
    void setWindow(QWidget* window) { window_ = window; }

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
    void printWindowPicture() override;

private:
    QFont font() const;
    void begin();

    mutable std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QPointer<QWidget> window_;
    std::string fontName_ = "Arial";
    float fontSize_ = 10;
    bool bold_ = false;
    double top_ = 0;  ///< of the next row, in device pixels
};

}  // namespace tarnwick
