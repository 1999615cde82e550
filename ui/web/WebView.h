// Mirrors the sheet into the browser page: every change of an element's look
// that the sheet reports is handed to the page at once, with the element's
// accessible name and description, so that the page shows the sheet as it
// stands even while a reaction waits in a dialog. The page writes only what
// differs into its elements.
#pragma once

#include "sheet/Sheet.h"

namespace tarnwick {

class WebView : public SheetObserver {
public:
    explicit WebView(const Sheet& sheet) : sheet_(sheet) {}

    void elementChanged(Element element) override;
    void focusChanged(Element element) override;

    /// Copies every element, for a page built after the sheet.
    void mirrorAll();

private:
    void mirror(F f);
    void mirror(L l);
    void mirror(O o);
    void mirror(B b);

    const Sheet& sheet_;
};

}  // namespace tarnwick
