// Mirrors the sheet into the browser page: every change of an element's look
// that the sheet reports is handed to the page at once, with the element's
// accessible name and description, so that the page shows the sheet as it
// stands even while a reaction waits in a dialog. The page writes only what
// differs into its elements.
#pragma once

#include "ui/SheetMirror.h"

namespace tarnwick {

class WebView : public SheetMirror {
public:
    explicit WebView(const Sheet& sheet) : SheetMirror(sheet) {}

    void elementChanged(Element element) override;
    void focusChanged(Element element) override;

private:
    void mirror(F f) override;
    void mirror(L l) override;
    void mirror(O o) override;
    void mirror(B b) override;
};

}  // namespace tarnwick
