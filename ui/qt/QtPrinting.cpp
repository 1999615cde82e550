#include "ui/qt/QtPrinting.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "print/PrintFileName.h"
#include "ui/qt/ReminderDialog.h"

namespace tarnwick {

void QtPrinting::setWindow(QWidget* window) {
    window_ = window;
    printer_.setWindow(window);
}

void QtPrinting::showReminder(const ReminderView& view,
                              const std::function<void()>& checkBoxClicked) {
    ReminderDialog dialog(view, checkBoxClicked, window_);
    dialog.exec();
}

QString QtPrinting::offeredFile() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::homePath();
    const QDir dir(folder);
    const std::string name =
        printFileName(printer_.documentName(), "pdf", [&dir](const std::string& candidate) {
            return QFileInfo::exists(dir.filePath(QString::fromStdString(candidate)));
        });
    return dir.filePath(QString::fromStdString(name));
}

bool QtPrinting::showPrintDialog() {
    QPrinter& device = printer_.device();
    const QString file = offeredFile();
    // Without a printer the device prints to PDF already; the file name
    // keeps that choice. With printers the device's own choice stays, and
    // the file is what the dialog offers should the user pick a file.
    const bool toFile = QPrinterInfo::availablePrinterNames().isEmpty() ||
                        device.outputFormat() == QPrinter::PdfFormat;
    if (toFile) device.setOutputFileName(file);
    QPrintDialog dialog(&device, window_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (!toFile) {
        if (auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
            edit->setText(file);
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

std::string QtPrinting::shortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace tarnwick
