// A long random session on the real window: clicks on whatever buttons and
// options are enabled, clicks into fields, typing, pasting, editing and
// navigation keys, menu shortcuts and the close box, thousands of them from a
// fixed seed. After every action each widget must show its element exactly as
// the sheet holds it, the keyboard focus must be where the sheet has it, and
// no dialog may be left open; each session's record, replayed on a headless
// program, must come to the sheet the window ended with. The program's
// dialogs go to a headless platform that answers each one at random as it
// comes; a real dialog would be caught by the watchdog.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "GuiTests.h"
#include "MirrorCheck.h"
#include "WindowUnderTest.h"
#include "tests/support/SheetInvariants.h"

namespace tarnwick {

namespace {

constexpr unsigned kSeed = 20261208;
constexpr int kActions = 4000;
// How many of the last actions a failure lists.
constexpr std::size_t kHistory = 12;

using Random = std::mt19937;

int below(Random& random, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

bool chance(Random& random, int percent) {
    return below(random, 100) < percent;
}

template <class T, std::size_t N>
T pick(Random& random, const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(below(random, static_cast<int>(N)))];
}

/// A few characters of what a user may type into a field: mostly number
/// pieces, sometimes letters, blanks, signs or a character outside ASCII.
QString randomText(Random& random) {
    static const QString pieces = QStringLiteral("0123456789012345678.,-+e$ xZ\u00e9\u00bd");
    QString text;
    const int length = 1 + below(random, 7);
    for (int i = 0; i < length; ++i) text += pieces[below(random, static_cast<int>(pieces.size()))];
    return text;
}

/// The headless platform, answering every dialog at random the moment it
/// comes: Yes to the close question only now and then, so that sessions
/// last.
class RandomAnswers : public HeadlessPlatform {
public:
    explicit RandomAnswers(Random& random) : random_(random) {}

    Answer showMessage(const Message& message) override {
        if (message.buttons == Buttons::YesNoCancel) {
            queueAnswer(chance(random_, 15) ? Answer::Yes
                                            : (chance(random_, 50) ? Answer::No : Answer::Cancel));
        }
        return HeadlessPlatform::showMessage(message);
    }
    std::string promptText(const std::string& prompt, const std::string& title) override {
        if (chance(random_, 70)) {
            queuePrompt(randomText(random_).toStdString());
        } else {
            queuePrompt(std::nullopt);
        }
        return HeadlessPlatform::promptText(prompt, title);
    }
    void showReminder(const ReminderView& view,
                      const std::function<void()>& checkBoxClicked) override {
        queueReminder(pick(random_, std::array{ReminderAnswer::Ok, ReminderAnswer::Tick,
                                               ReminderAnswer::TickUntick}));
        HeadlessPlatform::showReminder(view, checkBoxClicked);
    }
    bool showPrintDialog() override {
        queuePrintDialog(chance(random_, 80));
        return HeadlessPlatform::showPrintDialog();
    }

private:
    Random& random_;
};

/// Types `text` into `widget` key by key; characters outside ASCII come as
/// key events that carry only their text, as from a compose key.
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void everyWidgetMirrorsTheSheetThroughoutARandomSession();

private:
    void startSession();
    void endSession();

    /// One random user action, described for the failure report.
    QString act();
    QString clickButton();
    QString clickOption();
    QString typeIntoField();
    QString pressKey();
    QString menuShortcut();
    QString paste();
    QString doubleClickField();
    QString closeBox();
    QString fillEntries();

    /// The first way in which the window differs from its sheet, or nothing.
    QString mismatch();
    /// How the session's record, replayed, differs from its sheet, or nothing.
    QString replayMismatch();
    QString openDialog();
    /// The texts and colours of every field, to tell actions that changed
    /// something from those that did nothing.
    std::string fieldsAtAGlance();

    Sheet& sheet() { return ui_.sheet(); }
    const SheetWidgets& widgets() const { return ui_.window()->widgets(); }
    QWidget* keyTarget() {
        QWidget* w = QApplication::focusWidget();
        return w ? w : ui_.window();
    }

