// Mirrors the sheet into the window: every change of an element's look that
// the sheet reports is copied to its widget. The view never calls back into
// the sheet; while it works on the widgets, `mirroring()` is true, so that the
// input routing can tell the program's own moves from the user's.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>

#include "sheet/Sheet.h"
#include "ui/SheetMirror.h"
#include "ui/qt/Widgets.h"

namespace tarnwick {

class SheetView : public SheetMirror {
public:
    SheetView(const Sheet& sheet, const SheetWidgets& widgets);

    void elementChanged(Element element) override;
    void focusChanged(Element element) override;

    /// Copies every element, for a window that was built after the sheet.
    void mirrorAll() override;
    bool mirroring() const { return mirroring_; }

private:
    void mirror(F f) override;
    void mirror(L l) override;
    void mirror(O o) override;
    void mirror(B b) override;

    const SheetWidgets& widgets_;
    bool mirroring_ = false;
    /// The colour each field's palette was last set for; none before the
    /// first mirror.
    std::array<std::optional<Colour>, kFieldCount> shownColours_{};
};

/// A tooltip as the widget shows it: long texts are broken into lines of
/// moderate width; blanks are kept as written.
QString tooltipText(const std::string& text);

}  // namespace tarnwick
