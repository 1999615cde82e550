#include "ui/SheetMirror.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Every element a view copies: the fields, labels, options and buttons.
constexpr int kElementCount = kFieldCount + kLabelCount + kOptionCount + kButtonCount;

}  // namespace

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
    mirrorSome(0, kElementCount);
}

int SheetMirror::mirrorSome(int from, int count) {
    if (from < 0 || from > kElementCount) return -1;
    const int end = count >= kElementCount - from ? kElementCount : from + std::max(count, 1);
    for (int i = from; i < end; ++i) {
        int at = i;
        if (at < kFieldCount) {
            mirror(static_cast<F>(at));
            continue;
        }
        at -= kFieldCount;
        if (at < kLabelCount) {
            mirror(static_cast<L>(at));
            continue;
        }
        at -= kLabelCount;
        if (at < kOptionCount) {
            mirror(static_cast<O>(at));
            continue;
        }
        mirror(static_cast<B>(at - kOptionCount));
    }
    if (end < kElementCount) return end;
    focusChanged(sheet_.focus());
    return -1;
}

}  // namespace tarnwick