    /// The first session whose record did not replay to its sheet.
    QString replayed_;
    Random random_{kSeed};
    RandomAnswers platform_{random_};
    WindowUnderTest ui_;
};

void RandomSessionTest::startSession() {
    QVERIFY(ui_.openOn(platform_, {.onScreen = true, .active = true}));
}

void RandomSessionTest::endSession() {
    if (replayed_.isEmpty()) replayed_ = replayMismatch();
    ui_.close();
}

QString RandomSessionTest::replayMismatch() {
    HeadlessPlatform quiet;
    Program again(quiet);
    const std::string record = ui_.program().recorder().record(SIZE_MAX).value_or("");
    const Replayed played = replay(again, record, SIZE_MAX);
    testsupport::Problems problems = testsupport::sheetDifferences(sheet(), again.sheet());
    if (!played.whole)
        problems.insert(problems.begin(),
                        "line " + std::to_string(played.line) + " did not play: " + played.why);
    if (problems.empty()) return {};
    return qtText(problems.front() + "\nthe record:\n" + record);
}

void RandomSessionTest::everyWidgetMirrorsTheSheetThroughoutARandomSession() {
    ui_.watchdog().reset();
    startSession();
    QVERIFY2(mismatch().isEmpty(), qPrintable(mismatch()));

    QElapsedTimer clock;
    clock.start();
    std::deque<QString> history;
    int sessions = 1, changing = 0, dialogs = 0;
    for (int i = 0; i < kActions; ++i) {
        const std::string before = fieldsAtAGlance();
        history.push_back(QStringLiteral("%1: %2").arg(i).arg(act()));
        if (history.size() > kHistory) history.pop_front();

        QString found = mismatch();
        if (found.isEmpty() && sheet().closed() && ui_.window()->isVisible()) {
            found = QStringLiteral("the sheet has closed but the window is still open");
        }
        if (!found.isEmpty()) {
            QStringList lines(history.begin(), history.end());
            QFAIL(qPrintable(QStringLiteral("after action %1 of session %2: %3\nlast actions:\n%4")
                                 .arg(i)
                                 .arg(sessions)
                                 .arg(found, lines.join(QLatin1Char('\n')))));
        }
        if (sheet().closed() || fieldsAtAGlance() != before) ++changing;
        dialogs += static_cast<int>(platform_.events().size());
        if (sheet().closed()) {
            endSession();
            startSession();
            ++sessions;
        }
        platform_.clearEvents();
    }
    endSession();
    QVERIFY2(replayed_.isEmpty(), qPrintable(replayed_));
    qInfo("%d actions (%d changed the fields, %d dialogs answered) in %d sessions, %lld ms",
          kActions, changing, dialogs, sessions, static_cast<long long>(clock.elapsed()));
    // A session whose input never reached the window would pass every check
    // above: the actions must have done something.
    QVERIFY2(changing > kActions / 10, "the actions hardly changed the fields");
    QVERIFY2(dialogs > 0, "no action brought up a dialog");
    QVERIFY2(sessions > 1, "no action closed the window");
}

QString RandomSessionTest::act() {
    const int roll = below(random_, 100);
    if (roll < 16) return clickButton();
    if (roll < 32) return clickOption();
    if (roll < 57) return typeIntoField();
    if (roll < 82) return pressKey();
    if (roll < 90) return menuShortcut();
    if (roll < 95) return paste();
    if (roll < 97) return doubleClickField();
    if (roll < 98) return closeBox();
    return fillEntries();
}

QString RandomSessionTest::clickButton() {
    std::vector<B> usable;
    for (int i = 0; i < kButtonCount; ++i) {
        const QPushButton* w = widgets()[static_cast<B>(i)];
        if (w->isEnabled() && w->isVisible()) usable.push_back(static_cast<B>(i));
    }
    if (usable.empty()) return QStringLiteral("no button to click");
    const B b = usable[static_cast<std::size_t>(below(random_, static_cast<int>(usable.size())))];
    QTest::mouseClick(widgets()[b], Qt::LeftButton);
    return QStringLiteral("click ") + qtText(std::string(name(b)));
}

QString RandomSessionTest::clickOption() {
    std::vector<O> usable;
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionButton* w = widgets()[static_cast<O>(i)];
        if (w->isEnabled() && w->isVisible()) usable.push_back(static_cast<O>(i));
    }
    if (usable.empty()) return QStringLiteral("no option to click");
    const O o = usable[static_cast<std::size_t>(below(random_, static_cast<int>(usable.size())))];
    OptionButton* w = widgets()[o];
    // On the round indicator, as a user aims.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    return QStringLiteral("click ") + qtText(std::string(name(o)));
}

QString RandomSessionTest::typeIntoField() {
    const F f = static_cast<F>(below(random_, kFieldCount));
    QLineEdit* w = widgets()[f];
    QString done = QStringLiteral("into ") + qtText(std::string(name(f)));
    if (w->isVisible() && chance(random_, 80)) {
        const int x = 2 + below(random_, std::max(1, w->width() - 4));
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(x, w->height() / 2));
        done = QStringLiteral("click ") + done;
    } else {
        done = QStringLiteral("type where the focus is, not ") + done;
    }
    const QString text = randomText(random_);
    typeKeys(keyTarget(), text);
    return done + QStringLiteral(" type ") + quoted(text);
}

