#include "DialogWatchdog.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace tarnwick {

DialogWatchdog::DialogWatchdog() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &DialogWatchdog::look);
    timer_.start();
}

void DialogWatchdog::reset() {
    expected_.clear();
    strays_.clear();
}

void DialogWatchdog::look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (!expected_.empty()) {
        Handler handler = std::move(expected_.front());
        expected_.pop_front();
        handler(modal);
        return;
    }
    strays_ << QStringLiteral("%1 \"%2\"")
                   .arg(QString::fromLatin1(modal->metaObject()->className()),
                        modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

}  // namespace tarnwick
