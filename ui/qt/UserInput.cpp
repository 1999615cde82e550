#include "ui/qt/UserInput.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <utility>

namespace tarnwick {

UserInput::UserInput(Sheet& sheet, const SheetWidgets& widgets, const SheetView& view,
                     std::function<void()> afterAction)
    : sheet_(sheet), widgets_(widgets), view_(view), afterAction_(std::move(afterAction)) {}

void UserInput::connectWidgets() {
    for (int i = 0; i < kFieldCount; ++i) {
        const F f = static_cast<F>(i);
        QLineEdit* w = widgets_[f];
        if (!w) continue;
        w->installEventFilter(this);
        // textEdited comes from the user only, never from setText.
        connect(w, &QLineEdit::textEdited, this,
                [this, f](const QString& text) { typed(f, text); });
        connect(w, &QLineEdit::selectionChanged, this, [this, f] { selectionMoved(f); });
        connect(w, &QLineEdit::cursorPositionChanged, this, [this, f] { selectionMoved(f); });
    }
    for (int i = 0; i < kOptionCount; ++i) {
        const O o = static_cast<O>(i);
        if (OptionButton* w = widgets_[o]) {
            w->installEventFilter(this);
            connect(w, &QAbstractButton::clicked, this, [this, o] { clicked(o); });
        }
    }
    for (int i = 0; i < kButtonCount; ++i) {
        const B b = static_cast<B>(i);
        if (QPushButton* w = widgets_[b]) {
            w->installEventFilter(this);
            connect(w, &QAbstractButton::clicked, this, [this, b] { clicked(b); });
        }
    }
    for (int i = 0; i < kMenuCount; ++i) {
        const M m = static_cast<M>(i);
        if (QAction* a = widgets_[m]) {
            connect(a, &QAction::triggered, this, [this, m] { chosen(m); });
        }
    }
}

// A widget that gains the focus by the user's hand (Tab, a click, an access
// key) moves the sheet's focus there, which runs a field's focus reaction.
// Focus the program moved arrives while the view is mirroring; focus that
// comes back with the window, a closed menu or a closed message box was
// never lost by the sheet. Neither goes back into the sheet.
bool UserInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            focusIn(watched, static_cast<QFocusEvent*>(event)->reason());
            return false;
        case QEvent::FocusOut:
            focusingClick_ = nullptr;
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return swallowFocusingClick(watched, *static_cast<QMouseEvent*>(event));
        default:
            return false;
    }
}

void UserInput::focusIn(QObject* watched, Qt::FocusReason reason) {
    focusingClick_ = nullptr;
    if (view_.mirroring()) return;
    switch (reason) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return;
        default:
            break;
    }
    const Element element = widgets_.element(watched);
    if (element.kind == Element::Kind::None) return;
    sheet_.setFocus(element);
    // The press that brought the focus arrives after it; left to the line
    // edit it would put the caret where the mouse is and drop the selection
    // the focus reaction made, so that typing would no longer replace it.
    if (element.isField() && reason == Qt::MouseFocusReason &&
        std::as_const(sheet_).field(element.field()).selLength > 0) {
        focusingClick_ = watched;
    }
    afterAction_();
}

// The left-button press that brought a field the focus, and the moves and
// the release of that click, stay away from the line edit. Clicks into the
// field once it has the focus place the caret and drag out selections as
// usual.
bool UserInput::swallowFocusingClick(QObject* watched, const QMouseEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const bool focusing = watched == focusingClick_ && event.button() == Qt::LeftButton;
            focusingClick_ = nullptr;
            swallowing_ = focusing ? watched : nullptr;
            return focusing;
        }
        case QEvent::MouseMove:
            return watched == swallowing_;
        case QEvent::MouseButtonRelease:
            if (watched != swallowing_ || event.button() != Qt::LeftButton) return false;
            swallowing_ = nullptr;
            return true;
        default:
            return false;
    }
}

void UserInput::typed(F f, const QString& text) {
    sheet_.setText(f, text.toStdString());
    afterAction_();
}

// The sheet keeps the selection the user makes, so that the view never puts
// back a selection the user has since removed.
void UserInput::selectionMoved(F f) {
    if (view_.mirroring()) return;
    const QLineEdit* w = widgets_[f];
    const QString text = w->text();
    const int selected = static_cast<int>(w->selectedText().size());
    const int from = selected > 0 ? w->selectionStart() : w->cursorPosition();
    const int start = characterPosition(text, from);
    const int length = characterPosition(text, from + selected) - start;
    const TextField& field = std::as_const(sheet_).field(f);
    if (field.selStart != start || field.selLength != length) sheet_.setSelection(f, start, length);
}

// A click on the selected option does nothing; a click on the other one
// selects it, and the sheet runs its click reaction.
void UserInput::clicked(O o) {
    sheet_.setFocus(Element(o));
    if (!sheet_.selected(o)) sheet_.select(o);
    afterAction_();
}

void UserInput::clicked(B b) {
    sheet_.setFocus(Element(b));
    sheet_.press(b);
    afterAction_();
}

void UserInput::chosen(M m) {
    sheet_.choose(m);
    afterAction_();
}

void UserInput::pressDefault() {
    if (!sheet_.enabled(B::cmdCalculate)) return;
    sheet_.press(B::cmdCalculate);
    afterAction_();
}

void UserInput::pressCancel() {
    if (!sheet_.enabled(B::cmdExit)) return;
    sheet_.press(B::cmdExit);
    afterAction_();
}

}  // namespace tarnwick
