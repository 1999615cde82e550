#include "ui/qt/ReminderDialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnwick {

ReminderDialog::ReminderDialog(const ReminderView& view, std::function<void()> checkBoxClicked,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(view.caption));
    setModal(true);

    auto* message = new QLabel(QString::fromStdString(view.message), this);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setBold(true);
    message->setFont(font);
    message->setWordWrap(true);
    message->setMinimumWidth(360);

    checkBox_ = new QCheckBox(QString::fromStdString(view.checkBox), this);
    connect(checkBox_, &QCheckBox::clicked, this,
            [clicked = std::move(checkBoxClicked)] { clicked(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(checkBox_);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

}  // namespace tarnwick
