#include "ui/qt/SheetScroll.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QScrollBar>

namespace tarnwick {

SheetScroll::SheetScroll(QWidget* sheet, QSize usual, QWidget* parent)
    : QScrollArea(parent), usual_(usual) {
    setObjectName(QStringLiteral("SheetScroll"));
    // No frame of its own: where nothing scrolls, the window looks as if
    // the sheet stood in it alone.
    setFrameShape(QFrame::NoFrame);
    // The keyboard goes from field to field, never to the area itself.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(sheet);
    for (QWidget* child : sheet->findChildren<QWidget*>()) child->installEventFilter(this);
}

void SheetScroll::setRoom(QSize room) {
    if (room == room_) return;
    room_ = room;
    updateGeometry();
}

QSize SheetScroll::fitted(QSize sheet, QSize scrolled) const {
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool across = sheet.width() > room_.width();
    bool down = sheet.height() > room_.height();
    // A scroll bar in one direction takes room from the other.
    if (across && !down) down = sheet.height() + barHeight > room_.height();
    if (down && !across) across = sheet.width() + barWidth > room_.width();
    return {across ? scrolled.width() : sheet.width() + (down ? barWidth : 0),
            down ? scrolled.height() : sheet.height() + (across ? barHeight : 0)};
}

QSize SheetScroll::sizeHint() const {
    const QWidget* sheet = widget();
    if (!sheet) return QScrollArea::sizeHint();
    return fitted(sheet->sizeHint().expandedTo(usual_), room_);
}

QSize SheetScroll::minimumSizeHint() const {
    const QWidget* sheet = widget();
    if (!sheet) return QScrollArea::minimumSizeHint();
    const QSize need = sheet->minimumSizeHint();
    return fitted(need, (need / 2).boundedTo(room_));
}

void SheetScroll::bringIntoView(const QWidget& child) {
    const QWidget* sheet = widget();
    if (!sheet || !sheet->isAncestorOf(&child)) return;
    const QRect rect(child.mapTo(sheet, QPoint(0, 0)), child.size());
    // A margin for the unit beside a field and a glimpse of the next row.
    const int margin = 2 * fontMetrics().height();
    ensureVisible(rect.right(), rect.bottom(), margin, margin);
    // Where the area is too small for both, the top left corner wins.
    ensureVisible(rect.left(), rect.top(), margin, margin);
}

bool SheetScroll::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        // The sheet needs another size: the window grows with it while the
        // room allows, and the scroll bars follow.
        updateGeometry();
        QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
    } else if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
        // A click gives the focus to a field in view; Tab, the program's own
        // moves (after Calculate, at an alert) and the window's activation
        // may give it to one out of view.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
            bringIntoView(*static_cast<QWidget*>(watched));
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace tarnwick
