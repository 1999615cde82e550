// The Qt platform's dialogs, answered the way a user answers them: the right
// icon, buttons and default button, and the answer each way of closing the
// box gives.
#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "DialogWatchdog.h"
#include "GuiTests.h"
#include "ui/qt/QtPlatform.h"

namespace tarnwick {

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void init() { watchdog_.reset(); }
    void cleanup();

    void closePromptOffersYesNoCancelWithCancelAsDefault();
    void closingTheBoxAnswersCancelWhereOfferedElseOk();
    void promptGivesTheTypedTextOrNothing();

private:
    /// Runs `act` on the next message box, after checking it is one.
    void onMessageBox(std::function<void(QMessageBox&)> act) {
        watchdog_.expectDialog([act = std::move(act)](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (!box) {
                QFAIL("expected a message box");
            }
            act(*box);
        });
    }

    DialogWatchdog watchdog_;
    QtPlatform platform_;
};

void PlatformTest::cleanup() {
    QCOMPARE(watchdog_.unmet(), std::size_t{0});
    QVERIFY2(watchdog_.strays().isEmpty(), qPrintable(watchdog_.strays().join(", ")));
}

void PlatformTest::closePromptOffersYesNoCancelWithCancelAsDefault() {
    const Message question{"Close now?\r\nEverything typed is lost.", "Close Tarnwick?",
                           Icon::Question, Buttons::YesNoCancel, Answer::Cancel};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text, title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    onMessageBox([&](QMessageBox& box) {
        icon = box.icon();
        text = box.text();
        title = box.windowTitle();
        buttons = box.standardButtons();
        defaultButton = box.standardButton(box.defaultButton());
        box.button(QMessageBox::No)->click();
    });
    QCOMPARE(platform_.showMessage(question), Answer::No);
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(text, QStringLiteral("Close now?\nEverything typed is lost."));
    QCOMPARE(title, QStringLiteral("Close Tarnwick?"));
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(defaultButton, QMessageBox::Cancel);

    // Enter takes the default button.
    onMessageBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(platform_.showMessage(question), Answer::Cancel);

    const Message yesDefault{"Go on?", "Question", Icon::Question, Buttons::YesNoCancel,
                             Answer::Yes};
    onMessageBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    QCOMPARE(platform_.showMessage(yesDefault), Answer::Yes);
}

void PlatformTest::closingTheBoxAnswersCancelWhereOfferedElseOk() {
    const Message question{"Close?", "Close Tarnwick?", Icon::Question, Buttons::YesNoCancel,
                           Answer::Cancel};
    onMessageBox([](QMessageBox& box) { box.close(); });
    QCOMPARE(platform_.showMessage(question), Answer::Cancel);
    onMessageBox([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(platform_.showMessage(question), Answer::Cancel);

    const Message warning{"Too fast", "Caution !!", Icon::Critical, Buttons::Ok, Answer::Ok};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onMessageBox([&](QMessageBox& box) {
        icon = box.icon();
        box.close();
    });
    QCOMPARE(platform_.showMessage(warning), Answer::Ok);
    QCOMPARE(icon, QMessageBox::Critical);

    const Message plain{"Formulas", "Info", Icon::None, Buttons::Ok, Answer::Ok};
    onMessageBox([&](QMessageBox& box) {
        icon = box.icon();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    QCOMPARE(platform_.showMessage(plain), Answer::Ok);
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void PlatformTest::promptGivesTheTypedTextOrNothing() {
    QString label;
    watchdog_.expectDialog([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input);
        label = input->labelText();
        input->setTextValue(QStringLiteral("Car 3, north bank"));
        input->accept();
    });
    QCOMPARE(platform_.promptText("Elevator identification?", "Print"),
             std::string("Car 3, north bank"));
    QCOMPARE(label, QStringLiteral("Elevator identification?"));

    watchdog_.expectDialog([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input);
        input->setTextValue(QStringLiteral("typed, then cancelled"));
        input->reject();
    });
    QCOMPARE(platform_.promptText("Elevator identification?", "Print"), std::string());
}

TARNWICK_GUI_TEST(PlatformTest);

}  // namespace tarnwick

#include "PlatformTest.moc"
