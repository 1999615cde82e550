#include "ui/qt/Widgets.h"

namespace tarnwick {

QWidget* SheetWidgets::widget(Element e) const {
    switch (e.kind) {
        case Element::Kind::Field:
            return fields[e.id];
        case Element::Kind::Option:
            return options[e.id];
        case Element::Kind::Button:
            return buttons[e.id];
        default:
            return nullptr;
    }
}

Element SheetWidgets::element(const QObject* widget) const {
    for (int i = 0; i < kFieldCount; ++i) {
        if (fields[i] == widget) return static_cast<F>(i);
    }
    for (int i = 0; i < kOptionCount; ++i) {
        if (options[i] == widget) return static_cast<O>(i);
    }
    for (int i = 0; i < kButtonCount; ++i) {
        if (buttons[i] == widget) return static_cast<B>(i);
    }
    return {};
}

}  // namespace tarnwick
