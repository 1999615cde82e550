#include "ui/SheetMirror.h"

#include <algorithm>

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
    mirrorSome(0, kShownElementCount);
}

int SheetMirror::mirrorSome(int from, int count) {
    if (from < 0 || from > kShownElementCount) return -1;
    const int end =
        count >= kShownElementCount - from ? kShownElementCount : from + std::max(count, 1);
    // This view's copy of each element alone, not what a view adds to a
    // change the sheet reports.
    for (int i = from; i < end; ++i) SheetMirror::elementChanged(shownElement(i));
    if (end < kShownElementCount) return end;
    focusChanged(sheet_.focus());
    return -1;
}

}  // namespace tarnwick
