#include "ui/qt/QtPlatform.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

#include "ui/qt/ReferenceCard.h"

namespace tarnwick {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton boxButton(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
        case Answer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

/// The prompts break their lines with carriage return and line feed.
QString promptLines(const std::string& prompt) {
    QString text = QString::fromStdString(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

}  // namespace

Answer QtPlatform::showMessage(const Message& message) {
    if (message.referenceCard) {
        // Closing the card any way is its OK.
        ReferenceCard card(message, window_);
        card.exec();
        return Answer::Ok;
    }
    QMessageBox box(boxIcon(message.icon), QString::fromStdString(message.title),
                    promptLines(message.prompt), QMessageBox::NoButton, window_);
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(boxButton(message.defaultButton));
        // The close box and Esc answer Cancel.
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            break;
    }
    return message.buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
}

std::string QtPlatform::promptText(const std::string& prompt, const std::string& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(window_, QString::fromStdString(title),
                              QString::fromStdString(prompt), QLineEdit::Normal, QString(), &ok);
    return ok ? text.toStdString() : std::string();
}

int QtPlatform::screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

}  // namespace tarnwick
