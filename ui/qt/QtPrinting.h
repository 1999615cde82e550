// Printing under Qt: the printer, the print dialog, the orientation reminder
// and the date in the desktop's short date format.
#pragma once

#include <QPointer>
#include <QWidget>

#include "print/PrintPlatform.h"
#include "ui/qt/QtPrinter.h"

namespace tarnwick {

class QtPrinting : public PrintPlatform {
public:
    /// The dialogs open over `window`, and Print Form prints its picture.
    void setWindow(QWidget* window);

    Printer& printer() override { return printer_; }
    void showReminder(const ReminderView& view,
                      const std::function<void()>& checkBoxClicked) override;
    bool showPrintDialog() override;
    std::string shortDate() override;

    QtPrinter& qtPrinter() { return printer_; }

private:
    QPointer<QWidget> window_;
    QtPrinter printer_;
};

}  // namespace tarnwick
