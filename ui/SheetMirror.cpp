#include "ui/SheetMirror.h"

namespace tarnwick {

void SheetMirror::elementChanged(Element element) {
    switch (element.kind) {
        case Element::Kind::Field:
            mirror(element.field());
            break;
        case Element::Kind::Label:
            mirror(element.label());
            break;
        case Element::Kind::Option:
            mirror(element.option());
            break;
        case Element::Kind::Button:
            mirror(element.button());
            break;
        case Element::Kind::Menu:
        case Element::Kind::None:
            break;
    }
}

void SheetMirror::mirrorAll() {
    for (int i = 0; i < kFieldCount; ++i) mirror(static_cast<F>(i));
    for (int i = 0; i < kLabelCount; ++i) mirror(static_cast<L>(i));
    for (int i = 0; i < kOptionCount; ++i) mirror(static_cast<O>(i));
    for (int i = 0; i < kButtonCount; ++i) mirror(static_cast<B>(i));
    focusChanged(sheet_.focus());
}

}  // namespace tarnwick
