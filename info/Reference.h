// The Formulas & Info menu: twelve fixed reference messages on buffer strokes
// and the maximum upward movement; and the page that shows the working of
// the last calculation beside them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sheet/Elements.h"
#include "sheet/Platform.h"
#include "sheet/Sheet.h"

namespace tarnwick {

class Reference {
public:
    explicit Reference(Sheet& sheet) : sheet_(sheet) {}

    /// The message of a Formulas & Info leaf; nothing for any other item.
    static std::optional<Message> messageFor(M menu);

    /// Card lines longer than this break at blanks; the longest formula has
    /// 123 characters.
    static constexpr int kCardColumns = 124;
    /// A card's lines as both front ends show them: the message's lines,
    /// running text longer than a formula line broken between words; the
    /// lines of a card read line by line stay whole, for the view to wrap.
    static std::vector<std::string> cardLines(const Message& message);

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
