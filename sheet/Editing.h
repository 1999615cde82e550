// Field editing, focus and clearing: the change and focus reactions of the
// fields, the clearing procedures and the three clear commands.
#pragma once

#include "sheet/Links.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Editing {
public:
    Editing(Sheet& sheet, EngineLink& engine) : sheet_(sheet), engine_(engine) {}

    /// The change reaction of a field (twin conversion, clearing of stale
    /// results, red back to white); fields without one are ignored.
    void changed(F field);
    /// The focus reaction of a field: `TextSelected` where the field has one.
    void gotFocus(F field);

    void TextSelected();
    void Focus();
    void Clear1();
    void Clear2();
    void Clear3();
    void Clear4();
    void Clear5();
    void Clear6();
    void Clear346();
    void Clear436();
    void ClearAll();

    void cmdClearAll_Click();
    void cmdClearMet_Click();
    void cmdClearMea_Click();

private:
    /// Twin conversion: the target gets the source's lenient reading times
    /// the factor, in the result format.
    void convertTwin(F source, F target, double factor);

    Sheet& sheet_;
    EngineLink& engine_;
};

}  // namespace tarnwick
