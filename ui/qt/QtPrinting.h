// Printing under Qt: the printer, the print dialog, the orientation reminder
// and the date in the desktop's short date format.
#pragma once

#include <QPointer>
#include <QString>
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
    /// Offers a PDF file in the user's documents folder, named after the
    /// document; where no printer is installed, that file is already chosen,
    /// so that confirming the dialog as it opens prints into it.
    bool showPrintDialog() override;
    std::string shortDate() override;

    QtPrinter& qtPrinter() { return printer_; }

    /// The file offered for the printer's next document: in the documents
    /// folder (made when missing; the home folder when it cannot be), named
    /// after the document, never one that exists.
    QString offeredFile() const;

private:
    QPointer<QWidget> window_;
    QtPrinter printer_;
};

}  // namespace tarnwick
