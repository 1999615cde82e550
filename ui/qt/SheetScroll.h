// The calculator sheet inside a scroll area. Where the screen has room for
// the whole sheet the area is as large as the sheet and shows no scroll bar;
// where it has not, the area takes what room there is, the sheet scrolls in
// it, and a field that gets the focus is scrolled into view.
#pragma once

#include <QScrollArea>
#include <QSize>

namespace tarnwick {

class SheetScroll : public QScrollArea {
public:
    /// Shows `sheet`, which it takes, at `usual` size at the least where the
    /// room allows.
    SheetScroll(QWidget* sheet, QSize usual, QWidget* parent = nullptr);

    /// The largest the area may be: the screen's available area less the
    /// window's frame and menu bar. Unbounded until it is set.
    void setRoom(QSize room);
    QSize room() const { return room_; }

    /// The sheet's usual size, or as much of it as the room holds together
    /// with the scroll bars it then needs.
    QSize sizeHint() const override;
    /// In a direction the room holds, what the sheet needs; in a direction
    /// that scrolls, half of that, so that the window can be made smaller.
    QSize minimumSizeHint() const override;

    /// Scrolls the sheet so that `child` and a margin round it are in view.
    void bringIntoView(const QWidget& child);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The area for a sheet of size `sheet`: as large as the sheet in a
    /// direction the room holds (with a scroll bar's breadth where the other
    /// direction scrolls), `scrolled` in a direction that does not.
    QSize fitted(QSize sheet, QSize scrolled) const;

    QSize usual_;
    QSize room_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
};

}  // namespace tarnwick
