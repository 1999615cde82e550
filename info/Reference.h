// The Formulas & Info menu: twelve fixed reference messages on buffer strokes
// and the maximum upward movement.
#pragma once

#include <optional>

#include "sheet/Elements.h"
#include "sheet/Platform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Reference {
public:
    explicit Reference(Sheet& sheet) : sheet_(sheet) {}

    /// The message of a Formulas & Info leaf; nothing for any other item.
    static std::optional<Message> messageFor(M menu);

    /// Shows the message of a Formulas & Info leaf; other items are ignored.
    void show(M menu);

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
