#include "ui/qt/QtPrinting.h"

#include <QDate>
#include <QLocale>
#include <QPrintDialog>

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

bool QtPrinting::showPrintDialog() {
    QPrintDialog dialog(&printer_.device(), window_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

std::string QtPrinting::shortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace tarnwick