QString RandomSessionTest::pressKey() {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const std::array keys{
        Key{Qt::Key_Tab, Qt::NoModifier, "Tab"},
        Key{Qt::Key_Tab, Qt::NoModifier, "Tab"},
        Key{Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        Key{Qt::Key_Return, Qt::NoModifier, "Enter"},
        Key{Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
        Key{Qt::Key_Escape, Qt::NoModifier, "Esc"},
        Key{Qt::Key_Space, Qt::NoModifier, "Space"},
        Key{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        Key{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        Key{Qt::Key_Delete, Qt::NoModifier, "Delete"},
        Key{Qt::Key_Left, Qt::NoModifier, "Left"},
        Key{Qt::Key_Right, Qt::NoModifier, "Right"},
        Key{Qt::Key_Up, Qt::NoModifier, "Up"},
        Key{Qt::Key_Down, Qt::NoModifier, "Down"},
        Key{Qt::Key_Home, Qt::NoModifier, "Home"},
        Key{Qt::Key_End, Qt::NoModifier, "End"},
        Key{Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
        Key{Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
        Key{Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
        Key{Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        Key{Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        Key{Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    };
    const Key& k = keys[static_cast<std::size_t>(below(random_, static_cast<int>(keys.size())))];
    QWidget* target = keyTarget();
    const QString where = target->objectName();
    QTest::keyClick(target, k.key, k.modifiers);
    return QStringLiteral("%1 on %2").arg(QLatin1String(k.name), where);
}

QString RandomSessionTest::menuShortcut() {
    std::vector<M> leaves;
    for (int i = 0; i < kMenuCount; ++i) {
        if (!sheet().menu(static_cast<M>(i)).shortcut.empty()) leaves.push_back(static_cast<M>(i));
    }
    const M m = leaves[static_cast<std::size_t>(below(random_, static_cast<int>(leaves.size())))];
    const QString shortcut = qtText(sheet().menu(m).shortcut);
    QTest::keySequence(keyTarget(), QKeySequence(shortcut, QKeySequence::PortableText));
    return shortcut + QStringLiteral(" (") + qtText(std::string(name(m))) + QLatin1Char(')');
}

QString RandomSessionTest::paste() {
    const QString text = randomText(random_);
    QGuiApplication::clipboard()->setText(text);
    QWidget* target = keyTarget();
    const QString where = target->objectName();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    return QStringLiteral("paste %1 into %2").arg(quoted(text), where);
}

QString RandomSessionTest::doubleClickField() {
    const F f = static_cast<F>(below(random_, kFieldCount));
    QLineEdit* w = widgets()[f];
    if (!w->isVisible()) return QStringLiteral("no double click on hidden ") + w->objectName();
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(w->width() / 3, w->height() / 2));
    return QStringLiteral("double click ") + w->objectName();
}

QString RandomSessionTest::closeBox() {
    ui_.window()->close();
    return QStringLiteral("close box");
}

std::string RandomSessionTest::fieldsAtAGlance() {
    std::string all;
    for (int i = 0; i < kFieldCount; ++i) {
        const TextField& field = std::as_const(sheet()).field(static_cast<F>(i));
        all += field.text;
        all += static_cast<char>('0' + static_cast<int>(field.colour));
        all += '\n';
    }
    return all;
}

// Plausible numbers in every entry the user can type into, so that
// Calculate and Max Runby get past their entry checks and into the cases.
QString RandomSessionTest::fillEntries() {
    static const std::array values{"450", "6",  "8",    "13.75", "52",  "70",  "30",  "33", "40",
                                   "250", "17", "2.29", "152",   "349", "762", "0.5", "900"};
    QString done = QStringLiteral("fill");
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        QLineEdit* w = widgets()[f];
        if (f == F::txtID || !w->isVisible() || w->isReadOnly()) continue;
        const QString value = QLatin1String(pick(random_, values));
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        typeKeys(w, value);
        done += QLatin1Char(' ') + w->objectName() + QLatin1Char('=') + value;
    }
    return done;
}

QString RandomSessionTest::openDialog() {
    if (!ui_.watchdog().strays().isEmpty()) {
        return QStringLiteral("a real dialog opened: ") +
               ui_.watchdog().strays().join(QStringLiteral(", "));
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return QStringLiteral("a modal window is left open: ") + modal->windowTitle();
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return QStringLiteral("a popup is left open: ") +
               QString::fromLatin1(popup->metaObject()->className());
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && qobject_cast<QDialog*>(w)) {
            return QStringLiteral("a dialog is left open: ") + w->windowTitle();
        }
    }
    return {};
}

QString RandomSessionTest::mismatch() {
    if (QString open = openDialog(); !open.isEmpty()) return open;
    if (sheet().closed()) return {};
    if (const auto problems = testsupport::sheetProblems(sheet()); !problems.empty()) {
        return qtText(problems.front());
    }
    return mirrorMismatch(sheet(), widgets(), true);
}

TARNWICK_GUI_TEST(RandomSessionTest);

}  // namespace tarnwick

#include "RandomSessionTest.moc"
