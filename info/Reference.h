// The Formulas & Info menu: twelve fixed reference messages on buffer strokes
// and the maximum upward movement; and the page that shows the working of
// the last calculation beside them.
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

    /// The working of the last calculation as a page to read, each of its
    /// lines one line of the page; what an empty working's page says.
    static Message workingMessage(const Working& working);

    /// Shows the message of a Formulas & Info leaf, or the working for Show
    /// Working; other items are ignored.
    void show(M menu);

private:
    Sheet& sheet_;
};

}  // namespace tarnwick
