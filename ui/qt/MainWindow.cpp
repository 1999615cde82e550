#include "ui/qt/MainWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>

#include "ui/qt/Accessibility.h"
#include "ui/qt/Menus.h"
#include "ui/qt/WindowLayout.h"

namespace tarnwick {

QString windowCaption() {
    return QStringLiteral("Tarnwick") + QString(24, QLatin1Char(' ')) +
           QStringLiteral("https://tarnwick.example");
}

MainWindow::MainWindow(Sheet& sheet, QWidget* parent)
    : QMainWindow(parent), sheet_(sheet), view_(sheet, widgets_) {
    setWindowTitle(windowCaption());
    setObjectName(QStringLiteral("Tarnwick"));

    auto* client = new QWidget(this);
    buildWindowLayout(*client, widgets_);
    setCentralWidget(client);
    buildMenus(sheet_, *menuBar(), widgets_);
    setKeyboardOrder(widgets_);

    view_.mirrorAll();
    accessibility_ = std::make_unique<AccessibilityLink>(sheet_, widgets_);
    input_ = new UserInput(sheet_, widgets_, view_, [this] { afterAction(); });
    input_->setParent(this);
    input_->connectWidgets();
    sheet_.setObserver(&view_);

    fitToTexts(widgets_);
    // The usual size at the default font, larger where a larger font needs
    // it. The user may enlarge the window, but not shrink it below what its
    // content needs.
    const QSize usual = kClientArea + QSize(0, menuBar()->sizeHint().height());
    resize(sizeHint().expandedTo(usual));
}

MainWindow::~MainWindow() {
    sheet_.setObserver(nullptr);
}

void MainWindow::placeOnScreen() {
    placed_ = true;
    int left = sheet_.windowLeft();
    int top = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The sheet centres the window on the screen; the window's left edge
        // stays on it even where the screen is narrower than the window.
        const QRect area = screen->availableGeometry();
        const int rightmost = std::max(area.left(), area.right() + 1 - frameGeometry().width());
        left = std::clamp(left, area.left(), rightmost);
        top = area.top() + std::max(0, (area.height() - frameGeometry().height()) / 2);
    }
    move(left, top);
}

// Before the window is shown its frame is not known, and a window kept on
// the screen by its right edge would stick out by the frame's width.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_ && !event->spontaneous()) {
        QTimer::singleShot(0, this, [this] { placeOnScreen(); });
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) paintFixedColours(widgets_);
    QMainWindow::changeEvent(event);
}

// The close box, the window manager and the Exit command all end here; the
// sheet's close reaction asks the user and may refuse.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!sheet_.closed()) sheet_.requestClose();
    if (sheet_.closed()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// Keys that no widget took: Enter runs the default command (Calculate) and
// Esc the cancel command (Exit), wherever the focus is.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                input_->pressDefault();
                return;
            case Qt::Key_Escape:
                input_->pressCancel();
                return;
            default:
                break;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::afterAction() {
    if (sheet_.closed() && isVisible()) close();
}

}  // namespace tarnwick
