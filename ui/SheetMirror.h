// What every view of the sheet does alike: a change the sheet reports goes to
// the view's copy of that one element, and a view made after the sheet copies
// every element and the focus once. The view says how it copies an element.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class SheetMirror : public SheetObserver {
public:
    void elementChanged(Element element) override;

    /// Copies every element and then the focus, for a view built after the
    /// sheet.
    virtual void mirrorAll();

    /// Copies `count` elements in the order mirrorAll takes them, from the
    /// one at `from` on, and the focus after the last element: a view may
    /// spread its first copy over a few short steps. Returns where the next
    /// step goes on, or -1 when every element and the focus are copied.
    int mirrorSome(int from, int count);

protected:
    explicit SheetMirror(const Sheet& sheet) : sheet_(sheet) {}

    virtual void mirror(F f) = 0;
    virtual void mirror(L l) = 0;
    virtual void mirror(O o) = 0;
    virtual void mirror(B b) = 0;

    const Sheet& sheet_;
};

}  // namespace tarnwick
