#include "ui/qt/MainWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QWindow>
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
    // The sheet at its usual size at the default font, larger where a
    // larger font needs it; it scrolls where the screen is smaller.
    scroll_ = new SheetScroll(client, kClientArea, this);
    setCentralWidget(scroll_);
    buildMenus(sheet_, *menuBar(), widgets_);
    setKeyboardOrder(widgets_);

    view_.mirrorAll();
    accessibility_ = std::make_unique<AccessibilityLink>(sheet_, widgets_);
    input_ = new UserInput(sheet_, widgets_, view_, [this] { afterAction(); });
    input_->setParent(this);
    input_->connectWidgets();
    sheet_.setObserver(&view_);

    fitToTexts(widgets_);
    // The user may enlarge the window, but not shrink it below what the
    // sheet needs, except where the sheet scrolls.
    fitToScreen(QGuiApplication::primaryScreen());
    resize(sizeHint());
}

MainWindow::~MainWindow() {
    sheet_.setObserver(nullptr);
}

QSize MainWindow::frameExtent() const {
    if (frameKnown()) return frameGeometry().size() - geometry().size();
    return {0, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this)};
}

bool MainWindow::frameKnown() const {
    return isVisible() && frameGeometry() != geometry();
}

void MainWindow::fitToScreen(QScreen* screen) {
    if (!screen) return;
    const QSize menus(0, menuBar()->sizeHint().height());
    scroll_->setRoom(screen->availableGeometry().size() - frameExtent() - menus);
}

void MainWindow::placeOnScreen() {
    placed_ = true;
    int left = sheet_.windowLeft();
    int top = 0;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        fitToScreen(screen);
        resize(sizeHint());
        // The sheet centres the window on the screen; the window's left edge
        // stays on it even where the screen is narrower than the window.
        const QRect area = screen->availableGeometry();
        const QSize outer = size() + frameExtent();
        const int rightmost = std::max(area.left(), area.right() + 1 - outer.width());
        left = std::clamp(left, area.left(), rightmost);
        top = area.top() + std::max(0, (area.height() - outer.height()) / 2);
    }
    move(left, top);
}

// Before the window is shown its frame is not known, and a window kept on
// the screen by its right edge would stick out by the frame's width.
// Some window systems report the frame at once, others only once they have
// put it round the window, which moves the window: it is sized and placed
// again as soon as the frame is known.
void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (placed_ && !placedInFrame_ && frameKnown()) {
        placedInFrame_ = true;
        QTimer::singleShot(0, this, [this] { placeOnScreen(); });
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* window = windowHandle()) {
        // On another screen the sheet has that screen's room.
        connect(window, &QWindow::screenChanged, this, &MainWindow::fitToScreen,
                Qt::UniqueConnection);
    }
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
