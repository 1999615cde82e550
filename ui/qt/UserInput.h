// Turns what the user does in the window into operations on the sheet:
// typing, moving the focus, clicking options and buttons, choosing menu
// leaves. The sheet runs the reactions; the view mirrors their effects back.
#pragma once

#include <QMouseEvent>
#include <QObject>
#include <functional>

#include "sheet/Sheet.h"
#include "ui/qt/SheetView.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

class UserInput : public QObject {
    Q_OBJECT

public:
    /// `afterAction` runs after every user action the sheet has served; the
    /// window checks there whether the sheet has closed.
    UserInput(Sheet& sheet, const SheetWidgets& widgets, const SheetView& view,
              std::function<void()> afterAction);

    /// Connects every widget of `widgets`; call once they all exist.
    void connectWidgets();

    /// Enter: the default command; Esc: the cancel command.
    void pressDefault();
    void pressCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusIn(QObject* watched, Qt::FocusReason reason);
    bool swallowFocusingClick(QObject* watched, const QMouseEvent& event);
    void typed(F f, const QString& text);
    void selectionMoved(F f);
    void clicked(O o);
    void clicked(B b);
    void chosen(M m);

    Sheet& sheet_;
    const SheetWidgets& widgets_;
    const SheetView& view_;
    std::function<void()> afterAction_;
    /// The field whose focus came with a mouse press not yet delivered.
    const QObject* focusingClick_ = nullptr;
    /// The field receiving the rest of that click, which it must not see.
    const QObject* swallowing_ = nullptr;
};

}  // namespace tarnwick
